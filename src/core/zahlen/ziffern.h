// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Digit-string steps shared by the fixed forms of double and long double.

#include <string>
#include <string_view>

namespace kalotri {

// Adds one to a decimal digit string; the carry may lengthen it.
void ZaehleHoch(std::string& ziffern);

// The number of decimals of a mask "0." + N × "0". Other masks are never built by the
// program; counting the zeros after the first point at least does no harm with them.
int DezimalenAusMaske(std::string_view maske);

// The fixed form's one rounding: |x| = d1.d2d3... × 10^exponent, given as all the digits
// the type carries (18 for a double, 19 for a long double, the first not 0; empty for 0),
// written with n decimals, rounded half up on the first digit dropped, zeros beyond the
// digits carried. A minus sign only where a digit other than 0 remains.
std::string FestGerundet(std::string_view ziffern, int exponent, bool negativ, int n,
                         std::string_view trennzeichen);

} // namespace kalotri
