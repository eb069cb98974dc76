// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dreieck.h"
#include "ebene.h"

#include <array>
#include <optional>
#include <vector>

namespace kalotri {

// The sizes of the labels a figure shows, measured by whoever draws them, in page units.
struct FigurEtiketten {
    std::array<Ausmass, 3> Ecken;  // corner names, opposite sides a, b, c
    std::array<Ausmass, 3> Seiten; // side labels a, b, c
    // For each angle the label texts in order of preference (say "α = 40°", then "α");
    // the first that fits inside its corner is taken.
    std::array<std::vector<Ausmass>, 3> Winkel;
    double Abstand = 0; // gap between a label and the lines it belongs to
};

// A solved triangle laid out to scale in a frame, with its labels: side labels outside
// their sides, corner names outside their corners, angle labels inside their corners (or,
// in a sliver without room, beyond the corner name), and no label over another.
struct Figur {
    std::array<Punkt, 3> Ecken; // corners opposite sides a, b, c
    std::array<Rechteck, 3> EckenEtiketten;
    std::array<Rechteck, 3> SeitenEtiketten;
    std::array<std::optional<Rechteck>, 3> WinkelEtiketten; // none when flat
    std::array<bool, 3> WinkelAussen{};  // no room inside: beyond the corner name instead
    std::array<int, 3> WinkelVariante{}; // which of the texts was taken
    std::array<double, 3> BogenRadius{}; // angle arc; 0 for none
    double Massstab = 0;                 // page units per unit of length
    bool Flach = false;                  // drawn as a segment
};

// The longest side lies horizontal at the bottom (side c when it ties), the third corner
// above it; one scale for both directions; the whole figure centred in the frame, or only
// across it and at its top when obenBuendig.
Figur LegeFigur(const Dreieck& dreieck, const Rechteck& rahmen, const FigurEtiketten& etiketten,
                bool obenBuendig = false);

// The smallest rectangle holding the figure's lines and labels.
Rechteck Umriss(const Figur& figur);

} // namespace kalotri
