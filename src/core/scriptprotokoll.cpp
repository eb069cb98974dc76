#include "scriptprotokoll.h"

namespace kalotri {} // namespace kalotri
