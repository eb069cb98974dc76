// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ebene.h"
#include "groessen.h"

#include <array>
#include <optional>
#include <vector>

namespace kalotri {

// The sizes of the labels a figure shows, measured by whoever draws them, in page units.
// Side and angle labels come in order of preference (say "a = 7,000", then "a"); the
// last, the letter alone, is taken where no other fits, and the full text then goes into
// the legend under the figure.
struct FigurEtiketten {
    std::array<Ausmass, 3> Ecken; // corner names, opposite sides a, b, c
    std::array<std::vector<Ausmass>, 3> Seiten;
    std::array<std::vector<Ausmass>, 3> Winkel;
    double Abstand = 0; // gap between a label and the lines it belongs to
};

// A solved triangle laid out to scale in a frame, with its labels: side labels outside
// their sides, corner names outside their corners, angle labels inside their corners (or,
// in a sliver without room, beyond the corner name), no label over another, and every
// label that can be in the frame inside it.
struct Figur {
    std::array<Punkt, 3> Ecken; // corners opposite sides a, b, c
    std::array<Rechteck, 3> EckenEtiketten;
    std::array<Rechteck, 3> SeitenEtiketten;
    std::array<std::optional<Rechteck>, 3> WinkelEtiketten; // none when flat
    std::array<bool, 3> WinkelAussen{};  // no room inside: beyond the corner name instead
    std::array<int, 3> SeitenVariante{}; // which of the texts was taken
    std::array<int, 3> WinkelVariante{};
    std::array<double, 3> BogenRadius{}; // angle arc; 0 for none
    long double Massstab = 0;            // page units per unit of length
    bool Flach = false;                  // drawn as a segment

    // Whether side i's or angle i's full text stands in the legend rather than beside the
    // figure: the letter alone was taken for it, or it has no place (a flat angle).
    bool SeiteInLegende(std::size_t i) const { return SeitenVariante[i] > 0; }
    bool WinkelInLegende(std::size_t i) const {
        return !WinkelEtiketten[i] || WinkelVariante[i] > 0;
    }
};

// Where a figure puts its corners (indices of sides and of the corners opposite them):
// side Basis horizontal with corner Links at its left end, the third corner above it or,
// with Oben false, below. A word problem's figure so takes the place of its sketch.
struct Figurlage {
    std::size_t Basis = 2;
    std::size_t Links = 0;
    bool Oben = true;
};

// Whether a triangle can be drawn at all: finite sides, not all of them 0.
bool Zeichenbar(const Groessen& dreieck);

// The largest scale (page units per unit of length) at which the triangle with its
// labels, in their shortest form, fits the frame.
long double PassenderMassstab(const Groessen& dreieck, const Rechteck& rahmen,
                              const FigurEtiketten& etiketten,
                              const std::optional<Figurlage>& lage = std::nullopt);

// The triangle at the given scale: the longest side horizontal at the bottom (side c when
// it ties), the third corner above it (or as `lage` says), centred across the frame and at its top,
// the labels in the frame as far as they fit. The geometry is reduced to the longest side before it
// is scaled, so no coordinate can overflow whatever the lengths.
Figur LegeFigur(const Groessen& dreieck, const Rechteck& rahmen, const FigurEtiketten& etiketten,
                long double massstab, const std::optional<Figurlage>& lage = std::nullopt);

// The smallest rectangle holding the figure's lines and labels.
Rechteck Umriss(const Figur& figur);

} // namespace kalotri
