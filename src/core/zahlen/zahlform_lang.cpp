// SPDX-License-Identifier: GPL-3.0-or-later
#include "zahlform_lang.h"

#include "fehler.h"
#include "zahlform.h"
#include "ziffern.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kalotri {

namespace {

// A long double carries a little over 19 significant digits; beyond them come zeros, as
// the fixed form writes zeros beyond the 18 digits of a double.
constexpr int Stellen = 19;

struct Ziffern {
    std::string ziffern; // Stellen digits, the first not 0
    int exponent = 0;    // |x| = d1.d2d3... × 10^exponent
};

// printf follows the C locale's decimal point, which the GUI may have changed: only the
// digits and the exponent are read from its text.
Ziffern Zerlege(long double betrag, int stellen) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*Le", stellen - 1, betrag);
    Ziffern z;
    const char* p = puffer;
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            z.ziffern += *p;
        }
    }
    z.exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    return z;
}

} // namespace

// As the general form writes large numbers.
std::string WissenschaftlichLang(long double x, std::string_view trennzeichen) {
    Ziffern z = Zerlege(std::fabs(x), 15);
    z.ziffern.erase(z.ziffern.find_last_not_of('0') + 1);
    std::string text = x < 0 ? "-" : "";
    text += z.ziffern[0];
    if (z.ziffern.size() > 1) {
        text.append(trennzeichen);
        text.append(z.ziffern, 1);
    }
    return text + "E" + std::to_string(z.exponent);
}

std::string FesteFormLang(long double x, std::string_view maske, std::string_view trennzeichen) {
    if (maske.size() > MaskeMaxLaenge) {
        throw KalotriFehler(Code::FormatZuLang);
    }
    if (!std::isfinite(x)) {
        return FesteForm(static_cast<double>(x), maske, trennzeichen);
    }
    if (std::fabs(x) >= 1e18L) {
        return WissenschaftlichLang(x, trennzeichen);
    }
    if (x == 0) {
        return FestGerundet("", 0, false, DezimalenAusMaske(maske), trennzeichen);
    }
    const Ziffern z = Zerlege(std::fabs(x), Stellen);
    return FestGerundet(z.ziffern, z.exponent, x < 0, DezimalenAusMaske(maske), trennzeichen);
}

} // namespace kalotri
