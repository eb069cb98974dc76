#include "glob_u.h"

std::string RundFormat;
