// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kalotri {

// How numbers are written: the mask (RundFormat) and the locale's decimal separator.
struct Zahlformat {
    std::string Maske = "0.000";
    std::string Trennzeichen = ",";
};

// Longest mask the fixed form accepts.
inline constexpr std::size_t MaskeMaxLaenge = 224;

// Fixed form: mask "0." followed by N times "0"; N decimals, ties away from zero on the
// 18-digit expansion. Throws KalotriFehler(Code::FormatZuLang) for masks over 224 chars.
// The separator is UTF-8 text (normally "," or ".").
std::string FesteForm(double x, std::string_view maske, std::string_view trennzeichen);

// The shortest decimal text that reads back as the same double ("0.1", "3", "1e+20"),
// with a decimal point whatever the locale: for programs that read numbers, not people.
std::string RundreiseForm(double x);

// General form: shortest text with up to 15 significant digits.
std::string AllgemeineForm(double x, std::string_view trennzeichen);

} // namespace kalotri
