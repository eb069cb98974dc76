// SPDX-License-Identifier: GPL-3.0-or-later
#include "routen.h"

#include "gleitkomma.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalotri::routen {

namespace {

std::string Stellen(int dezimalen) {
    return dezimalen == 1 ? "1 Nachkommastelle" : std::to_string(dezimalen) + " Nachkommastellen";
}

} // namespace

Rundung RundungFuer(int dezimalen) {
    const int d = dezimalen < 0 ? 0 : dezimalen;
    return {d, d + 3};
}

std::string Stellenworte(int dezimalen) {
    return dezimalen == 0 ? "auf ganze Zahlen" : "auf " + Stellen(dezimalen);
}

std::string Rundungsanweisung(const Rundung& rundung, bool jeFeld) {
    if (jeFeld) {
        return "Runde jedes Ergebnis wie bei seinem Feld angegeben, Zwischenergebnisse im "
               "Dreieck " +
               Stellenworte(rundung.Ergebnis) +
               ". Rechne mit ihnen gerundet (gern mit einer Stelle mehr) oder mit den "
               "ungerundeten Werten des Taschenrechners weiter; Zwischenwerte wie einen Sinus "
               "oder Kosinus rundest du auf " +
               Stellen(rundung.Zwischen) + " oder gar nicht.";
    }
    return "Runde jedes Ergebnis " + Stellenworte(rundung.Ergebnis) +
           ". Rechne mit deinen gerundeten Ergebnissen (gern mit einer Stelle mehr) oder mit den "
           "ungerundeten Werten des Taschenrechners weiter; Zwischenwerte wie einen Sinus oder "
           "Kosinus rundest du auf " +
           Stellen(rundung.Zwischen) + " oder gar nicht.";
}

long double RundeAuf(long double x, int dezimalen, long double massstab) {
    // Past what a long double holds the scaled value is a whole number already; so far
    // the scale itself must not overflow.
    if (dezimalen > 4000 || !std::isfinite(x)) {
        return x;
    }
    // Through Lang and its epsilon, so that the page rounds, and so marks, as natively.
    const Lang skala = Zehnerpotenz(dezimalen);
    // A pupil's numbers are decimals, so exact halves come up (17 · 0.934248 / 16 =
    // 0.9926385; 180 − 31.788 − 137.367 = 10.845), and in binary they land a few units of
    // the last place either side. Within that they count as halves and go up, as on paper;
    // no wider, or a sine rounded to 13 decimals would go up where it should not.
    const Lang naehe = Lang{8 * LangEpsilon} * Lang{std::max(std::abs(x), massstab)};
    const long double skaliert = Lang80((Lang{x} + Lang{std::copysign(Lang80(naehe), x)}) * skala);
    if (!std::isfinite(skaliert)) {
        return x;
    }
    return Lang80(Lang{std::round(skaliert)} / skala);
}

} // namespace kalotri::routen
