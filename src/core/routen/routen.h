// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which answers a pupil may give for the unknowns of a solved exercise. A pupil who rounds
// as the question says and takes any standard route lands inside the accepted interval;
// the typical wrong answers (the other SSW solution, a calculator in radian mode, a value
// 1 % off) lie outside it. The quiz's tolerances and the practice page's marks both come
// from here.

#include "loesung.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kalotri::routen {

// What the question tells the pupil: every answer to Ergebnis decimals; a value inside a
// calculation (a sine, a cosine, a squared side) to Zwischen decimals or not at all (not
// "at least": a sine rounded one decimal finer now and then tips an answer outside both);
// an earlier answer re-used as written, with one decimal more (as the worked steps carry
// it) or as the calculator holds it.
struct Rundung {
    int Ergebnis = 3;
    int Zwischen = 6;
};

// Three decimals more inside a calculation keep the arc cosine of a small angle and the
// arc sine near 90° within a unit or so of the answer's last digit.
Rundung RundungFuer(int dezimalen);

// The instruction as the pupil reads it: German plain text, no markup. jeFeld: each field
// names its own decimals (a word problem's area to whole square metres).
std::string Rundungsanweisung(const Rundung& rundung, bool jeFeld = false);
// "auf 2 Nachkommastellen", "auf ganze Zahlen".
std::string Stellenworte(int dezimalen);

// x rounded to `dezimalen` decimals, halves away from zero, also halves that binary
// arithmetic missed by a few units of the last place of x or of `massstab`, the size of
// the numbers x came from (180 for an angle found by the angle sum).
long double RundeAuf(long double x, int dezimalen, long double massstab = 0);

enum class Fehlerart {
    AndereLoesung,  // SSW: the other triangle's value
    Nebenwinkel,    // 180° minus the angle: the arc sine's other branch
    Bogenmass,      // the worked steps' route on a calculator set to radians
    ProzentMehr,    // 1 % too large
    ProzentWeniger, // 1 % too small
    StelleWeniger,  // rounded to one decimal fewer than asked
};

struct FalscheAntwort {
    Fehlerart Art = Fehlerart::ProzentMehr;
    long double Wert = 0; // as the pupil would type it: rounded to the answer's decimals
    bool Abgelehnt = false;
};

using Werte = std::array<long double, 6>;

// What the pupil works with at the start, by box: a given value as typed, or the pupil's
// own earlier answer as typed (for a follow-up error); nothing for an unknown.
struct Anfangsstand {
    std::array<std::optional<long double>, 6> Werte;
};

// The givens of triangle `dreieck` as the pupil types them.
Anfangsstand GegebenerStand(const Loesung& loesung, std::size_t dreieck);

// Per box the hull of the answers the routes reach, each rounded to the answer's decimals.
struct Routenhuelle {
    Werte Min{};
    Werte Max{};
    std::array<int, 6> Anzahl{};
    std::array<std::vector<long double>, 6> Erreicht; // the distinct answers, ascending
};

// Called at the end of every route with the values as the pupil carries them on, and
// whether the pupil rounds values inside a calculation; for quantities worked out after
// the triangle (a tower's height from a side).
using Routenende = std::function<void(const Werte& werte, bool rundetZwischen)>;

// Every route from `anfang` through the rest of triangle `dreieck`: each unknown by every
// law that applies, each earlier answer carried unrounded, as written or with one decimal
// more, each as the pupil likes; values inside a calculation rounded to Zwischen or not.
// `reihenfolge`: the unknowns are found in this order only (any order when empty); the
// arc sine's branch is the one of triangle `dreieck`.
Routenhuelle Erkunde(const Loesung& loesung, std::size_t dreieck, const Anfangsstand& anfang,
                     const Rundung& rundung, const std::vector<Feld>& reihenfolge = {},
                     const Routenende& ende = {});

// The triangle as the worked steps find it on a calculator set to radians, each value
// carried as that calculator gave it; NaN from where it reports an error on.
std::optional<Werte> ImBogenmass(const Loesung& loesung, std::size_t dreieck);

// One unknown of one triangle.
struct Spielraum {
    Feld Groesse = Feld::A;
    long double Genau = 0;    // the calculation's value
    long double Gerundet = 0; // Genau rounded to the answer's decimals: the answer to show
    // Accepted: Unten <= x <= Oben, the hull of the routes' rounded answers widened by half
    // a unit of the last decimal.
    long double Unten = 0;
    long double Oben = 0;
    int Routen = 0;                    // how many routes reached it
    std::vector<long double> Erreicht; // the distinct rounded answers, ascending
    std::vector<FalscheAntwort> Falsche;

    bool Nimmt(long double antwort) const { return antwort >= Unten && antwort <= Oben; }
};

// The unknowns of triangle `dreieck` (an index into loesung.Dreiecke) in box order, found
// in `reihenfolge` (any order when empty).
std::vector<Spielraum> Spielraeume(const Loesung& loesung, std::size_t dreieck,
                                   const Rundung& rundung,
                                   const std::vector<Feld>& reihenfolge = {});

// Every wrong answer of every unknown is rejected.
bool Trennscharf(const std::vector<Spielraum>& spielraeume);

// The box order in which the worked steps find the unknowns of a triangle.
std::vector<Feld> Rechenfolge(const LoesungsDreieck& dreieck);

} // namespace kalotri::routen
