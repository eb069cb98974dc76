// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ergebnisdatei.h"

#include <string>
#include <vector>

namespace kalotri::ergebnis {

// The class's results as one table: a row per pupil (name, code, date, points per
// exercise, sum, maximum, percent, hints), then a row per exercise across the class. The
// spreadsheet file and the printed overview are two renderings of it.
struct Klassentabelle {
    std::vector<std::string> Kopf;
    std::vector<std::vector<std::string>> Schueler;
    std::vector<std::string> Klasse; // points of all pupils per exercise, in percent
    std::size_t Aufgaben = 0;        // columns of exercises after name, code, date
};

Klassentabelle ErstelleKlassentabelle(const std::vector<Ergebnis>& ergebnisse);

// Semicolons and decimal commas, as a German spreadsheet opens them; UTF-8 with its mark
// so that umlauts survive. A cell that a spreadsheet would take for a formula is quoted
// with an apostrophe: a name is only ever text.
std::string AlsCsv(const Klassentabelle& t);

} // namespace kalotri::ergebnis
