#include "zahlform.h"

namespace kalotri {} // namespace kalotri
