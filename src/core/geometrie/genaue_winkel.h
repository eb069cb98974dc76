// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dezimal.h"

#include <cmath>
#include <optional>

namespace kalotri {

// An angle of a triangle by its sine and cosine, each to the last bit of long double even
// where the angle is within a hair of 0°, 90° or 180°.
struct GenauerWinkel {
    long double Grad = 0;
    long double Sin = 0;
    long double Cos = 1;
};

namespace genau {

inline constexpr long double ProGrad = 3.14159265358979323846264338327950288L / 180;

// sin and cos of 0° to 45°, then by symmetry; 90 − w and 180 − w are exact here because the
// operands are within a factor of two of each other.
inline GenauerWinkel AusLang(long double w) {
    const bool stumpf = w > 90;
    const long double r = stumpf ? 180 - w : w;
    GenauerWinkel g{w, 0, 0};
    if (r > 45) {
        g.Sin = std::cos((90 - r) * ProGrad);
        g.Cos = std::sin((90 - r) * ProGrad);
    } else {
        g.Sin = std::sin(r * ProGrad);
        g.Cos = std::cos(r * ProGrad);
    }
    g.Cos = stumpf ? -g.Cos : g.Cos;
    return g;
}

// A typed angle: 180 − w and 90 − w taken in decimal, so 179.99999999 keeps all digits of
// its supplement, which its long double would not.
inline GenauerWinkel AusDezimal(const Dezimal& w) {
    const long double wert = w.Wert();
    const bool stumpf = wert > 90;
    const std::optional<Dezimal> rest = stumpf ? Differenz({180, 0}, w) : w;
    if (!rest) {
        return AusLang(wert);
    }
    GenauerWinkel g{wert, 0, 0};
    const std::optional<Dezimal> komplement =
        rest->Wert() > 45 ? Differenz({90, 0}, *rest) : std::nullopt;
    if (komplement) {
        g.Sin = std::cos(komplement->Wert() * ProGrad);
        g.Cos = std::sin(komplement->Wert() * ProGrad);
    } else {
        g.Sin = std::sin(rest->Wert() * ProGrad);
        g.Cos = std::cos(rest->Wert() * ProGrad);
    }
    g.Cos = stumpf ? -g.Cos : g.Cos;
    return g;
}

// The third angle, 180° minus the other two: exactly in decimal where both are decimals,
// else by the addition theorem, which keeps a tiny third angle that 180 − x − y would lose.
inline GenauerWinkel Rest(const GenauerWinkel& x, const GenauerWinkel& y,
                          const std::optional<Dezimal>& dx, const std::optional<Dezimal>& dy) {
    if (dx && dy) {
        if (const auto halb = Differenz({180, 0}, *dx)) {
            if (const auto rest = Differenz(*halb, *dy)) {
                return AusDezimal(*rest);
            }
        }
    }
    return {180 - x.Grad - y.Grad, x.Sin * y.Cos + x.Cos * y.Sin, x.Sin * y.Sin - x.Cos * y.Cos};
}

} // namespace genau
} // namespace kalotri
