// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabentyp.h"
#include "rechenweg.h"
#include "rechner.h"
#include "sachskizze.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalotri {

// The situations the word problems tell of, each solved as one of the five kinds.
enum class Situation { Turmhoehe, Flussbreite, Grundstueck, Peilung, Kraefte };

inline constexpr std::array<Situation, 5> AlleSituationen = {
    Situation::Turmhoehe, Situation::Flussbreite, Situation::Grundstueck, Situation::Peilung,
    Situation::Kraefte};

// "Turmhöhe", "Flussbreite", ...: the heading of a word problem.
const char* SituationsTitel(Situation s);
// "turm", "fluss", "grundstueck", "peilung", "kraefte": for files and programs.
const char* SituationsKennung(Situation s);
// The situation of such a name, or none.
std::optional<Situation> SituationAusKennung(std::string_view kennung);

// A number the text gives, exactly as printed, with its unit ("°" for an angle).
struct Angabe {
    std::string Name;    // "AB", "α", "F₁"
    std::string Text;    // "35,5"
    std::string Einheit; // "m", "°", "N"
    long double Wert = 0;
};

// A pupil's calculator as a quantity worked out after the triangle uses it: sine and
// cosine of an angle in degrees, as the pupil keys them (rounded, or in radian mode).
struct Tasten {
    std::function<long double(long double)> Sin;
    std::function<long double(long double)> Cos;
};

// How a quantity follows from the triangle as the pupil has it (sides; angles in degrees).
using Folgerung = std::function<long double(const std::array<long double, 6>&, const Tasten&)>;

// A quantity asked for: the value as the calculation found it, and as the answer rounds it.
struct Gesucht {
    std::string Name;    // "h", "l₂"
    std::string Einheit; // "m", "m²", "°", ...
    int Dezimalen = 1;   // of the answer
    long double Wert = 0;
    std::string Text;  // Wert to Dezimalen decimals: "42,3"
    std::string Worte; // what it is in the story's words: "Höhe des Kirchturms"
    // One of the triangle's own quantities (of triangle Dreieck), or worked out from the
    // triangle by Aus; neither where the situation does not say.
    std::optional<Feld> Groesse;
    std::size_t Dreieck = 0;
    Folgerung Aus;
};

// One word problem: the situation told, the questions, the triangle the calculation
// solves, the sketch, and the solution in the situation's words.
struct Sachaufgabe {
    Situation Art = Situation::Turmhoehe;
    Aufgabentyp Typ = Aufgabentyp::SSS; // of the triangle the calculation solves
    std::string Titel;
    std::string Text;                // the situation, some sentences
    std::vector<std::string> Fragen; // "Wie hoch ist der Turm?"
    std::vector<Angabe> Angaben;     // every number of Text, in the order it appears
    std::vector<Gesucht> Gesuchte;   // in the order of the questions
    // The triangle as the calculation takes it: letters from the situation's points (the
    // corner opposite side "s" is S), only what that triangle has given filled in.
    Eingabe Dreieck;
    std::string Einheit; // of the triangle's sides
    int Loesungen = 1;   // triangles the calculation finds
    // What a page that asks the triangle's boxes may ask: the quantities asked where they
    // are the triangle's own, else the one the answer is worked out from (BS for a tower).
    std::vector<Feld> Dreiecksfragen;
    Sachskizze Skizze;
    // The worked solution: why this triangle, the calculation's steps, the rest of the way
    // to the answer; sides with the unit.
    Rechenweg Loesungsweg;
    std::vector<std::string> Antwort; // answer sentences with the rounded values
};

// How the problems are made. Stufe 1: whole numbers, no SSW; 2: lengths with one decimal,
// SSW with one or two solutions; 3: angles in tenths of a degree too.
struct Sachregeln {
    int Stufe = 3;
    int Fassungen = 1; // parallel versions (groups A, B, ...)
    Zahlformat Format; // of the worked steps; its separator also for the text
};

// anzahl problems per version, the situations taken in turn (all when `arten` is empty),
// the same for the same seed. Every version tells the same situations in the same order,
// each of the same kind (and for SSW with as many solutions), with other numbers.
std::vector<std::vector<Sachaufgabe>> ErzeugeSachaufgaben(int anzahl, std::uint64_t seed,
                                                          const Sachregeln& regeln,
                                                          const std::vector<Situation>& arten = {});

} // namespace kalotri
