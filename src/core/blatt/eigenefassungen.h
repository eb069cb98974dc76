// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quelle.h"

#include <cstdint>

namespace kalotri::blatt {

// Versions B, C, ... of a sheet of one's own exercises, added to the list as groups: in
// each, every exercise is replaced by a new one of the same kind with as many triangles
// (so an SSW exercise without a triangle stays one), with its letters kept. A line that is
// no exercise stays as it is, to be reported and shown as in the first group.
void HaengeFassungenAn(Aufgabenliste& liste, int gruppen, std::uint64_t seed);

} // namespace kalotri::blatt
