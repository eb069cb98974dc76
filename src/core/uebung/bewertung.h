// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "antwortleser.h"
#include "spielraum.h"
#include "uebungsaufgabe.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalotri::uebung {

enum class Note {
    Richtig,
    NurRundung,  // the unrounded value is right, rounded wrongly or to other decimals
    Folgefehler, // wrong, but right from the pupil's own earlier wrong value
    Falsch,
    Leer,      // nothing typed yet
    KeineZahl, // typed, but no number (Lesehinweis says why): no points, still open
};

// What the pupil is told about rounding, German plain text: the marks follow it.
std::string Rundungsanweisung(int dezimalen);

// Points per answer: 2 right, 1 for rounding only or a follow-up error, else 0.
inline constexpr int PunkteJeFrage = 2;
int Punkte(Note note);
const char* NotenText(Note note);

// A pupil's number as LiesAntworttext reads it for this question (its unit, or a count);
// the count of decimals typed.
struct Antwortzahl {
    long double Wert = 0;
    int Dezimalen = 0;
};
Antwortform FormFuer(const Uebungsaufgabe& aufgabe, const Frage& frage);
std::optional<Antwortzahl> LiesAntwort(std::string_view text, const Antwortform& form);

// The ranges of the right answers for the unknowns of one triangle, by box: the marking's
// one door to whatever knows a pupil's routes. StandardBereiche asks the module `routen`,
// as the quiz does; EigeneBereiche are Spielraeume over the givens in the stated order
// (narrower: no other order counts), which also judge follow-up errors.
using Bereichsquelle = std::array<std::vector<Spielraum>, 6> (*)(const Uebungsaufgabe&,
                                                                 std::size_t dreieck,
                                                                 int dezimalen);
std::array<std::vector<Spielraum>, 6> EigeneBereiche(const Uebungsaufgabe& aufgabe,
                                                     std::size_t dreieck, int dezimalen);
extern const Bereichsquelle StandardBereiche;

// Marks the answers typed so far, one per question in order (missing ones are Leer). An
// answer is right at the exercise's decimals within the routes' ranges; a follow-up error
// when it is right from the pupil's own earlier answers of the same triangle (Spielraeume
// with those answers as known values) and one of those was not right.
std::vector<Note> Bewerte(const Uebungsaufgabe& aufgabe, const std::vector<std::string>& antworten,
                          Bereichsquelle quelle = StandardBereiche);

} // namespace kalotri::uebung
