#include "rundformat.h"

namespace kalotri {} // namespace kalotri
