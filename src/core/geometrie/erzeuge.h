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

// anzahl exercises, the kinds taken in turn from typen (all five when empty), the same
// for the same seed. Sides have at most one decimal and lie between 1 and 20, given angles
// are whole degrees between 10 and 150; every triangle of a solution has angles of at
// least 10 degrees, so its figure is no sliver. SSW exercises take turns having two, one
// and no solution. No exercise appears twice; should the kinds allow fewer different
// exercises than asked for, fewer come back.
std::vector<ErzeugteAufgabe> Erzeuge(int anzahl, const std::vector<Aufgabentyp>& typen,
                                     std::uint64_t seed);

} // namespace kalotri
