// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One function per situation: a problem from the dice, or none when the numbers drawn
// make no plausible one (the caller draws again). `variante` chooses the kind where a
// situation has more than one; every version of a sheet passes the same.

#include "sachbau.h"

#include <optional>

namespace kalotri::sach {

std::optional<Sachaufgabe> Turmhoehe(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Flussbreite(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Grundstueck(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Peilung(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Kraefte(Wuerfel& w, const Sachregeln& r, int variante);

// Sine and cosine of an angle in degrees, for the right triangles around the calculation.
L Sin(L grad);
L Cos(L grad);

} // namespace kalotri::sach
