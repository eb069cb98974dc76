// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleitkomma.h"

#include "fehler.h"

#include <cmath>

namespace kalotri {

namespace {

// A NaN or infinity reaching a checked step can only come from an earlier fault that
// slipped through; treating it as invalid keeps it from being written as a result.
// Unqualified below, so that Lang64's own functions are found when Lang is Lang64.
using std::isfinite;
using std::isinf;
using std::sqrt;

void PruefeEndlich(Lang x) {
    if (!isfinite(x)) {
        throw KalotriFehler(Code::Ungueltig);
    }
}

} // namespace

Lang Wurzel(Lang x) {
    PruefeEndlich(x);
    if (x < 0) {
        throw KalotriFehler(Code::Ungueltig);
    }
    return sqrt(x);
}

Lang Teile(Lang zaehler, Lang nenner) {
    PruefeEndlich(zaehler);
    PruefeEndlich(nenner);
    if (nenner == 0) {
        throw KalotriFehler(zaehler == 0 ? Code::Ungueltig : Code::Division);
    }
    const Lang quotient = zaehler / nenner;
    if (isinf(quotient)) {
        throw KalotriFehler(Code::Ueberlauf);
    }
    return quotient;
}

double Speichere(Lang x) {
    PruefeEndlich(x);
    const auto gespeichert = static_cast<double>(x);
    if (std::isinf(gespeichert)) {
        throw KalotriFehler(Code::Ueberlauf);
    }
    return gespeichert;
}

} // namespace kalotri
