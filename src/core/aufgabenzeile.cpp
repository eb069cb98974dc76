// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufgabenzeile.h"

#include <vector>

namespace kalotri {

Aufgabenzeile ZerlegeZeile(std::string_view zeile) {
    if (!zeile.empty() && zeile.back() == '\r') {
        zeile.remove_suffix(1);
    }

    std::vector<std::string_view> felder;
    for (;;) {
        const auto tab = zeile.find('\t');
        felder.push_back(zeile.substr(0, tab));
        if (tab == std::string_view::npos) {
            break;
        }
        zeile.remove_prefix(tab + 1);
    }

    // Letters only come as a complete set: with 7 to 11 fields it is unclear whether the
    // user meant letters at all, so the line is refused rather than guessed at.
    if (felder.size() > 6 && felder.size() != 12) {
        return std::to_string(felder.size()) +
               " Felder in der Zeile; erlaubt sind bis zu 6 oder genau 12";
    }

    Eingabe eingabe;
    for (std::size_t i = 0; i < felder.size() && i < 6; ++i) {
        eingabe.Texte[i] = std::string(felder[i]);
    }
    if (felder.size() == 12) {
        for (std::size_t i = 0; i < 6; ++i) {
            eingabe.Buchstaben[i] = std::string(felder[6 + i]);
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
