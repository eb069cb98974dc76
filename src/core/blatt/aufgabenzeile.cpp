// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufgabenzeile.h"

namespace kalotri {

Aufgabenzeile AusFeldern(const std::array<std::string, 12>& felder, std::size_t anzahl) {
    // Letters only come as a complete set: with 7 to 11 fields it is unclear whether the
    // user meant letters at all, so the line is refused rather than guessed at.
    if (anzahl > 6 && anzahl != 12) {
        return std::to_string(anzahl) + " Felder in der Zeile; erlaubt sind bis zu 6 oder genau 12";
    }
    Eingabe eingabe;
    for (std::size_t i = 0; i < anzahl && i < 6; ++i) {
        eingabe.Texte[i] = felder[i];
    }
    if (anzahl == 12) {
        for (std::size_t i = 0; i < 6; ++i) {
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
