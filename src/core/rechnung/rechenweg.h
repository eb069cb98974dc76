// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "loesung.h"
#include "zahlform.h"

#include <array>
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
    std::string Einsetzung; // the numbers put in: "a = √(4² + 5² − …)"
    // The value later steps compute with, where it has more digits than the result:
    // "γ₁ = 75,8547°"; empty otherwise.
    std::string Zwischenwert;
    // "a ≈ 3,000": a value the Script prints, as it prints it; a value no later step needs
    // beyond the output's digits; or an intermediate value ("sin β ≈ 0,89995"). "=" where
    // the shown number is exact, "≈" where it is rounded.
    std::string Ergebnis;
    // A Rechnung: the law's name ("Cosinussatz"), or empty. Any other step: its sentence.
    std::string Text;
};

using Rechenweg = std::vector<Rechenschritt>;

// The derived quantities of one triangle, as the figures' lines state them.
struct WeitereGroessen {
    long double Umfang = 0;
    long double Flaeche = 0;
    std::array<std::optional<long double>, 3> Hoehen; // onto the sides a, b, c
    std::optional<long double> Umkreisradius;
    long double Inkreisradius = 0;
};

// What the steps show beyond the calculation itself.
struct Wegangaben {
    std::string Einheit; // after every length (the area: squared); may be empty
    // Per triangle of the solution: its derived quantities, worked out step by step too.
    std::vector<std::optional<WeitereGroessen>> Mehr;
};

// The worked steps of a calculation. Givens stand with the digits typed; every step
// follows from the numbers it shows, and every value the Script prints is shown as the
// Script prints it. Empty when the calculation writes nothing. How numbers are rounded is
// said once per output (RundungsHinweis), not here.
Rechenweg ErstelleRechenweg(const Loesung& loesung, const Zahlformat& format,
                            const Wegangaben& angaben = {});

// The note on rounding for the top of an output of worked steps.
std::string RundungsHinweis(const Zahlformat& format);

// Puts the note at the front of a single solution that stands alone (a quiz question, the
// web page), where it computes anything.
void MitRundungsHinweis(Rechenweg& weg, const Zahlformat& format);

// One step as plain-text lines. A Rechnung's equations that share a left side are
// chained on one line ("sin β = b·sin α / a = … ≈ 0,89995"); the law's name leads.
std::vector<std::string> SchrittZeilen(const Rechenschritt& schritt);

// The whole worked solution as plain-text lines.
std::vector<std::string> RechenwegZeilen(const Rechenweg& weg);

// The worked steps' first heading: the kind of problem and why.
const char* TypSatz(Aufgabentyp typ);

} // namespace kalotri
