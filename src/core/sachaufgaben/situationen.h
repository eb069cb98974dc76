// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the situations' files share beyond the building of a problem.

#include "sachbau.h"

#include <optional>
#include <string>

namespace kalotri::sach {

// Sine and cosine of an angle in degrees, for the right triangles around the calculation.
L Sin(L grad);
L Cos(L grad);

// The sketch's point `laenge` from `von` in the direction `grad`, counted anticlockwise
// from the x axis (the sketch's y runs up).
Skizzenpunkt Polar(const Skizzenpunkt& von, double laenge, double grad, std::string name = "");

// The ratio to draw two sides at, which meet at a corner under `winkel` (the second one
// turned by it from the first's direction), when they truly stand at `echt`: near 1 where
// that keeps the angle the diagonal makes with the first side on its side of 90° and
// within 12° of the true one; so a short side stays visible and the angles stay true.
double LesbaresVerhaeltnis(double echt, double winkel);

// Two angles of elevation α < β from A and B in line with the foot F of a height up to
// `spitze` (a tower, a mountain): the sketch, with AB, x = BF and h asked.
Sachskizze Hoehenskizze(double alpha, double beta, const char* spitze, const std::string& ab,
                        const std::string& tA, const std::string& tB);

} // namespace kalotri::sach
