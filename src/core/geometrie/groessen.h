// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dreieck.h"
#include "zahlform.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalotri {

// What else a solved triangle offers beyond its sides and angles.
struct Groessen {
    long double Umfang = 0;
    long double Flaeche = 0;
    // The height onto each side; none onto a side of length 0.
    std::array<std::optional<long double>, 3> Hoehen;
    // A flat triangle has no circumcircle.
    std::optional<long double> Umkreisradius;
    long double Inkreisradius = 0;
};

// Computed from the sides alone (Heron in its stable ordering), so that rounded angles do
// not enter; a flat triangle has area 0 exactly.
Groessen BerechneGroessen(const Dreieck& dreieck);

// The quantities as text lines, numbers in the Script's fixed form with the format's mask
// and separator. seitenNamen are the letters of the sides a, b, c; einheit (may be empty)
// follows every length, with "²" for the area. Throws KalotriFehler for a mask that is
// too long, as the Script's value lines do.
std::vector<std::string> GroessenZeilen(const Groessen& groessen,
                                        const std::array<std::string, 3>& seitenNamen,
                                        const Zahlformat& format, std::string_view einheit);

} // namespace kalotri
