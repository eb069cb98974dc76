// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Checked floating-point steps. The engine never relies on FPU flags: every operation
// that can fault is done through one of these, which throw KalotriFehler with the
// program's German text.
#ifdef KALOTRI_MANTISSE64
#include "lang64.h"
#endif

namespace kalotri {

#ifdef KALOTRI_MANTISSE64
using Lang = Lang64; // IEEE quad rounded to the x87's mantissa after every step
#else
using Lang = long double; // 64-bit mantissa, as the calculation demands
#endif

// The x87's machine epsilon (2^-63): error bounds use it also where long double is wider,
// since Lang rounds to that mantissa and both platforms must choose the same digits.
inline constexpr long double LangEpsilon = 0x1p-63L;

// Back from Lang. The steps and the judge compute as the native program's long double
// does, also where long double is wider (WebAssembly): each operation through Lang, rounded
// to the x87's 64-bit mantissa, so that the page shows the native tool's digits, takes its
// branches and gives its marks.
inline long double Lang80(Lang x) {
    return static_cast<long double>(x);
}

// 10^n as the x87's powl gives it. Where long double is quad the C library's powl works in
// double, which misses 10^-n by far more than the 64-bit mantissa allows.
long double Zehnerpotenz(int n);

// Square root; a negative argument is an invalid operation.
Lang Wurzel(Lang x);
// Quotient; x/0 with x != 0 is a division by zero, 0/0 an invalid operation.
Lang Teile(Lang zaehler, Lang nenner);
// Rounds to double where a value is stored; a finite value beyond double overflows.
double Speichere(Lang x);

} // namespace kalotri
