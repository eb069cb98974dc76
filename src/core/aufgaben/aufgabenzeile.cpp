// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufgabenzeile.h"

#include "pruef.h"
#include "sichtbar.h"

#include <algorithm>

namespace kalotri {

namespace {

constexpr std::array<const char*, 6> Groessen = {"a", "b", "c", "α", "β", "γ"};

// Enough of a box text to find the slip in it; an unreadable text of a thousand digits
// need not be shown whole.
constexpr std::size_t ZitatMax = 60;

} // namespace

std::string FeldName(Feld feld) {
    const auto i = static_cast<std::size_t>(feld);
    return "Feld " + std::to_string(i + 1) + " (" + Groessen[i] + ")";
}

std::string FeldMitText(const Eingabe& eingabe, Feld feld) {
    const std::string& text = eingabe.Texte[static_cast<std::size_t>(feld)];
    std::size_t ende = std::min(text.size(), ZitatMax);
    while (ende < text.size() && ende > 0 &&
           (static_cast<unsigned char>(text[ende]) & 0xC0) == 0x80) {
        --ende;
    }
    std::string zitat = FeldName(feld) + ": \"";
    HaengeSichtbarAn(zitat, std::string_view(text).substr(0, ende));
    return zitat + (ende < text.size() ? "…\"" : "\"");
}

Aufgabenzeile AusFeldern(const std::array<std::string, 12>& felder, std::size_t anzahl) {
    // Letters only come as a complete set: with 7 to 11 fields it is unclear whether the
    // user meant letters at all, so the line is refused rather than guessed at.
    if (anzahl > 6 && anzahl != 12) {
        return std::to_string(anzahl) + " Felder in der Zeile; erlaubt sind bis zu 6 oder genau 12";
    }
    Eingabe eingabe;
    for (std::size_t i = 0; i < anzahl && i < 6; ++i) {
        // Longer than any box holds: the reader cut it, so its end is unknown.
        if (felder[i].size() > MaxTextLaenge) {
            return "ein Feld ist länger als " + std::to_string(MaxTextLaenge) + " Bytes";
        }
        eingabe.Texte[i] = felder[i];
    }
    if (anzahl == 12) {
        for (std::size_t i = 0; i < 6; ++i) {
            if (felder[6 + i].size() > BuchstabeMax) {
                return "Feld " + std::to_string(7 + i) + " (Buchstabe von " + Groessen[i] +
                       ") ist länger als " + std::to_string(BuchstabeMax) + " Bytes";
            }
            eingabe.Buchstaben[i] = felder[6 + i];
        }
    }
    return eingabe;
}

std::string_view OhneBom(std::string_view ersteZeile) {
    if (ersteZeile.substr(0, 3) == "\xEF\xBB\xBF") {
        ersteZeile.remove_prefix(3);
    }
    return ersteZeile;
}

} // namespace kalotri
