// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf8.h"

#include <algorithm>

namespace kalotri {

Utf8Stueck LiesUtf8(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
        return {1, true, c};
    }
    std::size_t laenge = 0;
    unsigned char zweitesMin = 0x80;
    unsigned char zweitesMax = 0xBF;
    char32_t zeichen = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        laenge = 2;
        zeichen = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        laenge = 3;
        zeichen = c & 0x0F;
        zweitesMin = c == 0xE0 ? 0xA0 : 0x80;
        zweitesMax = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        laenge = 4;
        zeichen = c & 0x07;
        zweitesMin = c == 0xF0 ? 0x90 : 0x80;
        zweitesMax = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {1, false, 0};
    }
    for (std::size_t k = 1; k < laenge; ++k) {
        if (i + k >= text.size()) {
            return {k, false, 0};
        }
        const auto b = static_cast<unsigned char>(text[i + k]);
        const bool passt = k == 1 ? b >= zweitesMin && b <= zweitesMax : b >= 0x80 && b <= 0xBF;
        if (!passt) {
            return {k, false, 0};
        }
        zeichen = (zeichen << 6) | (b & 0x3F);
    }
    return {laenge, true, zeichen};
}

std::size_t Utf8Laenge(std::string_view text, std::size_t i) {
    const Utf8Stueck s = LiesUtf8(text, i);
    return s.Gueltig ? s.Laenge : 0;
}

std::string_view GueltigesUtf8(std::string_view text, std::string& ersatz) {
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
        return text;
    }
    ersatz.clear();
    bool repariert = false;
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Stueck s = LiesUtf8(text, i);
        if (s.Gueltig) {
            ersatz.append(text, i, s.Laenge);
        } else {
            ersatz += "\xEF\xBF\xBD";
            repariert = true;
        }
        i += s.Laenge;
    }
    return repariert ? std::string_view(ersatz) : text;
}

} // namespace kalotri
