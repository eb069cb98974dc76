// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What building a question and marking it share: a field's intervals, and the routes of a
// word problem's own quantity.

#include "frage.h"
#include "gleitkomma.h"

#include <string>
#include <vector>

namespace kalotri::frage::intern {

using L = long double;

L Einheit(int dezimalen);

// A value with a decimal comma, rounded to `dezimalen`.
std::string Zahltext(L wert, int dezimalen);

// Richtig [unten, oben]; one unit of the last digit either side, but never half a percent,
// earns NurRundung.
void Setze(Antwortfeld& feld, L unten, L oben);

// Every typical wrong answer lies outside the Richtig interval.
bool Trennscharf(const Antwortfeld& feld);

// The answer with one decimal fewer, listed where it is another number than every route's
// answer (`erreicht`; "41,0" is no slip where a route gives 41,00), and kept out of the
// Richtig interval where it lies inside.
void StelleWeniger(Antwortfeld& feld, const std::vector<L>& erreicht);

// Whether x lies in the interval, allowing for the binary form of decimals.
bool Drin(const Bereich& b, L x);

// The hull of a word problem's quantity, rounded to `dezimalen`, over every route from
// `anfang` with the question's rounding; Min > Max where no route gets there.
struct Huelle {
    L Min = 0;
    L Max = 0;
    int Anzahl = 0;
    std::vector<L> Erreicht; // the distinct answers
};
Huelle Sachhuelle(const Loesung& loesung, const Gesucht& gesucht,
                  const routen::Anfangsstand& anfang, const routen::Rundung& rundung,
                  int dezimalen);

bool Geloest(const Loesung& loesung);
// The triangles that count, by index.
std::vector<std::size_t> Echte(const Loesung& loesung);
std::string Tiefgestellt(std::size_t nummer);
bool AlleTrennscharf(const std::vector<Antwortfeld>& felder);

// The asked unknowns of triangle `dreieck` in the order the worked steps find them, each
// with its letter and `zeiger` ("₁"), sides in `einheit`.
void Dreiecksfelder(const Loesung& l, std::size_t dreieck, const routen::Rundung& rundung,
                    const std::optional<std::vector<Feld>>& gefragt, const std::string& einheit,
                    const std::string& zeiger, std::vector<Antwortfeld>& felder);

// Sine and cosine of degrees on the pupil's calculator.
Tasten Taschenrechner(bool bogenmass, int zwischen);

} // namespace kalotri::frage::intern
