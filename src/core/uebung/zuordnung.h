// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bewertung.h"
#include "uebungsaufgabe.h"

#include <string>
#include <vector>

namespace kalotri::uebung {

// The marks of an SSW exercise whose two triangles the pupil may number either way: the
// pupil's triangles are matched to the solutions they are nearer to, and then marked as if
// the pupil had numbered them as the solution does. Any other exercise is marked as it is.
struct Zugeordnet {
    std::vector<Note> Noten;
    bool Vertauscht = false; // the pupil's triangle 1 is the solution's triangle 2
};
inline constexpr const char* AndersrumText =
    "Deine Dreiecke sind andersherum nummeriert als in der Lösung: dein Dreieck 1 ist dort "
    "Dreieck 2. Das zählt genauso";
Zugeordnet BewerteZugeordnet(const Uebungsaufgabe& aufgabe,
                             const std::vector<std::string>& antworten);

// What tells the two triangles apart, for the instruction ("Dreieck 1 ist das mit dem spitzen
// Winkel β, Dreieck 2 das mit dem stumpfen; beide Reihenfolgen zählen."); empty with one.
std::string WelchesDreieck(const Uebungsaufgabe& aufgabe);

} // namespace kalotri::uebung
