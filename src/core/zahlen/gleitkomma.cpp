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

long double Zehnerpotenz(int n) {
#ifdef KALOTRI_MANTISSE64
    // Up to 10^27 the power is a whole number within 64 bits, so exact; its reciprocal
    // rounds once, as a correctly rounded powl does.
    if (n >= -27 && n <= 27) {
        long double p = 1;
        for (int i = 0; i < (n < 0 ? -n : n); ++i) {
            p *= 10;
        }
        return n < 0 ? static_cast<long double>(Lang{1} / Lang{p}) : p;
    }
#endif
    return std::pow(10.0L, static_cast<long double>(n));
}

} // namespace kalotri
