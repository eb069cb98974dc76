// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dreieck.h"
#include "rechner.h"

#include <array>
#include <string>
#include <vector>

namespace kalotri::blatt {

// One triangle of a solution with the texts its figure shows.
struct Loesungsfigur {
    Dreieck Form;
    std::array<std::string, 3> Ecken;               // corner names
    std::array<std::string, 3> Seiten;              // "a = 7,000"
    std::array<std::vector<std::string>, 3> Winkel; // "α = 40,000°", then "α"
    std::vector<std::string> Groessen;              // derived quantities (--mehr)
};

// An exercise as the sheet shows it: its given values, the worked solution line by line
// as the Script shows it, and a figure for each triangle found.
struct BlattAufgabe {
    std::string Gegeben; // "a = 7 cm, b = 5 cm, α = 40°"
    std::vector<std::string> Loesungsweg;
    std::vector<Loesungsfigur> Figuren;
};

struct Darstellung {
    Zahlformat Format;
    std::string Einheit; // after side lengths; may be empty
    bool Mehr = false;
};

// A solved triangle with the texts of its figure (and with Mehr its derived quantities),
// named by the exercise's letters. The browser edition labels its figures the same way.
Loesungsfigur Figurtexte(const Dreieck& form, const Eingabe& eingabe,
                         const Darstellung& darstellung);

// Runs the exercise through the calculation command as the first calculation of a freshly
// started program, exactly as kalotri-rechne does.
BlattAufgabe Bearbeite(const Eingabe& eingabe, const Darstellung& darstellung);

} // namespace kalotri::blatt
