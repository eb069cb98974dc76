// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dreieck.h"
#include "loesung.h"

#include <vector>

namespace kalotri {

// The triangles one calculation found, for figures and derived quantities: none after a
// message, an error or "Keine Lösung", two for an SSW problem with two solutions, else
// one; the values as the calculation stored them.
std::vector<Dreieck> GeloesteDreiecke(const Loesung& loesung);

} // namespace kalotri
