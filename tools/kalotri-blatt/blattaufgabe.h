// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "groessen.h"
#include "rechner.h"

#include <array>
#include <string>
#include <vector>

namespace kalotri::blatt {

// One triangle of a solution with the texts its figure shows.
struct Loesungsfigur {
    kalotri::Groessen Form;                         // worked out from the given values
    std::array<std::string, 3> Ecken;               // corner names
    std::array<std::vector<std::string>, 3> Seiten; // "a = 7,000", then "a"
    std::array<std::vector<std::string>, 3> Winkel; // "α = 40,000°", then "α"
    std::array<bool, 3> Rechtwinklig{};             // the Script's angle is 90
    std::vector<std::string> Groessen;              // derived quantities (--mehr)
};

// An exercise as the sheet shows it: its given values, the worked solution line by line
// as the Script shows it, and a figure for each triangle found.
struct BlattAufgabe {
    std::string Gegeben; // "a = 7 cm, b = 5 cm, α = 40°"
    std::vector<std::string> Loesungsweg;
    std::vector<Loesungsfigur> Figuren;
    std::string Einheit; // sets the figures' scale; may be empty
};

struct Darstellung {
    Zahlformat Format;
    std::string Einheit; // after side lengths; may be empty
    bool Mehr = false;
};

// Triangle `nummer` of a solution with the texts of its figure (and with Mehr its derived
// quantities), named by the exercise's letters. The browser edition labels its figures
// the same way.
Loesungsfigur Figurtexte(const Loesung& loesung, std::size_t nummer, const Eingabe& eingabe,
                         const Darstellung& darstellung);

// Runs the exercise through the calculation command as the first calculation of a freshly
// started program, exactly as kalotri-rechne does.
BlattAufgabe Bearbeite(const Eingabe& eingabe, const Darstellung& darstellung);

} // namespace kalotri::blatt
