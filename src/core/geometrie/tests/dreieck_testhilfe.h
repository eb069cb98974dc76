// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dreieck.h"

#include <cmath>

namespace kalotri {

inline constexpr long double Grad = 3.14159265358979323846264338327950288L / 180;

// The triangle with side a and the angles alpha and beta, by the law of sines.
inline Dreieck AusWinkeln(long double a, long double alpha, long double beta) {
    const long double gamma = 180 - alpha - beta;
    const long double k = a / std::sin(alpha * Grad);
    return {{a, k * std::sin(beta * Grad), k * std::sin(gamma * Grad)}, {alpha, beta, gamma}};
}

} // namespace kalotri
