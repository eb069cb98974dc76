// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "loesung.h"
#include "rechenweg.h"
#include "zahlform.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalotri {

// What else a solved triangle offers beyond its sides and angles.
struct Groessen {
    // The sides a, b, c behind the other values; the figure is drawn from them.
    std::array<long double, 3> Seiten{};
    long double Umfang = 0;
    long double Flaeche = 0;
    // The height onto each side; none onto a side of length 0.
    std::array<std::optional<long double>, 3> Hoehen;
    // A flat triangle has no circumcircle.
    std::optional<long double> Umkreisradius;
    long double Inkreisradius = 0;
    // Only where the calculation made the triangle flat: area 0 and no circumcircle.
    bool Flach = false;
};

// Triangle number `dreieck` of a solution, worked out again in long double from the
// values the exercise gives (as typed, not as stored), with the formula that is best
// conditioned for its kind of problem; lengths from 10^-300 to 10^300 stay finite.
Groessen BerechneGroessen(const Loesung& loesung, const Eingabe& eingabe, std::size_t dreieck);

// The quantities as text lines, numbers in the Script's fixed form with the format's mask
// and separator. seitenNamen are the letters of the sides a, b, c; einheit (may be empty)
// follows every length, with "²" for the area. Throws KalotriFehler for a mask that is
// too long, as the Script's value lines do.
std::vector<std::string> GroessenZeilen(const Groessen& groessen,
                                        const std::array<std::string, 3>& seitenNamen,
                                        const Zahlformat& format, std::string_view einheit);

// The derived quantities of every triangle that counts as a solution, for the worked steps
// to arrive at; einheit follows every length there.
Wegangaben WeitereAngaben(const Loesung& loesung, const Eingabe& eingabe,
                          const std::string& einheit);

} // namespace kalotri
