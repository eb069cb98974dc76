// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace kalotri {

// A solved triangle as the calculation found it: the sides a, b, c and the angles
// alpha, beta, gamma opposite them, in degrees. Index i of both arrays belongs together.
struct Dreieck {
    std::array<long double, 3> Seiten{};
    std::array<long double, 3> Winkel{};
};

// An angle this close to 0 degrees makes the triangle flat: far below what any number
// form shows, far above the rounding of a flat solution.
inline constexpr long double FlachGrad = 1e-9L;

// True for a triangle with an angle of (nearly) 0: its corners lie on one line.
inline bool IstFlach(const Dreieck& d) {
    for (const long double w : d.Winkel) {
        if (w <= FlachGrad) {
            return true;
        }
    }
    return false;
}

} // namespace kalotri
