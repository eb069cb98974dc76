// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Word problems on the sheet: each travels as the line of its triangle, so that the
// sheet checks and numbers it like any exercise, with the problem itself riding along.

#include "blattaufgabe.h"
#include "quelle.h"
#include "sachaufgabe.h"

#include <vector>

namespace kalotri::blatt {

// The groups of a sheet: the word problems of each group, with --gemischt taking turns
// with the bare triangles of the same group (word problem first). Either may be empty.
Aufgabenliste MitSachaufgaben(const std::vector<std::vector<Sachaufgabe>>& sach,
                              const std::vector<std::vector<Eingabe>>& dreiecke);

// The word problem as the sheet shows it: the situation and its questions as the task,
// its sketch, the worked solution in the situation's words (or the triangle's Script
// lines, or the answers alone), the triangle's figures named by the situation's points.
// ergebnis: the calculation's result for the problem's triangle.
BlattAufgabe SachBlattAufgabe(const Sachaufgabe& s, const Loesung& ergebnis,
                              const Darstellung& darstellung);

// Where the figure of the problem's triangle puts its corners: the side that runs most
// nearly level in the sketch level, its corners in the sketch's order from left to right,
// the third corner on the sketch's side of it. None when the sketch does not name the
// triangle's corners.
std::optional<Figurlage> SachFigurlage(const Sachaufgabe& s);

// "h ≈ 42,3 m, x ≈ 46,3 m": the answers as the key lists them.
std::string SachSchluessel(const Sachaufgabe& s);

} // namespace kalotri::blatt
