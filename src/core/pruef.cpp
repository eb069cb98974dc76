#include "pruef.h"

namespace kalotri {} // namespace kalotri
