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

// Scientific with up to 15 significant digits, as the general form writes large numbers.
std::string Allgemein(long double x, std::string_view trennzeichen) {
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

} // namespace

std::string FesteFormLang(long double x, std::string_view maske, std::string_view trennzeichen) {
    if (maske.size() > MaskeMaxLaenge) {
        throw KalotriFehler(Code::FormatZuLang);
    }
    if (!std::isfinite(x)) {
        return FesteForm(static_cast<double>(x), maske, trennzeichen);
    }
    if (std::fabs(x) >= 1e18L) {
        return Allgemein(x, trennzeichen);
    }
    const int n = DezimalenAusMaske(maske);
    std::string gerundet;
    if (x != 0) {
        const Ziffern z = Zerlege(std::fabs(x), Stellen);
        const int behalten = z.exponent + n + 1;
        if (behalten > 0) {
            gerundet = z.ziffern.substr(0, static_cast<std::size_t>(behalten));
            if (behalten > Stellen) {
                gerundet.append(static_cast<std::size_t>(behalten - Stellen), '0');
            }
        }
        if (behalten >= 0 && behalten < Stellen &&
            z.ziffern[static_cast<std::size_t>(behalten)] >= '5') {
            ZaehleHoch(gerundet);
        }
    }
    const bool nurNullen = gerundet.find_first_not_of('0') == std::string::npos;
    const auto mindestLaenge = static_cast<std::size_t>(n) + 1;
    if (gerundet.size() < mindestLaenge) {
        gerundet.insert(0, mindestLaenge - gerundet.size(), '0');
    }
    std::string text = x < 0 && !nurNullen ? "-" : "";
    const auto ganzzahlig = gerundet.size() - static_cast<std::size_t>(n);
    text.append(gerundet, 0, ganzzahlig);
    if (n > 0) {
        text.append(trennzeichen);
        text.append(gerundet, ganzzahlig);
    }
    return text;
}

} // namespace kalotri
