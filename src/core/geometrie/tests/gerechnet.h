// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "groessen.h"
#include "loesung.h"
#include "rechner_testhilfe.h"

#include <cstdio>
#include <string>

namespace kalotri {

inline constexpr long double Grad = 3.14159265358979323846264338327950288L / 180;

// Triangle `nummer` of the exercise as a sheet gets it: calculated, then its quantities
// worked out again from the given values.
inline Groessen Gerechnet(const Eingabe& eingabe, std::size_t nummer = 0) {
    return BerechneGroessen(Berechne(eingabe), eingabe, nummer);
}

inline std::string Getippt(long double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.18Lg", x);
    return text;
}

// The triangle with side a and the angles alpha and beta (an SWW exercise).
inline Groessen AusWinkeln(long double a, long double alpha, long double beta) {
    return Gerechnet(test::Boxen(
        {{Feld::A, Getippt(a)}, {Feld::Alpha, Getippt(alpha)}, {Feld::Beta, Getippt(beta)}}));
}

} // namespace kalotri
