// SPDX-License-Identifier: GPL-3.0-or-later
#include "schueler.h"

#include "gleitkomma.h"
#include "zahlform.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

namespace kalotri::routen::intern {

namespace {

// The pupil's keys compute through Lang, so that the page's calculator is the native one.
const Lang Grad = Lang{std::numbers::pi_v<L>} / 180;

// Degrees (or, in radian mode, the number itself) as the argument of sin and cos.
L Bogen(L winkel, bool bogenmass) {
    return bogenmass ? winkel : Lang80(Lang{winkel} * Grad);
}

// An arc function's radians as the pupil writes them down.
L AusBogen(L bogen, bool bogenmass) {
    return bogenmass ? Lang80(Lang{bogen}) : Lang80(Lang{bogen} / Grad);
}

} // namespace

L Taschenrechner::Zwischen(L x) const {
    return gewohnheit_.RundetZwischen ? RundeAuf(x, rundung_.Zwischen) : x;
}

// In radian mode the keys read the degrees as radians and the arc functions answer in
// radians, which the pupil then writes down as degrees.
L Taschenrechner::Sin(L winkel) const {
    return Zwischen(Lang80(Lang{std::sin(Bogen(winkel, gewohnheit_.Bogenmass))}));
}

L Taschenrechner::Cos(L winkel) const {
    return Zwischen(Lang80(Lang{std::cos(Bogen(winkel, gewohnheit_.Bogenmass))}));
}

L Taschenrechner::ArcSin(L x) const {
    return AusBogen(std::asin(x), gewohnheit_.Bogenmass);
}

L Taschenrechner::ArcCos(L x) const {
    return AusBogen(std::acos(x), gewohnheit_.Bogenmass);
}

L AlsGetippt(double x) {
    const std::string text = RundreiseForm(x);
    // Digits and a decimal exponent; anything else (an exponent past what a long double
    // scales exactly) keeps the double.
    std::uint64_t ziffern = 0;
    int exponent = 0;
    int stellen = 0;
    bool nachKomma = false;
    std::size_t i = text[0] == '-' ? 1 : 0;
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] == '.') {
            nachKomma = true;
        } else if (++stellen > 19) {
            return x;
        } else {
            ziffern = ziffern * 10 + static_cast<std::uint64_t>(text[i] - '0');
            exponent -= nachKomma ? 1 : 0;
        }
    }
    if (i < text.size()) {
        exponent += std::stoi(text.substr(i + 1));
    }
    if (exponent < -27 || exponent > 27) {
        return x;
    }
    const Lang skala = Zehnerpotenz(exponent < 0 ? -exponent : exponent);
    const L wert = Lang80(exponent < 0 ? Lang{static_cast<L>(ziffern)} / skala
                                       : Lang{static_cast<L>(ziffern)} * skala);
    return text[0] == '-' ? -wert : wert;
}

Stand Anfang(const Anfangsstand& anfang) {
    Stand stand;
    for (std::size_t f = 0; f < 6; ++f) {
        stand.Bekannt[f] = anfang.Werte[f].has_value();
        stand.Wert[f] = anfang.Werte[f].value_or(0);
    }
    return stand;
}

std::optional<L> Taschenrechner::Rechne(const Stand& stand, const Schritt& schritt) const {
    const std::size_t i = schritt.Feld % 3;
    const std::size_t j = (i + 1) % 3;
    const std::size_t k = (i + 2) % 3;
    const auto hat = [&](std::initializer_list<std::size_t> felder) {
        for (const std::size_t f : felder) {
            if (!stand.Bekannt[f]) {
                return false;
            }
        }
        return true;
    };
    const bool seite = schritt.Feld < 3;
    const std::size_t p = schritt.Paar;
    L wert = 0;
    switch (schritt.Weg) {
    case Gesetz::Winkelsumme:
        if (seite || !hat({3 + j, 3 + k})) {
            return std::nullopt;
        }
        wert = Lang80(Lang{180} - Lang{stand.Wert[3 + j]} - Lang{stand.Wert[3 + k]});
        break;
    case Gesetz::Cosinussatz:
        if (seite && hat({j, k, 3 + i})) {
            const Lang y = stand.Wert[j];
            const Lang z = stand.Wert[k];
            const L quadrat =
                Zwischen(Lang80(y * y + z * z - Lang{2} * y * z * Lang{Cos(stand.Wert[3 + i])}));
            if (!(quadrat >= 0)) {
                return std::nullopt;
            }
            using std::sqrt; // Lang's own where it is a class
            wert = Lang80(sqrt(Lang{quadrat}));
        } else if (!seite && hat({0, 1, 2})) {
            const Lang x = stand.Wert[i];
            const Lang y = stand.Wert[j];
            const Lang z = stand.Wert[k];
            const L cosinus = Zwischen(Lang80((y * y + z * z - x * x) / (Lang{2} * y * z)));
            if (!(std::abs(cosinus) <= 1)) {
                return std::nullopt;
            }
            wert = ArcCos(cosinus);
        } else {
            return std::nullopt;
        }
        break;
    case Gesetz::Sinussatz:
        if (p == i) {
            return std::nullopt;
        }
        if (seite && hat({p, 3 + p, 3 + i})) {
            wert = Lang80(Lang{stand.Wert[p]} * Lang{Sin(stand.Wert[3 + i])} /
                          Lang{Sin(stand.Wert[3 + p])});
        } else if (!seite && hat({i, p, 3 + p})) {
            const L sinus = Zwischen(
                Lang80(Lang{stand.Wert[i]} * Lang{Sin(stand.Wert[3 + p])} / Lang{stand.Wert[p]}));
            if (!(std::abs(sinus) <= 1)) {
                return std::nullopt;
            }
            const L spitz = ArcSin(sinus);
            // The pupil keys in 180 − sin⁻¹(…) whatever mode the calculator is in.
            wert = schritt.Stumpf ? Lang80(Lang{180} - Lang{spitz}) : spitz;
        } else {
            return std::nullopt;
        }
        break;
    }
    if (!std::isfinite(wert)) {
        return std::nullopt;
    }
    return wert;
}

} // namespace kalotri::routen::intern
