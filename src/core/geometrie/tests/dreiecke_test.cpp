// SPDX-License-Identifier: GPL-3.0-or-later
// The triangles of a calculation as a worksheet draws them: as many as the Script shows,
// consistent with the written values (the law of sines, the angle sum), and for generated
// exercises shaped so that every label finds its place.

#include "erzeuge.h"
#include "figur.h"
#include "gerechnet.h"
#include "groessen.h"
#include "loesung.h"
#include "rechner_testhilfe.h"
#include "winkel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kalotri::test {
namespace {

// The triangles of the result, none after a message or an error.
std::vector<LoesungsDreieck> Dreiecke(const Loesung& l) {
    return l.Ausgangscode == Code::Geloest ? l.Dreiecke : std::vector<LoesungsDreieck>{};
}

// The law of sines and the angle sum hold for every triangle that is not flat.
void PruefeStimmig(const LoesungsDreieck& d) {
    const auto& w = d.Werte;
    EXPECT_NEAR(w[3] + w[4] + w[5], 180, 1e-9);
    for (std::size_t i = 1; i < 3 && !d.Flach; ++i) {
        EXPECT_NEAR(w[i] / std::sin(w[3 + i] * Grad), w[0] / std::sin(w[3] * Grad), 1e-9 * w[0]);
    }
}

TEST(Loesungen, SoVieleDreieckeWieDasScriptZeigt) {
    struct Fall {
        Eingabe Felder;
        std::vector<std::array<double, 3>> Seiten;
    };
    const std::vector<Fall> faelle = {
        {Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "5"}}), {{3, 4, 5}}},
        {Boxen({{Feld::A, "5"}, {Feld::B, "7"}, {Feld::Alpha, "40"}}),
         {{5, 7, 7.5428}, {5, 7, 3.1819}}},
        // Rotation 4 names the same roles with other letters.
        {Boxen({{Feld::A, "7"}, {Feld::B, "5"}, {Feld::Beta, "40"}}),
         {{7, 5, 7.5428}, {7, 5, 3.1819}}},
        {Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::Gamma, "180"}}), {{3, 4, 7}}},
        {Boxen({{Feld::A, "5"}, {Feld::B, "5"}, {Feld::Alpha, "30"}}), {{5, 5, 8.6603}}},
        {Boxen({{Feld::C, "10"}, {Feld::Alpha, "30"}, {Feld::Beta, "60"}}), {{5, 8.6603, 10}}},
        {Boxen({{Feld::A, "3"}, {Feld::B, "5"}, {Feld::Alpha, "40"}}), {}},      // Keine Lösung
        {Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "7"}}), {}},           // message
        {Boxen({{Feld::C, "5"}, {Feld::Alpha, "100"}, {Feld::Beta, "80"}}), {}}, // error
    };
    for (const Fall& f : faelle) {
        const Lauf lauf(f.Felder);
        const auto d = Dreiecke(Berechne(f.Felder));
        ASSERT_EQ(d.size(), f.Seiten.size()) << lauf.Texte().front();
        for (std::size_t i = 0; i < d.size(); ++i) {
            for (std::size_t j = 0; j < 3; ++j) {
                EXPECT_NEAR(d[i].Werte[j], f.Seiten[i][j], 1e-4);
            }
            PruefeStimmig(d[i]);
        }
    }
}

TEST(Loesungen, ErzeugteAufgabenGebenFigurenMitAllenEtikettenAnIhremPlatz) {
    // Label sizes of the sheet's 8-point face in millimetres, a figure column of 75 mm.
    FigurEtiketten e;
    e.Ecken.fill({2.8, 3.3});
    e.Seiten.fill({{16, 3.3}, {2.5, 3.3}});
    e.Winkel.fill({{18, 3.3}, {2.5, 3.3}});
    e.Abstand = 1;
    for (std::uint64_t seed = 0; seed < 300; ++seed) {
        for (const ErzeugteAufgabe& a : Erzeuge(10, {}, seed)) {
            const Loesung l = Berechne(a.Felder);
            const auto dreiecke = Dreiecke(l);
            ASSERT_EQ(static_cast<int>(dreiecke.size()), a.Loesungen);
            for (std::size_t n = 0; n < dreiecke.size(); ++n) {
                const LoesungsDreieck& d = dreiecke[n];
                PruefeStimmig(d);
                for (std::size_t w = 3; w < 6; ++w) {
                    EXPECT_GE(d.Werte[w], 10 - 1e-9);
                }
                // Only a very flat obtuse triangle leaves its narrow corners no room;
                // their letters then stand beyond the corner names.
                const Groessen g = BerechneGroessen(l, a.Felder, n);
                const Rechteck rahmen{0, 0, 75, 45};
                const Figur f = LegeFigur(g, rahmen, e, PassenderMassstab(g, rahmen, e));
                const double stumpf = std::max({d.Werte[3], d.Werte[4], d.Werte[5]});
                for (std::size_t i = 0; i < 3 && stumpf < 140; ++i) {
                    EXPECT_FALSE(f.WinkelAussen[i]) << "seed " << seed << ", " << stumpf;
                }
            }
        }
    }
}

} // namespace
} // namespace kalotri::test
