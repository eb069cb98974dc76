#include "symbol.h"

namespace kalotri {} // namespace kalotri
