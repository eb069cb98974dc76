#include "gleitkomma.h"

namespace kalotri {} // namespace kalotri
