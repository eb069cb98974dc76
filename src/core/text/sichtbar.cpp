// SPDX-License-Identifier: GPL-3.0-or-later
#include "sichtbar.h"

#include "utf8.h"

#include <algorithm>
#include <cstdio>

namespace kalotri {

namespace {

void HaengeCodeAn(std::string& ziel, const char* vorsatz, unsigned char c) {
    constexpr const char* Hex = "0123456789ABCDEF";
    ziel += vorsatz;
    ziel += Hex[c >> 4];
    ziel += Hex[c & 0xF];
}

unsigned char Byte(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
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
        const unsigned char c = Byte(text, i);
        const std::size_t laenge = Utf8Laenge(text, i);
        if (laenge == 0 || c < 0x20 || c == 0x7F) {
            HaengeCodeAn(ziel, "\\x", c);
            ++i;
        } else if (laenge == 2 && c == 0xC2 && Byte(text, i + 1) <= 0x9F) {
            HaengeCodeAn(ziel, "\\u00", Byte(text, i + 1));
            i += 2;
        } else {
            ziel.append(text, i, laenge);
            i += laenge;
        }
    }
}

std::string Sichtbar(std::string_view text) {
    std::string ergebnis;
    HaengeSichtbarAn(ergebnis, text);
    return ergebnis;
}

void Melde(std::string_view programm, std::string_view text) {
    std::string zeile(programm);
    zeile += ": ";
    HaengeSichtbarAn(zeile, text);
    zeile += '\n';
    std::fputs(zeile.c_str(), stderr);
}

std::string KuerzeText(const std::string& text, std::size_t hoechstens) {
    if (text.size() <= hoechstens) {
        return text;
    }
    std::size_t ende = hoechstens;
    while (ende > 0 && (static_cast<unsigned char>(text[ende]) & 0xC0) == 0x80) {
        --ende;
    }
    return text.substr(0, ende) + "…";
}

} // namespace kalotri
