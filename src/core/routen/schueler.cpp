// SPDX-License-Identifier: GPL-3.0-or-later
#include "schueler.h"

#include "zahlform.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

namespace kalotri::routen::intern {

namespace {

constexpr L Grad = std::numbers::pi_v<L> / 180;

} // namespace

L Taschenrechner::Zwischen(L x) const {
    return gewohnheit_.RundetZwischen ? RundeAuf(x, rundung_.Zwischen) : x;
}

// In radian mode the keys read the degrees as radians and the arc functions answer in
// radians, which the pupil then writes down as degrees.
L Taschenrechner::Sin(L winkel) const {
    return Zwischen(std::sin(gewohnheit_.Bogenmass ? winkel : winkel * Grad));
}

L Taschenrechner::Cos(L winkel) const {
    return Zwischen(std::cos(gewohnheit_.Bogenmass ? winkel : winkel * Grad));
}

L Taschenrechner::ArcSin(L x) const {
    const L bogen = std::asin(x);
    return gewohnheit_.Bogenmass ? bogen : bogen / Grad;
}

L Taschenrechner::ArcCos(L x) const {
    const L bogen = std::acos(x);
    return gewohnheit_.Bogenmass ? bogen : bogen / Grad;
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
    const L skala = std::pow(10.0L, static_cast<L>(exponent < 0 ? -exponent : exponent));
    const L wert = exponent < 0 ? static_cast<L>(ziffern) / skala : static_cast<L>(ziffern) * skala;
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
        wert = 180 - stand.Wert[3 + j] - stand.Wert[3 + k];
        break;
    case Gesetz::Cosinussatz:
        if (seite && hat({j, k, 3 + i})) {
            const L y = stand.Wert[j];
            const L z = stand.Wert[k];
            const L quadrat = Zwischen(y * y + z * z - 2 * y * z * Cos(stand.Wert[3 + i]));
            if (!(quadrat >= 0)) {
                return std::nullopt;
            }
            wert = std::sqrt(quadrat);
        } else if (!seite && hat({0, 1, 2})) {
            const L x = stand.Wert[i];
            const L y = stand.Wert[j];
            const L z = stand.Wert[k];
            const L cosinus = Zwischen((y * y + z * z - x * x) / (2 * y * z));
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
            wert = stand.Wert[p] * Sin(stand.Wert[3 + i]) / Sin(stand.Wert[3 + p]);
        } else if (!seite && hat({i, p, 3 + p})) {
            const L sinus = Zwischen(stand.Wert[i] * Sin(stand.Wert[3 + p]) / stand.Wert[p]);
            if (!(std::abs(sinus) <= 1)) {
                return std::nullopt;
            }
            const L spitz = ArcSin(sinus);
            // The pupil keys in 180 − sin⁻¹(…) whatever mode the calculator is in.
            wert = schritt.Stumpf ? 180 - spitz : spitz;
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
