// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One exercise as a question: what is asked in which order, each field's words, letter,
// unit and decimals, the rounding instruction, the right values and the answers that
// count. Built once from the solution; Moodle's Cloze text, QTI and the practice page are
// renderings of it, and its marks come from the route engine alone.

#include "loesung.h"
#include "routen.h"
#include "sachaufgabe.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kalotri::frage {

// How an answer is marked. Leer and KeineZahl cost nothing: nothing was judged.
enum class Note {
    Richtig,
    NurRundung,  // the value is right, its rounding or decimals are not
    Folgefehler, // right from the pupil's own plausible earlier values
    Falsch,
    Leer,
    KeineZahl,
};

enum class Feldart {
    Anzahl,  // SSW: how many triangles (0, 1 or 2)
    Dreieck, // a side or angle of one triangle
    Sache,   // a word problem's own quantity (height, width, area, force)
};

// An interval of typed values and the mark it earns; Unten <= x <= Oben.
struct Bereich {
    long double Unten = 0;
    long double Oben = 0;
    Note Wertung = Note::Richtig;
};

// A typical wrong answer as a pupil would type it, at the field's decimals.
struct FalscheAntwort {
    routen::Fehlerart Art = routen::Fehlerart::ProzentMehr;
    long double Wert = 0;
};

struct Antwortfeld {
    Feldart Art = Feldart::Dreieck;
    std::string Worte;           // "Seite", "Winkel", "Höhe des Turms", "Anzahl der Dreiecke"
    std::string Buchstabe;       // "c", "β₂", "h"; empty for Anzahl
    std::string Einheit;         // "m", "°", "m²"; empty for none
    Feld Groesse = Feld::A;      // Dreieck: the box
    std::size_t Dreieck = 0;     // Dreieck: which triangle (SSW: 0 acute sine angle, 1 obtuse)
    std::size_t Sachgroesse = 0; // Sache: index into Sachaufgabe::Gesuchte
    bool Zwischenwert = false;   // may be left empty: a word problem's triangle quantity
    int Dezimalen = 2;           // demanded
    long double Wert = 0;        // the calculation's value
    long double Gerundet = 0;    // Wert at Dezimalen: the answer to show
    std::string Text;            // Gerundet as shown, decimal comma
    // Taken in order, the first that holds a typed value decides (as Moodle does): single
    // numbers inside the Richtig interval that no route gives (one decimal fewer), then
    // Richtig (the hull of every route the instruction allows, widened by half a unit),
    // then what earns less. Every Falsche lies outside Richtig or is one of the first.
    std::vector<Bereich> Bereiche;
    std::vector<FalscheAntwort> Falsche;
    int Routen = 0; // how many routes reach the Richtig interval
};

// The field's Richtig interval.
const Bereich& Richtig(const Antwortfeld& feld);

// The instruction as a code and its words: every answer to its field's decimals; values
// inside a calculation to Zwischen decimals or not at all; earlier answers carried as
// written, with one decimal more, or unrounded, each as the pupil likes.
struct Rundungsanweisung {
    routen::Rundung Rundung;
    std::string Worte;
};

struct Frage {
    std::string Text; // the exercise as the pupil reads it, plain German
    Rundungsanweisung Anweisung;
    // In the order asked: the worked steps' order, which a pupil's routes need not follow;
    // a follow-up error comes from the pupil's values in the fields before.
    std::vector<Antwortfeld> Felder;
    Loesung Ergebnis; // the solution it was built from
    std::optional<Sachaufgabe> Sache;
    // SSW with two triangles: which is which, in words ("Dreieck 1 ist das mit spitzem …").
    std::string Dreiecksreihenfolge;
};

// A generated exercise. mindestDezimalen: the least demanded; more where one unit of the
// last digit would let a typical wrong answer through. gefragt: only these boxes (all
// unknowns when unset); sides in `einheit`. None when the calculation gives a message or
// nothing is left.
std::optional<Frage> FrageAus(const Loesung& loesung, std::string text, int mindestDezimalen,
                              const std::optional<std::vector<Feld>>& gefragt = {},
                              const std::string& einheit = "");

// A word problem: its own questions in its words and units, the triangle's quantities it
// is worked out from as optional intermediate fields first. None when its triangle gives
// no solution.
std::optional<Frage> SachfrageAus(const Sachaufgabe& sache);

// The givens of an exercise in words: "Gegeben: a = 5, β = 40°."
std::string GegebenText(const Loesung& loesung, const Eingabe& felder);

} // namespace kalotri::frage
