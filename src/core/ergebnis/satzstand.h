// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bewertung.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kalotri::ergebnis {

// A hint the pupil bought: its kind (uebung::Hinweisart), the question it was about (none
// for the hints about the whole exercise), and the points it cost then: a hint may cost
// less than its full price, never more.
struct Hinweiskauf {
    int Art = 0;
    std::optional<std::size_t> Frage;
    int Preis = 0;
};

// How far a pupil got with one exercise: the answers that were marked (the others empty),
// their marks (Leer where none) with the points the engine gave each, the hints in the
// order they were bought, and the exercise's most points. Points are kept as given, not
// worked out again: a box may count less than its mark's full points.
struct Aufgabenstand {
    std::vector<std::string> Antworten;
    std::vector<uebung::Note> Noten;
    std::vector<int> NotenPunkte;
    std::vector<Hinweiskauf> Gekauft;
    int Hoechstens = 0;
};

// A set in progress or done: everything needed to show it again or carry it on.
struct Satzstand {
    std::string Code;
    std::size_t Aufgabe = 0; // the exercise on screen
    bool Fertig = false;     // the summary was reached
    std::vector<Aufgabenstand> Aufgaben;
};

// Points of an exercise: its marks' points less the hints' prices, never below 0.
int Punkte(const Aufgabenstand& a);
int Hoechstens(const Aufgabenstand& a);
int Abzug(const Aufgabenstand& a);

// One letter per mark, for the short forms of the resume data and the results file.
char NotenZeichen(uebung::Note note);
std::optional<uebung::Note> NoteAusZeichen(char zeichen);

// Whether a stored state belongs to the set of its code: as many exercises and questions,
// hints of known kinds about existing questions. Stored data comes from outside the page.
bool PasstZuSatz(const Satzstand& stand);

} // namespace kalotri::ergebnis
