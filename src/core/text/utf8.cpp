// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf8.h"

#include <algorithm>
#include <cstdint>

namespace kalotri::rechne {

namespace {

// The length of the well-formed sequence at i, or of its longest ill-formed start (at
// least 1) with `gueltig` false. Byte ranges as in the Unicode standard's table of
// well-formed UTF-8.
std::size_t Sequenz(std::string_view text, std::size_t i, bool& gueltig) {
    const auto c = static_cast<unsigned char>(text[i]);
    gueltig = true;
    if (c < 0x80) {
        return 1;
    }
    std::size_t laenge = 0;
    unsigned char zweitesMin = 0x80;
    unsigned char zweitesMax = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        laenge = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        laenge = 3;
        zweitesMin = c == 0xE0 ? 0xA0 : 0x80;
        zweitesMax = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        laenge = 4;
        zweitesMin = c == 0xF0 ? 0x90 : 0x80;
        zweitesMax = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        gueltig = false;
        return 1;
    }
    for (std::size_t k = 1; k < laenge; ++k) {
        const auto b =
            i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : std::uint8_t{0};
        const bool passt = k == 1 ? b >= zweitesMin && b <= zweitesMax : b >= 0x80 && b <= 0xBF;
        if (i + k >= text.size() || !passt) {
            gueltig = false;
            return k;
        }
    }
    return laenge;
}

} // namespace

std::string_view GueltigesUtf8(std::string_view text, std::string& ersatz) {
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
        return text;
    }
    ersatz.clear();
    bool repariert = false;
    for (std::size_t i = 0; i < text.size();) {
        bool gueltig = true;
        const std::size_t laenge = Sequenz(text, i, gueltig);
        if (gueltig) {
            ersatz.append(text, i, laenge);
        } else {
            ersatz += "\xEF\xBF\xBD";
            repariert = true;
        }
        i += laenge;
    }
    return repariert ? std::string_view(ersatz) : text;
}

} // namespace kalotri::rechne
