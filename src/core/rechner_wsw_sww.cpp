#include "rechner.h"

namespace kalotri {} // namespace kalotri
