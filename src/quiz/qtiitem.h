// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "moodlefrage.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kalotri::blatt {

// A gap for a number. Its right value and each interval it accepts, as tolerances below
// and above the right value; all as decimals with a point, exactly as written.
struct QtiZahl {
    std::string Richtig;
    std::vector<std::pair<std::string, std::string>> Toleranzen;
    // Numbers inside those intervals that earn nothing all the same (one decimal fewer
    // where no route gives it), each a value and a tolerance either side; they decide
    // first.
    std::vector<std::pair<std::string, std::string>> Ausnahmen;
    int Zeichen = 8; // the width of the box, in characters
};

// A drop-down of choices in the order given, one of them right.
struct QtiWahl {
    std::vector<std::string> Wahl;
    std::size_t Richtig = 0;
};

// A piece of the item's body in reading order: XHTML of the QTI namespace, valid once all
// pieces are joined, then the gap that follows it, if any.
struct QtiStueck {
    std::string Xhtml;
    std::optional<QtiZahl> Zahl;
    std::optional<QtiWahl> Wahl;
};

// One exercise as an assessment item. Kennung is its identifier and file stem: plain
// ASCII, a letter first, unique in the package.
struct QtiFrage {
    std::string Kennung;
    std::string Titel;
    std::vector<QtiStueck> Koerper;
    std::string Loesung;           // XHTML: the worked steps, shown after the answer
    std::vector<Bilddatei> Bilder; // each referred to by its name from the same folder
};

// The item as QTI 2.1 XML: a float text entry for each number, the count of triangles as
// an inline choice, each gap scored on its own (SCORE_RESPONSE_n) and summed into SCORE.
// A number is right inside any interval it accepts, each an <equal> with absolute
// tolerances around <correct> as its first operand, which is where engines centre them;
// an exception inside them is an <equal> around its own value, checked before.
std::string QtiItemXml(const QtiFrage& frage);

// Text as XML character data or attribute value: XML 1.0 characters only, & < > " as
// entities.
std::string QtiText(std::string_view text);

// Titles cut with "…" where platforms store fewer characters.
std::string QtiTitel(const std::string& titel);

} // namespace kalotri::blatt
