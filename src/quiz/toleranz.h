// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "loesung.h"

#include <array>

namespace kalotri::blatt {

// How far from the exact value a pupil may land who follows the worked steps: each value
// computed by the law the steps name, from the given values and from the earlier results,
// each of those off as far as its own gap accepts, a sine the steps round off by up to
// halbeEinheit, the pupil's own answer rounded to halbeEinheit. Never less than
// halbeEinheit. Indexed by Feld; 0 for the given values.
std::array<double, 6> Toleranzen(const LoesungsDreieck& dreieck, double halbeEinheit);

} // namespace kalotri::blatt
