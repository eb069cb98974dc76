// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gleitkomma.h"

namespace kalotri {

// The program's own angle helpers: computed with a 64-bit mantissa, rounded to double
// once on return. The inverse functions use the arctangent form; out-of-range arguments
// fault as invalid operations (KalotriFehler).
double ArcSinus(double x);
double ArcCosinus(double x);
double GradZuBogen(double x);
double BogenZuGrad(double x);

// Sine and cosine of an angle in degrees, as the solvers use them: the platform's
// functions, in extended precision, of GradZuBogen(grad).
Lang SinusGrad(double grad);
Lang KosinusGrad(double grad);

// One degree in radians at full long double precision, for the geometry around the
// calculation (figures, derived quantities, the generator). The calculation itself
// converts with the 64-bit π of GradZuBogen on purpose: its results must not change.
// Plain long double here and below, also where Lang stands in for the x87's arithmetic.
inline constexpr long double EinGrad = 3.14159265358979323846264338327950288L / 180;

// The law-of-cosines angle opposite `gegenueber`, in degrees, for the geometry around the
// calculation; a cosine pushed past ±1 by rounding is pulled back.
long double WinkelAusSeiten(long double gegenueber, long double s, long double t);

// Degrees; an angle this close to 0 is flat: far below what the fixed form can show, far
// above the rounding of a flat solution.
inline constexpr double FlachToleranz = 1e-9;

} // namespace kalotri
