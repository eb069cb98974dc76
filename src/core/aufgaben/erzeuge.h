// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabentyp.h"
#include "rechner.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kalotri {

// One generated exercise: the six box texts (default letters) as a pupil would type them,
// its kind, and how many triangles it has (0, 1 or 2 for SSW; 1 for the others).
struct ErzeugteAufgabe {
    Eingabe Felder;
    Aufgabentyp Typ = Aufgabentyp::SSS;
    int Loesungen = 1;
};

// How hard the exercises may be. Stufe 1: whole-number sides, no SSW, every angle of the
// triangle acute (below 89.5 degrees) and every side, computed ones too, at least 1;
// 2: sides with at most one decimal, SSW with one or two solutions, given angles acute;
// 3: everything, SSW also without solution and with an obtuse given angle.
struct Erzeugungsregeln {
    int Stufe = 3;
    bool NurLoesbar = false; // no SSW exercise without solution
    int Fassungen = 1;       // parallel versions of the sheet (groups A, B, ...)
};

// anzahl exercises, the kinds taken in turn from typen (all five when empty), the same
// for the same seed. Sides lie between 1 and 20 (half of them whole numbers), given
// angles are whole degrees between 10 and 150 (below 90 on Stufe 1 and 2); every triangle
// of a solution has angles of at least 10 degrees, so its figure is no sliver. SSW
// exercises take turns having two, one and no solution (two and one on Stufe 1 and 2 or
// with NurLoesbar); an SSW exercise without solution has an obtuse given angle now and
// then (Stufe 3 only). No exercise appears twice, not even in another version; should
// the kinds allow fewer different exercises than asked for, fewer come back.
std::vector<ErzeugteAufgabe> Erzeuge(int anzahl, const std::vector<Aufgabentyp>& typen,
                                     std::uint64_t seed);

// The versions of one sheet (typen empty: all kinds of the level): the same kinds in the same
// order, SSW exercises with the same number of solutions, other numbers. Version 0 is the sheet
// Erzeuge makes from the seed; all versions have the same length.
std::vector<std::vector<ErzeugteAufgabe>> ErzeugeFassungen(int anzahl,
                                                           const std::vector<Aufgabentyp>& typen,
                                                           std::uint64_t seed,
                                                           const Erzeugungsregeln& regeln);

// What a version of an exercise must keep: its kind and its number of triangles.
struct Aufgabenmuster {
    Aufgabentyp Typ = Aufgabentyp::SSS;
    int Loesungen = 1;
};

// Versions of a sheet of one's own exercises: for each pattern, in each of `fassungen`
// versions, a new exercise of that kind with as many triangles (the rules of Stufe 3),
// none repeating another; std::nullopt where there is no pattern (a line that is no
// exercise) or where the kind allows no further exercise.
std::vector<std::vector<std::optional<ErzeugteAufgabe>>>
ErzeugeGleiche(const std::vector<std::optional<Aufgabenmuster>>& muster, std::uint64_t seed,
               int fassungen);

} // namespace kalotri
