// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figur.h"
#include "groessen.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalotri {

// Millimetres in one unit of length: mm, cm, dm, m, km; none for any other text.
std::optional<long double> MmJeEinheit(std::string_view einheit);

// The largest round scale (paper : nature as one number: 1, 2 or 5 times a power of ten)
// that is at most hoechstens.
long double RunderMassstab(long double hoechstens);

// "Maßstab 1 : 2", "Maßstab 5 : 1", and for the far ends "Maßstab 1 : 2·10^305".
std::string MassstabText(long double verhaeltnis);

// The one scale of an exercise's figures, so that its two SSW solutions compare.
struct Massstabswahl {
    long double MmJeLaenge = 0;      // millimetres on paper per unit of length
    std::optional<std::string> Text; // with a unit: what is printed under the figures
};

// With a unit, the largest round scale at which every triangle with its labels fits the
// frame; without one, the largest scale at which all of them fit. Frame and labels in mm;
// every triangle must be Zeichenbar.
Massstabswahl WaehleMassstab(const std::vector<Groessen>& dreiecke,
                             const std::vector<FigurEtiketten>& etiketten, const Rechteck& rahmen,
                             std::string_view einheit,
                             const std::vector<std::optional<Figurlage>>& lagen = {});

} // namespace kalotri
