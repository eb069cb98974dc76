// SPDX-License-Identifier: GPL-3.0-or-later
#include "fehler.h"
#include "gleitkomma.h"
#include "winkel.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <numbers>

namespace kalotri {
namespace {

template <typename F> std::string FehlerVon(F&& f) {
    try {
        f();
    } catch (const KalotriFehler& e) {
        return e.what();
    }
    return "(kein Fehler)";
}

TEST(Gleitkomma, FehlerTexte) {
    const Lang inf = std::numeric_limits<Lang>::infinity();
    const Lang nan = std::numeric_limits<Lang>::quiet_NaN();
    EXPECT_EQ(FehlerVon([] { Wurzel(-1e-30L); }), CodeText(Code::Ungueltig));
    EXPECT_EQ(FehlerVon([&] { Wurzel(nan); }), CodeText(Code::Ungueltig));
    EXPECT_EQ(FehlerVon([] { Teile(1, 0); }), CodeText(Code::Division));
    EXPECT_EQ(FehlerVon([] { Teile(-1, -0.0L); }), CodeText(Code::Division));
    EXPECT_EQ(FehlerVon([] { Teile(0, 0); }), CodeText(Code::Ungueltig));
    EXPECT_EQ(FehlerVon([&] { Teile(inf, 2); }), CodeText(Code::Ungueltig));
    EXPECT_EQ(FehlerVon([] { Speichere(static_cast<Lang>(DBL_MAX) * 2); }),
              CodeText(Code::Ueberlauf));
    EXPECT_EQ(FehlerVon([&] { Speichere(-inf); }), CodeText(Code::Ungueltig));
}

TEST(Gleitkomma, GueltigeSchritte) {
    EXPECT_EQ(Wurzel(0), 0);
    EXPECT_EQ(Wurzel(2.25L), 1.5L);
    EXPECT_EQ(Teile(0, 5), 0);
    EXPECT_EQ(Teile(1, 4), 0.25L);
    // Just above DBL_MAX, but rounding to it: no overflow.
    EXPECT_EQ(Speichere(static_cast<Lang>(DBL_MAX) * (1 + 1e-18L)), DBL_MAX);
    EXPECT_EQ(Speichere(1e-320L), 1e-320);
}

TEST(Winkel, SonderfaelleLiefernPiHalbeAlsDouble) {
    EXPECT_EQ(ArcSinus(1), 1.5707963267948966);
    EXPECT_EQ(ArcSinus(-1), 1.5707963267948966);
    EXPECT_EQ(ArcCosinus(0), 1.5707963267948966);
    EXPECT_EQ(ArcSinus(0), 0);
    EXPECT_EQ(ArcCosinus(1), 0);
    EXPECT_EQ(ArcCosinus(-1), std::numbers::pi);
}

TEST(Winkel, InnereWerte) {
    // Within one unit in the last place of the true value.
    EXPECT_NEAR(ArcCosinus(-0.5), 2 * std::numbers::pi / 3, 4.5e-16);
    EXPECT_NEAR(ArcSinus(0.5), std::numbers::pi / 6, 1.2e-16);
    EXPECT_NEAR(ArcSinus(-0.5), -std::numbers::pi / 6, 1.2e-16);
    EXPECT_NEAR(ArcCosinus(0.5), std::numbers::pi / 3, 2.3e-16);
    EXPECT_EQ(GradZuBogen(180), std::numbers::pi);
    EXPECT_EQ(BogenZuGrad(std::numbers::pi), 180);
}

TEST(Winkel, HinUndZurueck) {
    for (double grad : {0.001, 1.0, 30.0, 36.87, 45.0, 60.0, 89.999, 90.0, 123.456, 179.9}) {
        EXPECT_NEAR(BogenZuGrad(GradZuBogen(grad)), grad, grad * 2 * DBL_EPSILON) << grad;
    }
}

TEST(Winkel, AusserhalbDesDefinitionsbereichs) {
    EXPECT_EQ(FehlerVon([] { ArcSinus(1.5); }), CodeText(Code::Ungueltig));
    EXPECT_EQ(FehlerVon([] { ArcSinus(-1.0000000000000002); }), CodeText(Code::Ungueltig));
    EXPECT_EQ(FehlerVon([] { ArcCosinus(-2); }), CodeText(Code::Ungueltig));
    EXPECT_EQ(FehlerVon([] { BogenZuGrad(DBL_MAX); }), CodeText(Code::Ueberlauf));
}

TEST(FehlerAnzeige, PunktNurWennNoetig) {
    EXPECT_EQ(FehlerAnzeigeText("Kein Dreieck!"), "Kein Dreieck!");
    EXPECT_EQ(FehlerAnzeigeText("Ende."), "Ende.");
    EXPECT_EQ(FehlerAnzeigeText("Komma,"), "Komma,");
    EXPECT_EQ(FehlerAnzeigeText(CodeText(Code::Ueberlauf)), "Gleitkommaüberlauf.");
    EXPECT_EQ(FehlerAnzeigeText("'' ist kein gültiger Integerwert"),
              "'' ist kein gültiger Integerwert.");
    EXPECT_EQ(FehlerAnzeigeText("Ende/"), "Ende/.");
    EXPECT_EQ(FehlerAnzeigeText(""), ".");
}

} // namespace
} // namespace kalotri
