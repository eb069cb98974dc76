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

} // namespace kalotri
