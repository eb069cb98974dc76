// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kalotri::rechne {

// Boxes and letters are passed through as typed, so invalid UTF-8 can reach the Script.
// For JSON it is made valid: each maximal ill-formed part (as Unicode defines it) becomes
// one U+FFFD. Returns the text itself when it is valid, which it nearly always is;
// otherwise the repaired copy, kept in `ersatz`.
std::string_view GueltigesUtf8(std::string_view text, std::string& ersatz);

} // namespace kalotri::rechne
