// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace kalotri::uebung {

// The unrounded values a pupil's routes can give for one unknown, before the last rounding.
struct Spielraum {
    long double Unten = 0;
    long double Oben = 0;
    // How much of the last rounding the range already holds: 0 here; half a unit of the
    // answer's last digit where the range is one of rounded answers widened by it.
    long double Eingerechnet = 0;
    long double Genau = 0; // with Eingerechnet: the calculation's own value
};

// What is known of one triangle, by box (a, b, c, alpha, beta, gamma; angles in degrees):
// each known quantity with the values a pupil may work with (a given value, or a pupil's
// own earlier answer); an empty list is an unknown.
using Bekannte = std::array<std::vector<long double>, 6>;

// For every unknown the ranges of what the routes a pupil may take give: each unknown by
// any law that applies (law of sines, law of cosines, angle sum) from what is known or
// already computed, earlier results carried on unrounded or rounded to `dezimalen`, values
// inside a calculation (a sine, a cosine) unrounded or rounded to `dezimalen` + 3.
// An unknown uses only those before it in `reihenfolge`, the order the pupil answers in
// (any order when empty). `bezug` is the triangle the exercise means: of the two angles a sine
// allows, a route takes the one nearer to it, so the other SSW solution never counts. Routes that
// agree up to rounding form one range; values further apart than Luecke (relative) stay apart, so
// that a route through a pupil's wrong value does not widen the right one.
std::array<std::vector<Spielraum>, 6> Spielraeume(const Bekannte& bekannte,
                                                  const std::array<long double, 6>& bezug,
                                                  int dezimalen,
                                                  const std::vector<std::size_t>& reihenfolge = {});

inline constexpr long double Luecke = 0.002L;

} // namespace kalotri::uebung
