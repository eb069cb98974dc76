// SPDX-License-Identifier: GPL-3.0-or-later
#include "sichtbar.h"

#include <algorithm>

namespace kalotri {

namespace {

void HaengeCodeAn(std::string& ziel, const char* vorsatz, unsigned char c) {
    constexpr const char* Hex = "0123456789ABCDEF";
    ziel += vorsatz;
    ziel += Hex[c >> 4];
    ziel += Hex[c & 0xF];
}

// Length of the well-formed UTF-8 sequence starting at i, or 0 (a stray byte).
std::size_t SequenzLaenge(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t laenge = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (laenge == 0 || c > 0xF4 || i + laenge > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < laenge; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return laenge;
}

} // namespace

void HaengeSichtbarAn(std::string& ziel, std::string_view text) {
    // Most texts hold neither controls nor anything beyond ASCII.
    const bool harmlos = std::none_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b >= 0x7F;
    });
    if (harmlos) {
        ziel.append(text);
        return;
    }
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F) {
                HaengeCodeAn(ziel, "\\x", c);
            } else {
                ziel += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        const std::size_t laenge = SequenzLaenge(text, i);
        if (laenge == 0) {
            // A stray byte: 0x80 to 0x9F would be a C1 control to an 8-bit terminal.
            if (c <= 0x9F) {
                HaengeCodeAn(ziel, "\\x", c);
            } else {
                ziel += static_cast<char>(c);
            }
            ++i;
        } else if (laenge == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            HaengeCodeAn(ziel, "\\u00", static_cast<unsigned char>(text[i + 1]));
            i += 2;
        } else {
            ziel.append(text, i, laenge);
            i += laenge;
        }
    }
}

} // namespace kalotri
