#include "fehler.h"

namespace kalotri {} // namespace kalotri
