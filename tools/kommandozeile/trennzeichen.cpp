// SPDX-License-Identifier: GPL-3.0-or-later
#include "kommandozeile.h"
#include "sichtbar.h"
#include "utf8.h"

#include <locale.h>
#include <wctype.h>

namespace kalotri {

namespace {

struct Bereich {
    char32_t Von, Bis;
};

// What the C library's classes leave out: spaces that do not break (it counts them as
// punctuation), characters that take no room or only steer the text's direction, and marks
// that join the character before them, so that "6" and the mark read as one digit.
constexpr Bereich Unsichtbar[] = {
    {0x00A0, 0x00A0}, {0x00AD, 0x00AD}, {0x0300, 0x036F}, {0x061C, 0x061C}, {0x115F, 0x1160},
    {0x180B, 0x180F}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x2000, 0x200F}, {0x2028, 0x202F},
    {0x205F, 0x206F}, {0x20D0, 0x20FF}, {0x3000, 0x3000}, {0x3164, 0x3164}, {0xFE00, 0xFE0F},
    {0xFE20, 0xFE2F}, {0xFEFF, 0xFEFF}, {0xFFA0, 0xFFA0}, {0xFFF9, 0xFFFB}, {0xE0000, 0xE0FFF},
};

// Signs a number might be written with besides "+" and "-".
constexpr char32_t Vorzeichen[] = {U'+',   U'-',   0x2212, 0x2796, 0x2795, 0x207A, 0x207B,
                                   0x208A, 0x208B, 0xFE62, 0xFE63, 0xFF0B, 0xFF0D};

bool In(char32_t z, const auto& bereiche) {
    for (const Bereich& b : bereiche) {
        if (z >= b.Von && z <= b.Bis) {
            return true;
        }
    }
    return false;
}

bool IstVorzeichen(char32_t z) {
    for (const char32_t v : Vorzeichen) {
        if (z == v) {
            return true;
        }
    }
    return false;
}

// The C library's character classes for all of Unicode, whatever locale the program runs
// in (kalotri-rechne keeps "C" for the engine).
locale_t UnicodeKlassen() {
    static const locale_t klassen = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    return klassen;
}

bool Taugt(char32_t z) {
    if (z < 0x80) {
        // Digits, letters ("e" and "E" among them), blanks and controls would all be read
        // as part of the number or not be seen.
        const auto c = static_cast<unsigned char>(z);
        return c > 0x20 && c < 0x7F && !(c >= '0' && c <= '9') &&
               !((c | 0x20) >= 'a' && (c | 0x20) <= 'z') && c != '+' && c != '-';
    }
    if (z <= 0x9F || In(z, Unsichtbar) || IstVorzeichen(z)) {
        return false;
    }
    const locale_t klassen = UnicodeKlassen();
    if (klassen == locale_t{}) {
        // Without Unicode classes only what is known to be harmless.
        return false;
    }
    const auto w = static_cast<wint_t>(z);
    // glibc counts the digits of other scripts as letters.
    return iswgraph_l(w, klassen) && !iswalpha_l(w, klassen) && !iswdigit_l(w, klassen) &&
           !iswspace_l(w, klassen);
}

} // namespace

std::optional<std::string> TrennzeichenFehler(std::string_view text) {
    // Without a separator "3,000" would read as three thousand.
    if (text.empty()) {
        return "Das Dezimaltrennzeichen darf nicht leer sein";
    }
    const Utf8Stueck stueck = LiesUtf8(text, 0);
    const std::size_t laenge = stueck.Gueltig ? stueck.Laenge : 0;
    if (laenge != text.size()) {
        return "Das Dezimaltrennzeichen muss genau ein Zeichen sein, nicht '" + Sichtbar(text) +
               "'";
    }
    if (!Taugt(stueck.Zeichen)) {
        return "Das Dezimaltrennzeichen darf keine Ziffer, kein Vorzeichen, kein Buchstabe und "
               "kein Leerzeichen sein und muss sichtbar sein, nicht '" +
               Sichtbar(text) + "'";
    }
    return std::nullopt;
}

} // namespace kalotri
