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

} // namespace kalotri
