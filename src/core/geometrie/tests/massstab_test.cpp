// SPDX-License-Identifier: GPL-3.0-or-later
// Scales of figures: round values only, written as a school writes them, and one scale
// for the triangles of one exercise.

#include "massstab.h"

#include "gerechnet.h"

#include <gtest/gtest.h>

namespace kalotri {
namespace {

TEST(Massstab, RundeWerteUndIhreTexte) {
    EXPECT_EQ(RunderMassstab(0.7L), 0.5L);
    EXPECT_EQ(RunderMassstab(1), 1);
    EXPECT_EQ(RunderMassstab(19.9L), 10);
    EXPECT_NEAR(RunderMassstab(3e-7L), 2e-7L, 1e-20L);
    EXPECT_NEAR(RunderMassstab(4.2e-302L) / 2e-302L, 1, 1e-15L);
    EXPECT_EQ(MassstabText(0.5L), "Maßstab 1 : 2");
    EXPECT_EQ(MassstabText(1), "Maßstab 1 : 1");
    EXPECT_EQ(MassstabText(5), "Maßstab 5 : 1");
    EXPECT_EQ(MassstabText(1e-4L), "Maßstab 1 : 10000");
    EXPECT_EQ(MassstabText(5e-18L), "Maßstab 1 : 2·10^17");
    EXPECT_EQ(MmJeEinheit("km"), 1e6L);
    EXPECT_FALSE(MmJeEinheit("Meter"));
}

TEST(Massstab, EinerFuerAlleDreieckeEinerAufgabe) {
    FigurEtiketten e;
    e.Ecken.fill({2.8, 3.3});
    e.Seiten.fill({{16, 3.3}, {2.5, 3.3}});
    e.Winkel.fill({{18, 3.3}, {2.5, 3.3}});
    e.Abstand = 1;
    const Rechteck rahmen{0, 0, 75, 55};
    // 3, 4, 5 cm: 50 mm fit at 1 : 1; a second, larger triangle takes both to 1 : 2.
    const Groessen klein = AusWinkeln(3, 36.87L, 53.13L);
    const Massstabswahl eins = WaehleMassstab({klein}, {e}, rahmen, "cm");
    EXPECT_EQ(eins.MmJeLaenge, 10);
    EXPECT_EQ(eins.Text, "Maßstab 1 : 1");
    const Groessen gross = AusWinkeln(9, 36.87L, 53.13L);
    const Massstabswahl beide = WaehleMassstab({klein, gross}, {e, e}, rahmen, "cm");
    EXPECT_EQ(beide.Text, "Maßstab 1 : 5");
    // Without a unit the fitted scale of the larger one, no text.
    const Massstabswahl ohne = WaehleMassstab({klein, gross}, {e, e}, rahmen, "");
    EXPECT_FALSE(ohne.Text);
    EXPECT_NEAR(ohne.MmJeLaenge, PassenderMassstab(gross, rahmen, e), 1e-12L);
    EXPECT_GT(ohne.MmJeLaenge * 15, 60);
}

} // namespace
} // namespace kalotri
