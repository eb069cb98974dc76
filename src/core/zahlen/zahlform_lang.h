// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kalotri {

// The fixed form of FesteForm for a long double, for quantities the program works out
// beyond the Script: all its 64 bits reach the digits, and magnitudes past double's range
// (an area of sides near 10^300) are written instead of overflowing. N decimals, ties away
// from zero; from 10^18 on the general form with 15 significant digits ("4,33E599").
// Throws KalotriFehler(Code::FormatZuLang) for masks over MaskeMaxLaenge characters.
std::string FesteFormLang(long double x, std::string_view maske, std::string_view trennzeichen);

// Scientific with up to 15 significant digits ("4,33E-599"), for a long double of any size.
std::string WissenschaftlichLang(long double x, std::string_view trennzeichen);

} // namespace kalotri
