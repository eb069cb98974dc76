#pragma once

namespace kalotri {

// The program's own angle helpers: computed with a 64-bit mantissa, rounded to double
// once on return. The inverse functions use the arctangent form; out-of-range arguments
// fault as invalid operations (KalotriFehler).
double ArcSinus(double x);
double ArcCosinus(double x);
double GradZuBogen(double x);
double BogenZuGrad(double x);

} // namespace kalotri
