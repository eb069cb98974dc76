// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "loesung.h"
#include "rechenweg.h"
#include "rechner.h"
#include "sachskizze.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kalotri::uebung {

// Answers are asked for at this many decimals at least; the tolerances follow from them.
inline constexpr int Dezimalen = 2;

// The decimals an exercise asks for: Dezimalen, or more where the routes a pupil may take
// at Dezimalen would let a typical wrong answer (1 % off, the other SSW solution) pass.
int AntwortDezimalen(const Loesung& loesung);

enum class Frageart {
    Anzahl, // SSW: how many triangles there are (0, 1 or 2)
    Wert,   // one unknown of one triangle
};

// One thing the pupil types, in the order the exercise asks for it.
struct Frage {
    Frageart Art = Frageart::Wert;
    Feld Groesse = Feld::A;
    std::size_t Dreieck = 0;
    std::string Name; // "c", "β₂", "Anzahl der Dreiecke"
};

// An exercise for practice: what the pupil reads, the given values as the calculator's
// boxes (with their letters), what the engine finds for them, and the questions.
struct Uebungsaufgabe {
    std::string Text;
    Eingabe Felder;
    Loesung Ergebnis;
    std::vector<Frage> Fragen;
    int Dezimalen = uebung::Dezimalen; // AntwortDezimalen
    std::string Einheit;               // of the sides, as the text gives them ("m"); may be none
    Sachskizze Skizze;                 // a word problem's, as the sheet draws it; else no points
    // A word problem's worked solution in the situation's words, the hints' source; else empty.
    Rechenweg Sachweg;
};

// Any exercise becomes a practice exercise here: a word problem with its own text as well
// as a generated one. `gefragt` limits the questions to some boxes (all unknowns when
// unset); values are asked triangle by triangle in the order the engine computes them,
// for SSW after the number of triangles. None when the values give the calculator a
// message or an error, or nothing is left to ask.
std::optional<Uebungsaufgabe>
UebungsaufgabeAus(std::string text, const Eingabe& felder,
                  const std::optional<std::vector<Feld>>& gefragt = {});

// The text of a generated exercise: the given values as typed, with letters, and the
// instruction.
std::string AufgabenText(const Loesung& loesung, const Eingabe& felder);

} // namespace kalotri::uebung
