// SPDX-License-Identifier: GPL-3.0-or-later
#include "schueler.h"

#include <cmath>
#include <numbers>

namespace kalotri::routen::intern {

namespace {

constexpr L Grad = std::numbers::pi_v<L> / 180;

} // namespace

L Taschenrechner::Wert(const Stand& stand, std::size_t feld) const {
    return gewohnheit_.NimmtNotiertes && !stand.Gegeben[feld] ? stand.Notiert[feld]
                                                              : stand.Gehalten[feld];
}

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
        wert = 180 - Wert(stand, 3 + j) - Wert(stand, 3 + k);
        break;
    case Gesetz::Cosinussatz:
        if (seite && hat({j, k, 3 + i})) {
            const L y = Wert(stand, j);
            const L z = Wert(stand, k);
            const L quadrat = Zwischen(y * y + z * z - 2 * y * z * Cos(Wert(stand, 3 + i)));
            if (!(quadrat >= 0)) {
                return std::nullopt;
            }
            wert = std::sqrt(quadrat);
        } else if (!seite && hat({0, 1, 2})) {
            const L x = Wert(stand, i);
            const L y = Wert(stand, j);
            const L z = Wert(stand, k);
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
            wert = Wert(stand, p) * Sin(Wert(stand, 3 + i)) / Sin(Wert(stand, 3 + p));
        } else if (!seite && hat({i, p, 3 + p})) {
            const L sinus = Zwischen(Wert(stand, i) * Sin(Wert(stand, 3 + p)) / Wert(stand, p));
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
