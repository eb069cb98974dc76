// SPDX-License-Identifier: GPL-3.0-or-later
#include "zahlform.h"

#include "fehler.h"
#include "zeichenwandlung.h"
#include "ziffern.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace kalotri {

namespace {

constexpr int Stellen15 = 15;

// |x| as 18 significant digits (18th rounded to nearest, ties to even) and the decimal
// exponent of the first one: |x| = d1.d2d3... × 10^exponent.
struct Ziffern18 {
    std::string ziffern;
    int exponent = 0;
};

Ziffern18 Zerlege18(double betrag) {
    const std::string text = Wissenschaftlich18(betrag);
    Ziffern18 z;
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') {
            z.ziffern += text[i];
        }
    }
    z.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    return z;
}

} // namespace

std::string FesteForm(double x, std::string_view maske, std::string_view trennzeichen) {
    if (maske.size() > MaskeMaxLaenge) {
        throw KalotriFehler(Code::FormatZuLang);
    }
    if (!std::isfinite(x) || std::fabs(x) >= 1e18) {
        return AllgemeineForm(x, trennzeichen);
    }
    if (x == 0) {
        return FestGerundet("", 0, false, DezimalenAusMaske(maske), trennzeichen);
    }
    const Ziffern18 z = Zerlege18(std::fabs(x));
    return FestGerundet(z.ziffern, z.exponent, x < 0, DezimalenAusMaske(maske), trennzeichen);
}

std::string AllgemeineForm(double x, std::string_view trennzeichen) {
    if (std::isnan(x)) {
        return "NAN";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-INF" : "INF";
    }
    if (x == 0) {
        return "0";
    }
    const Ziffern18 z = Zerlege18(std::fabs(x));
    std::string ziffern = z.ziffern.substr(0, Stellen15);
    // e: |x| = 0.d1d2... × 10^e
    int e = z.exponent + 1;
    if (z.ziffern[Stellen15] >= '5') {
        ZaehleHoch(ziffern);
        if (ziffern.size() > Stellen15) {
            ziffern.pop_back();
            ++e;
        }
    }
    ziffern.erase(ziffern.find_last_not_of('0') + 1);

    std::string text;
    if (x < 0) {
        text += '-';
    }
    if (e > 15 || e < -3) {
        text += ziffern[0];
        if (ziffern.size() > 1) {
            text.append(trennzeichen);
            text.append(ziffern, 1);
        }
        text += 'E';
        text += std::to_string(e - 1);
    } else if (e <= 0) {
        text += '0';
        text.append(trennzeichen);
        text.append(static_cast<std::size_t>(-e), '0');
        text += ziffern;
    } else {
        const auto ganz = static_cast<std::size_t>(e);
        if (ziffern.size() <= ganz) {
            text += ziffern;
            text.append(ganz - ziffern.size(), '0');
        } else {
            text.append(ziffern, 0, ganz);
            text.append(trennzeichen);
            text.append(ziffern, ganz);
        }
    }
    return text;
}

} // namespace kalotri
