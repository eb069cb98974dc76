// SPDX-License-Identifier: GPL-3.0-or-later
// The triangles of a calculation as a worksheet draws them: as many as the Script shows,
// consistent with the written values, and for generated exercises shaped so that every
// label finds its place.

#include "erzeuge.h"
#include "figur.h"
#include "loesungen.h"
#include "rechner_testhilfe.h"
#include "winkel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kalotri::test {
namespace {

constexpr long double Grad = EinGrad;

std::vector<Dreieck> Dreiecke(const Eingabe& eingabe) {
    return GeloesteDreiecke(Berechne(eingabe));
}

// The law of sines and the angle sum hold for every triangle that is not flat.
void PruefeStimmig(const Dreieck& d) {
    EXPECT_NEAR(d.Winkel[0] + d.Winkel[1] + d.Winkel[2], 180, 1e-9);
    for (std::size_t i = 1; i < 3 && !IstFlach(d); ++i) {
        EXPECT_NEAR(d.Seiten[i] / std::sin(d.Winkel[i] * Grad),
                    d.Seiten[0] / std::sin(d.Winkel[0] * Grad), 1e-9 * d.Seiten[0]);
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
        {Boxen({{Feld::A, "5"}, {Feld::B, "5"}, {Feld::Alpha, "30"}}), {{5, 5, 8.6603}, {5, 5, 0}}},
        {Boxen({{Feld::C, "10"}, {Feld::Alpha, "30"}, {Feld::Beta, "60"}}), {{5, 8.6603, 10}}},
        {Boxen({{Feld::A, "3"}, {Feld::B, "5"}, {Feld::Alpha, "40"}}), {}},      // Keine Lösung
        {Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "7"}}), {}},           // message
        {Boxen({{Feld::C, "5"}, {Feld::Alpha, "100"}, {Feld::Beta, "80"}}), {}}, // error
    };
    for (const Fall& f : faelle) {
        const Lauf lauf(f.Felder);
        const auto d = Dreiecke(f.Felder);
        ASSERT_EQ(d.size(), f.Seiten.size()) << lauf.Texte().front();
        for (std::size_t i = 0; i < d.size(); ++i) {
            for (std::size_t j = 0; j < 3; ++j) {
                EXPECT_NEAR(d[i].Seiten[j], f.Seiten[i][j], 1e-4);
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
            const auto dreiecke = Dreiecke(a.Felder);
            ASSERT_EQ(static_cast<int>(dreiecke.size()), a.Loesungen);
            for (const Dreieck& d : dreiecke) {
                PruefeStimmig(d);
                for (const long double w : d.Winkel) {
                    EXPECT_GE(w, 10 - 1e-9);
                }
                // Only a very flat obtuse triangle leaves its narrow corners no room;
                // their letters then stand beyond the corner names.
                const Figur f = LegeFigur(d, {0, 0, 75, 45}, e);
                const long double stumpf = std::max({d.Winkel[0], d.Winkel[1], d.Winkel[2]});
                for (std::size_t i = 0; i < 3 && stumpf < 140; ++i) {
                    EXPECT_FALSE(f.WinkelAussen[i]) << "seed " << seed << ", " << stumpf;
                }
            }
        }
    }
}

} // namespace
} // namespace kalotri::test
