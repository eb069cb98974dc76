// SPDX-License-Identifier: GPL-3.0-or-later
// Derived quantities of solved triangles: known triangles, the identities that tie them
// together, the flat triangle, and the lines as written.

#include "groessen.h"

#include "dreieck_testhilfe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kalotri {
namespace {

TEST(Groessen, RechtwinkligesDreieck345) {
    const Groessen g = BerechneGroessen({{3, 4, 5}, {36.87L, 53.13L, 90}});
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
        const Dreieck d = AusWinkeln(seite(rng), alpha, beta);
        const Groessen g = BerechneGroessen(d);
        const long double toleranz = 1e-12L * d.Seiten[0] * d.Seiten[0];
        // Area from two sides and their angle; circumradius from the law of sines.
        EXPECT_NEAR(g.Flaeche, d.Seiten[1] * d.Seiten[2] * std::sin(alpha * Grad) / 2, toleranz);
        EXPECT_NEAR(*g.Umkreisradius * 2 * std::sin(alpha * Grad), d.Seiten[0],
                    1e-12L * d.Seiten[0]);
        for (std::size_t j = 0; j < 3; ++j) {
            EXPECT_NEAR(*g.Hoehen[j] * d.Seiten[j] / 2, g.Flaeche, toleranz);
        }
        EXPECT_NEAR(g.Inkreisradius * g.Umfang / 2, g.Flaeche, toleranz);
    }
}

TEST(Groessen, FlachesDreieckHatKeinenUmkreis) {
    // SWS 3, 4 and 180 degrees, and the second SSW solution of 5, 5 and 30 degrees,
    // whose side c shrinks to 0.
    const Groessen g = BerechneGroessen({{3, 4, 7}, {0, 0, 180}});
    EXPECT_EQ(g.Flaeche, 0);
    EXPECT_FALSE(g.Umkreisradius);
    EXPECT_EQ(g.Inkreisradius, 0);
    EXPECT_EQ(*g.Hoehen[2], 0);
    const Groessen h = BerechneGroessen({{5, 5, 0}, {30, 150, 0}});
    EXPECT_FALSE(h.Hoehen[2]);
    EXPECT_EQ(*h.Hoehen[0], 0);
    EXPECT_EQ(h.Umfang, 10);
}

TEST(Groessen, ZeilenInFesterFormMitEinheit) {
    const Groessen g = BerechneGroessen({{3, 4, 5}, {36.87L, 53.13L, 90}});
    const std::vector<std::string> erwartet = {"Umfang: 12,000 cm",      "Flächeninhalt: 6,000 cm²",
                                               "Höhe auf x: 4,000 cm",   "Höhe auf b: 3,000 cm",
                                               "Höhe auf c: 2,400 cm",   "Umkreisradius: 2,500 cm",
                                               "Inkreisradius: 1,000 cm"};
    EXPECT_EQ(GroessenZeilen(g, {"x", "b", "c"}, {"0.000", ","}, "cm"), erwartet);
    const auto ohne = GroessenZeilen(BerechneGroessen({{3, 4, 7}, {0, 0, 180}}), {"a", "b", "c"},
                                     {"0.0", "."}, "");
    EXPECT_EQ(ohne.front(), "Umfang: 14.0");
    EXPECT_EQ(ohne[5], "Umkreisradius: keiner (flaches Dreieck)");
}

} // namespace
} // namespace kalotri
