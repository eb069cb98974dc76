// SPDX-License-Identifier: GPL-3.0-or-later
// Derived quantities of calculated triangles, worked out again from the given values:
// known triangles, the identities that tie them together, flat triangles, lengths at the
// ends of the range, and the lines as written.

#include "groessen.h"

#include "gerechnet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace kalotri {
namespace {

using test::Boxen;

const Eingabe SSS345 = Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "5"}});
// SWS 3, 4 and 180 degrees; the second SSW solution of 5, 5 and 30 degrees, whose side c
// shrinks to 0.
const Eingabe GestrecktSWS = Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::Gamma, "180"}});

TEST(Groessen, RechtwinkligesDreieck345) {
    const Groessen g = Gerechnet(SSS345);
    EXPECT_NEAR(g.Umfang, 12, 1e-15);
    EXPECT_NEAR(g.Flaeche, 6, 1e-15);
    EXPECT_NEAR(*g.Hoehen[0], 4, 1e-15);
    EXPECT_NEAR(*g.Hoehen[1], 3, 1e-15);
    EXPECT_NEAR(*g.Hoehen[2], 2.4L, 1e-15);
    EXPECT_NEAR(*g.Umkreisradius, 2.5L, 1e-15);
    EXPECT_NEAR(g.Inkreisradius, 1, 1e-15);
}

TEST(Groessen, IdentitaetenUeberZufallsdreiecke) {
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> winkel(1, 120), seite(0.1, 50);
    for (int i = 0; i < 2000; ++i) {
        const long double alpha = winkel(rng);
        const long double beta = std::uniform_real_distribution<double>(1, 179 - alpha)(rng);
        const Groessen g = AusWinkeln(seite(rng), alpha, beta);
        const long double toleranz = 1e-12L * g.Seiten[0] * g.Seiten[0];
        // Area from two sides and their angle; circumradius from the law of sines.
        EXPECT_NEAR(g.Flaeche, g.Seiten[1] * g.Seiten[2] * std::sin(alpha * Grad) / 2, toleranz);
        EXPECT_NEAR(*g.Umkreisradius * 2 * std::sin(alpha * Grad), g.Seiten[0],
                    1e-12L * g.Seiten[0]);
        for (std::size_t j = 0; j < 3; ++j) {
            EXPECT_NEAR(*g.Hoehen[j] * g.Seiten[j] / 2, g.Flaeche, toleranz);
        }
        EXPECT_NEAR(g.Inkreisradius * g.Umfang / 2, g.Flaeche, toleranz);
    }
}

TEST(Groessen, FlachesDreieckHatKeinenUmkreis) {
    const Groessen g = Gerechnet(GestrecktSWS);
    EXPECT_TRUE(g.Flach);
    EXPECT_EQ(g.Flaeche, 0);
    EXPECT_FALSE(g.Umkreisradius);
    EXPECT_EQ(g.Inkreisradius, 0);
    EXPECT_EQ(*g.Hoehen[2], 0);
}

TEST(Groessen, AusDenGetipptenWertenGenauUndInJederGroessenordnung) {
    // Typed as decimals, 0.1 + 0.2 is 0.3 exactly: the triangle 0.1, 0.2, 0.3 is flat
    // even though the doubles of the calculation make it a sliver.
    const Groessen flach = Gerechnet(Boxen({{Feld::A, "0.1"}, {Feld::B, "0.2"}, {Feld::C, "0.3"}}));
    if (flach.Seiten[0] > 0) {
        EXPECT_EQ(flach.Flaeche, 0);
    }
    // The same right triangle at the ends of the range: every quantity scales with it and
    // stays finite.
    for (const char* e : {"e-300", "", "e300"}) {
        const std::string s = e;
        const Groessen g =
            Gerechnet(Boxen({{Feld::A, "3" + s}, {Feld::B, "4" + s}, {Feld::C, "5" + s}}));
        const long double einheit = std::stold("1" + s);
        EXPECT_NEAR(g.Umfang / einheit, 12, 1e-15L) << e;
        EXPECT_NEAR(*g.Umkreisradius / einheit, 2.5L, 1e-15L) << e;
        EXPECT_NEAR(g.Inkreisradius / einheit, 1, 1e-15L) << e;
        EXPECT_TRUE(std::isfinite(g.Flaeche)) << e;
    }
    // Nothing for a triangle the calculation did not find.
    EXPECT_EQ(Gerechnet(SSS345, 1).Umfang, 0);
    EXPECT_EQ(Gerechnet(Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "8"}})).Umfang, 0);
}

TEST(Groessen, ZeilenInFesterFormMitEinheit) {
    const Groessen g = Gerechnet(SSS345);
    const std::vector<std::string> erwartet = {"Umfang: 12,000 cm",      "Flächeninhalt: 6,000 cm²",
                                               "Höhe auf x: 4,000 cm",   "Höhe auf b: 3,000 cm",
                                               "Höhe auf c: 2,400 cm",   "Umkreisradius: 2,500 cm",
                                               "Inkreisradius: 1,000 cm"};
    EXPECT_EQ(GroessenZeilen(g, {"x", "b", "c"}, {"0.000", ","}, "cm"), erwartet);
    const auto ohne = GroessenZeilen(Gerechnet(GestrecktSWS), {"a", "b", "c"}, {"0.0", "."}, "");
    EXPECT_EQ(ohne.front(), "Umfang: 14.0");
    EXPECT_EQ(ohne[5], "Umkreisradius: keiner (flaches Dreieck)");
}

} // namespace
} // namespace kalotri
