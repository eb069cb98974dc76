// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of solved triangles: corners to scale with the longest side at the bottom, the
// whole figure in its frame, and labels where they belong without covering each other.

#include "figur.h"

#include "gerechnet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kalotri {
namespace {

// Labels about the size of 8-point text on a frame of 80 by 55 mm (units: mm).
FigurEtiketten Etiketten() {
    FigurEtiketten e;
    e.Ecken.fill({2.5, 3.2});
    e.Seiten.fill({{15, 3.2}, {2.2, 3.2}});
    e.Winkel.fill({{14, 3.2}, {2.2, 3.2}});
    e.Abstand = 1;
    return e;
}
const Rechteck Rahmen{10, 20, 80, 55};
// The frame as the checks see it: centring may round a hair beyond the exact border.
const Rechteck Innen{Rahmen.x - 1e-9, Rahmen.y - 1e-9, Rahmen.Breite + 2e-9, Rahmen.Hoehe + 2e-9};

// Whether the rectangle covers any point of the triangle (its inside or its sides).
// At the passing scale, as the sheet lays its figures out.
Figur Gelegt(const Groessen& g) {
    return LegeFigur(g, Rahmen, Etiketten(), PassenderMassstab(g, Rahmen, Etiketten()));
}

bool BeruehrtDreieck(const Rechteck& r, const std::array<Punkt, 3>& p) {
    // Separating axes: the rectangle's two axes and the three sides' normals.
    const auto trennt = [&](Punkt n) {
        double rMin = INFINITY, rMax = -INFINITY, dMin = INFINITY, dMax = -INFINITY;
        for (int e = 0; e < 4; ++e) {
            rMin = std::min(rMin, Skalar(r.Ecke(e), n));
            rMax = std::max(rMax, Skalar(r.Ecke(e), n));
        }
        for (const Punkt& q : p) {
            dMin = std::min(dMin, Skalar(q, n));
            dMax = std::max(dMax, Skalar(q, n));
        }
        return rMax <= dMin || dMax <= rMin;
    };
    if (trennt({1, 0}) || trennt({0, 1})) {
        return false;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        const Punkt d = p[(i + 1) % 3] - p[i];
        if (trennt({-d.y, d.x})) {
            return false;
        }
    }
    return true;
}

int aussen = 0; // angle labels that found no room inside their corner

void PruefeFigur(const Groessen& d, const Figur& f) {
    const auto& p = f.Ecken;
    for (std::size_t i = 0; i < 3; ++i) {
        const double laenge = Laenge(p[(i + 1) % 3] - p[(i + 2) % 3]);
        EXPECT_NEAR(laenge, f.Massstab * d.Seiten[i], 1e-9 * Rahmen.Breite);
    }
    // The longest side is the base: horizontal, and no corner below it.
    std::size_t k = 0;
    for (std::size_t i = 1; i < 3; ++i) {
        k = d.Seiten[i] >= d.Seiten[k] ? i : k;
    }
    const Punkt l = p[(k + 1) % 3], r = p[(k + 2) % 3];
    EXPECT_NEAR(l.y, r.y, 1e-9);
    EXPECT_LE(p[k].y, l.y + 1e-9);

    std::vector<Rechteck> alle;
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(Innen.Enthaelt(f.EckenEtiketten[i]));
        EXPECT_TRUE(Innen.Enthaelt(f.SeitenEtiketten[i]));
        alle.push_back(f.EckenEtiketten[i]);
        alle.push_back(f.SeitenEtiketten[i]);
        if (!f.Flach) {
            EXPECT_FALSE(BeruehrtDreieck(f.EckenEtiketten[i], p));
            EXPECT_FALSE(BeruehrtDreieck(f.SeitenEtiketten[i], p));
            ASSERT_TRUE(f.WinkelEtiketten[i]);
            const Rechteck& w = *f.WinkelEtiketten[i];
            EXPECT_TRUE(Innen.Enthaelt(w));
            // Inside means within the triangle; a label beyond its corner touches nothing.
            EXPECT_EQ(BeruehrtDreieck(w, p), !f.WinkelAussen[i]);
            alle.push_back(w);
            aussen += f.WinkelAussen[i] ? 1 : 0;
        }
    }
    for (std::size_t i = 0; i < alle.size(); ++i) {
        for (std::size_t j = i + 1; j < alle.size(); ++j) {
            EXPECT_FALSE(alle[i].Schneidet(alle[j])) << i << " " << j;
        }
    }
}

TEST(Figur, ZufallsdreieckeMassstaeblichUndUeberschneidungsfrei) {
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> winkel(10, 150), seite(1, 20);
    for (int i = 0; i < 3000; ++i) {
        const long double alpha = winkel(rng);
        if (alpha > 160) {
            continue;
        }
        const long double beta = std::uniform_real_distribution<double>(10, 170 - alpha)(rng);
        const Groessen d = AusWinkeln(seite(rng), alpha, beta);
        const Figur f = Gelegt(d);
        ASSERT_FALSE(f.Flach);
        const int vorher = aussen;
        PruefeFigur(d, f);
        // Only slivers around a very obtuse angle leave a corner without room inside.
        if (180 - alpha - beta < 140 && alpha < 140 && beta < 140) {
            EXPECT_EQ(aussen, vorher);
        }
        if (HasFailure()) {
            FAIL() << "alpha " << alpha << " beta " << beta;
        }
    }
}

TEST(Figur, AngleLabelFallsBackToTheLetterInNarrowCorners) {
    // A needle: the 10-degree apex has no room for "α = 10°" but does for "α".
    const Groessen d = AusWinkeln(3, 10, 85);
    const Figur f = Gelegt(d);
    PruefeFigur(d, f);
    EXPECT_EQ(f.WinkelVariante[0], 1);
    EXPECT_GT(f.BogenRadius[0], 0);
}

// A word problem's figure stands as its sketch: the side asked for level, the corner asked
// for at its left, the third corner above or below; a sliver over its short side too.
TEST(Figur, LageWieVerlangt) {
    const Groessen spitz = Gerechnet(test::Boxen({{Feld::A, "7"}, {Feld::B, "5"}, {Feld::C, "6"}}));
    const Groessen nadel = AusWinkeln(10, 8, 20); // tower-like: a short base, a far apex
    for (const Groessen& g : {spitz, nadel}) {
        for (std::size_t basis = 0; basis < 3; ++basis) {
            for (const std::size_t links : {(basis + 1) % 3, (basis + 2) % 3}) {
                for (const bool oben : {true, false}) {
                    const Figurlage lage{basis, links, oben};
                    const Figur f =
                        LegeFigur(g, Rahmen, Etiketten(),
                                  PassenderMassstab(g, Rahmen, Etiketten(), lage), lage);
                    const std::size_t rechts = 3 - basis - links;
                    const Punkt l = f.Ecken[links], r = f.Ecken[rechts], s = f.Ecken[basis];
                    EXPECT_NEAR(l.y, r.y, 1e-9);
                    EXPECT_LT(l.x, r.x);
                    EXPECT_EQ(s.y < l.y, oben) << basis << links; // page y runs down
                    // Still to scale: the base as long as the side it is.
                    EXPECT_NEAR((r.x - l.x) / static_cast<double>(g.Seiten[basis]),
                                static_cast<double>(f.Massstab), 1e-9);
                    EXPECT_TRUE(Innen.Enthaelt(Umriss(f))) << basis << links << oben;
                }
            }
        }
    }
}

TEST(Figur, FlachesDreieckAlsStrecke) {
    // SWS 3, 4 and 180 degrees; an SSW triangle too thin to draw (its angle β is 3E-11°).
    for (const Groessen& d :
         {Gerechnet(test::Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::Gamma, "180"}})),
          Gerechnet(test::Boxen({{Feld::A, "1E12"}, {Feld::B, "1"}, {Feld::Alpha, "30"}}))}) {
        const Figur f = Gelegt(d);
        EXPECT_TRUE(f.Flach);
        for (const Punkt& q : f.Ecken) {
            EXPECT_NEAR(q.y, f.Ecken[0].y, 1e-9);
        }
        PruefeFigur(d, f);
    }
}

} // namespace
} // namespace kalotri
