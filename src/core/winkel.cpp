#include "winkel.h"

namespace kalotri {} // namespace kalotri
