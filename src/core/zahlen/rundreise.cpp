// SPDX-License-Identifier: GPL-3.0-or-later
#include "zahlform.h"

#include "zeichenwandlung.h"

namespace kalotri {

std::string RundreiseForm(double x) {
    return Kuerzeste(x);
}

} // namespace kalotri
