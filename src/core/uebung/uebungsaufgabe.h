// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frage.h"
#include "loesung.h"
#include "rechner.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kalotri::uebung {

// Answers are asked for at this many decimals at least; the tolerances follow from them.
inline constexpr int Dezimalen = 2;

enum class Frageart {
    Anzahl, // SSW: how many triangles there are (0, 1 or 2)
    Wert,   // one unknown of one triangle
    Sache,  // a word problem's own quantity
};

// One thing the pupil types, in the order the exercise asks for it.
struct Frage {
    Frageart Art = Frageart::Wert;
    Feld Groesse = Feld::A;
    std::size_t Dreieck = 0;
    std::string Name; // "c", "β₂", "Anzahl der Dreiecke"
};

// An exercise for practice: what the pupil reads, the given values as the calculator's
// boxes (with their letters), what the engine finds for them, and the questions, one per
// field of the question model, which decides what counts.
struct Uebungsaufgabe {
    std::string Text;
    Eingabe Felder;
    Loesung Ergebnis;
    std::vector<Frage> Fragen;
    int Dezimalen = uebung::Dezimalen; // of the triangle's quantities
    frage::Frage Modell;
};

// A question model as a practice exercise.
Uebungsaufgabe UebungsaufgabeAus(frage::Frage modell, const Eingabe& felder);

// Any exercise becomes a practice exercise here. `gefragt` limits the questions to some
// boxes (all unknowns when unset); values are asked triangle by triangle in the order the
// engine computes them, for SSW after the number of triangles. None when the values give
// the calculator a message or an error, or nothing is left to ask.
std::optional<Uebungsaufgabe>
UebungsaufgabeAus(std::string text, const Eingabe& felder,
                  const std::optional<std::vector<Feld>>& gefragt = {});

// The text of a generated exercise: the given values as typed, with letters, and the
// instruction.
std::string AufgabenText(const Loesung& loesung, const Eingabe& felder);

} // namespace kalotri::uebung
