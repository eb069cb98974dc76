// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kalotri {

// The one UTF-8 reader of every output. Boxes, letters and files are passed through as
// typed, so ill-formed UTF-8 reaches the Script; each output repairs it by one policy: a
// well-formed character stays, each maximal ill-formed part (as Unicode defines it) is
// one piece, which JSON and XML replace by one U+FFFD and a terminal sees byte by byte
// as "\xNN" (see HaengeSichtbarAn).
struct Utf8Stueck {
    std::size_t Laenge = 1; // at least 1
    bool Gueltig = true;
    char32_t Zeichen = 0; // the code point, where valid
};

// The piece at text[i] (i < text.size()). The second byte's range rules out overlong
// forms (E0, F0), surrogates (ED) and anything beyond U+10FFFF (F4).
Utf8Stueck LiesUtf8(std::string_view text, std::size_t i);

// Length of the well-formed sequence at text[i] (1 to 4), or 0 where the bytes there are
// not one.
std::size_t Utf8Laenge(std::string_view text, std::size_t i);

// The text itself when it is valid, which it nearly always is; otherwise the repaired
// copy, kept in `ersatz`.
std::string_view GueltigesUtf8(std::string_view text, std::string& ersatz);

} // namespace kalotri
