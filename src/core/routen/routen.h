// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which answers a pupil may give for the unknowns of a solved exercise. A pupil who rounds
// as the question says and takes any standard route lands inside the accepted interval;
// the typical wrong answers (the other SSW solution, a calculator in radian mode, a value
// 1 % off) lie outside it. The quiz's tolerances and the practice page's marks both come
// from here.

#include "loesung.h"

#include <cstddef>
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

// The instruction as the pupil reads it: German plain text, no markup.
std::string Rundungsanweisung(const Rundung& rundung);

// x rounded to `dezimalen` decimals, halves away from zero, also halves that binary
// arithmetic missed by a few units of the last place of x or of `massstab`, the size of
// the numbers x came from (180 for an angle found by the angle sum).
long double RundeAuf(long double x, int dezimalen, long double massstab = 0);

enum class Fehlerart {
    AndereLoesung,  // SSW: the other triangle's value, or 180° minus the sine angle
    Bogenmass,      // the worked steps' route on a calculator set to radians
    ProzentMehr,    // 1 % too large
    ProzentWeniger, // 1 % too small
};

struct FalscheAntwort {
    Fehlerart Art = Fehlerart::ProzentMehr;
    long double Wert = 0; // as the pupil would type it: rounded to the answer's decimals
    bool Abgelehnt = false;
};

// One unknown of one triangle.
struct Spielraum {
    Feld Groesse = Feld::A;
    long double Genau = 0;    // the calculation's value
    long double Gerundet = 0; // Genau rounded to the answer's decimals: the answer to show
    // Accepted: Unten <= x <= Oben, the hull of the routes' rounded answers widened by half
    // a unit of the last decimal.
    long double Unten = 0;
    long double Oben = 0;
    int Routen = 0; // how many routes reached it
    std::vector<FalscheAntwort> Falsche;

    bool Nimmt(long double antwort) const { return antwort >= Unten && antwort <= Oben; }
};

// The unknowns of triangle `dreieck` (an index into loesung.Dreiecke) in box order.
std::vector<Spielraum> Spielraeume(const Loesung& loesung, std::size_t dreieck,
                                   const Rundung& rundung);

// Every wrong answer of every unknown is rejected.
bool Trennscharf(const std::vector<Spielraum>& spielraeume);

// The fewest answer decimals, from `ab` up to `bis`, at which every wrong answer of every
// triangle that counts (LoesungsDreieck::Zaehlt) is rejected; `bis` when there are none so few.
int TrennscharfeDezimalen(const Loesung& loesung, int ab, int bis);

} // namespace kalotri::routen
