#include "icon.h"

QIcon ProgrammIcon() { return QIcon(); }
