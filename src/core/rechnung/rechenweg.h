// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "loesung.h"
#include "zahlform.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kalotri {

enum class SchrittArt {
    Hinweis,      // a note, or how the calculation ended ("Kein Dreieck!"): Text
    Ueberschrift, // "Gegeben: …", the type, "1. Lösung:", "Keine Lösung": Text
    Rechnung,     // one value: Formel, Einsetzung, Ergebnis
    Begruendung,  // why the calculation goes on as it does, one sentence: Text
};

// One step of the worked solution (Rechenweg). Every text is plain Unicode without markup,
// so that each front end can typeset the parts its own way.
struct Rechenschritt {
    SchrittArt Art = SchrittArt::Hinweis;
    // A Rechnung whose result the Script prints: that value's box, and the triangle in
    // Loesung::Dreiecke it belongs to. Unset for an intermediate value (a sine, an angle
    // that is dropped) and for every other kind of step.
    std::optional<Feld> Groesse;
    std::size_t Dreieck = 0;
    // A Rechnung's three parts, each a whole equation; Formel and Einsetzung may be empty.
    std::string Formel;     // the law in letters: "a² = b² + c² − 2·b·c·cos α"
    std::string Einsetzung; // the numbers put in: "a = √(4,000² + 5,000² − …)"
    std::string Ergebnis;   // "a = 3,000", the number exactly as the Script prints it
    // A Rechnung: the law's name ("Cosinussatz"), or empty. Any other step: its sentence.
    std::string Text;
};

using Rechenweg = std::vector<Rechenschritt>;

// The worked steps of a calculation, numbers in the Script's forms. A note on rounding
// comes first whenever a value is computed. Empty when the calculation writes nothing.
Rechenweg ErstelleRechenweg(const Loesung& loesung, const Zahlformat& format);

// One step as plain-text lines. A Rechnung's equations that share a left side are
// chained on one line ("sin β = b·sin α / a = … = 0,900"); the law's name leads.
std::vector<std::string> SchrittZeilen(const Rechenschritt& schritt);

// The whole worked solution as plain-text lines.
std::vector<std::string> RechenwegZeilen(const Rechenweg& weg);

} // namespace kalotri
