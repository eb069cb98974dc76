// SPDX-License-Identifier: GPL-3.0-or-later
// The accepted intervals as the practice page uses them, without the quiz around them: the
// routes the worked steps do not take, the branch a pupil cannot know, and the decimals
// at which a 1 % error shows. The full enumeration is checked end to end against an
// independent 40-digit one (tests/tools/pruefe_routen.py).

#include "rechner_testhilfe.h"
#include "routen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kalotri::test {
namespace {

using routen::Fehlerart;
using routen::Spielraum;

const Spielraum& Von(const std::vector<Spielraum>& s, Feld f) {
    for (const Spielraum& x : s) {
        if (x.Groesse == f) {
            return x;
        }
    }
    throw std::logic_error("keine Unbekannte");
}

long double Sin(long double grad) {
    return std::sin(grad * std::numbers::pi_v<long double> / 180);
}

TEST(Routen, EigeneGerundeteSeiteImSinussatzIstRichtig) {
    // a = 14, β = 31°, γ = 71°: the steps take c from a; a pupil may take it from the b
    // just written down, 7.372 (the case that was marked wrong).
    const Loesung l = Berechne(Boxen({{Feld::A, "14"}, {Feld::Beta, "31"}, {Feld::Gamma, "71"}}));
    for (const int d : {3, 10}) {
        const auto s = routen::Spielraeume(l, 0, routen::RundungFuer(d));
        const long double b = routen::RundeAuf(Von(s, Feld::B).Genau, d);
        const long double c = routen::RundeAuf(b * Sin(71) / Sin(31), d);
        EXPECT_NE(c, Von(s, Feld::C).Gerundet) << d;
        EXPECT_TRUE(Von(s, Feld::C).Nimmt(c)) << d;
        EXPECT_TRUE(routen::Trennscharf(s)) << d;
        // The third angle needs no sine: radian mode changes nothing there.
        for (const auto& f : Von(s, Feld::Alpha).Falsche) {
            EXPECT_NE(f.Art, Fehlerart::Bogenmass);
        }
        EXPECT_EQ(Von(s, Feld::C).Falsche.size(), 3U);
    }
}

TEST(Routen, StumpferWinkelNieAusDemSinussatz) {
    // 3, 4, 6: γ is obtuse; its arc sine gives 180° − γ, which no pupil may write.
    const Loesung l = Berechne(Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "6"}}));
    const auto s = routen::Spielraeume(l, 0, routen::RundungFuer(2));
    const Spielraum& gamma = Von(s, Feld::Gamma);
    EXPECT_GT(gamma.Genau, 90);
    EXPECT_TRUE(gamma.Nimmt(gamma.Gerundet));
    EXPECT_FALSE(gamma.Nimmt(routen::RundeAuf(180 - gamma.Genau, 2)));
    EXPECT_GT(gamma.Routen, 10);
}

TEST(Routen, SSWDieAndereLoesungIstFalsch) {
    const Loesung l = Berechne(Boxen({{Feld::A, "5"}, {Feld::B, "7"}, {Feld::Alpha, "40"}}));
    ASSERT_EQ(l.Dreiecke.size(), 2U);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto s = routen::Spielraeume(l, i, routen::RundungFuer(3));
        EXPECT_TRUE(routen::Trennscharf(s)) << i;
        const Spielraum& beta = Von(s, Feld::Beta);
        EXPECT_EQ(beta.Genau > 90, i == 1);
        EXPECT_EQ(beta.Falsche.front().Art, Fehlerart::AndereLoesung);
    }
}

TEST(Routen, GemischtWeitergetragenIstRichtig) {
    // a = 16, b = 18,2, γ = 119°: c = 29,489 carried as written, β = 32,6695 with one
    // decimal more; α = 180° − 119° − 32,6695° = 28,3305° ≈ 28,331°.
    const Loesung l = Berechne(Boxen({{Feld::A, "16"}, {Feld::B, "18,2"}, {Feld::Gamma, "119"}}));
    const auto s = routen::Spielraeume(l, 0, routen::RundungFuer(3));
    EXPECT_TRUE(Von(s, Feld::Alpha).Nimmt(28.331L));
    EXPECT_TRUE(routen::Trennscharf(s));
    // Asked in the worked steps' order, α comes before β: that route is not one then.
    const auto folge =
        routen::Spielraeume(l, 0, routen::RundungFuer(3), routen::Rechenfolge(l.Dreiecke[0]));
    EXPECT_FALSE(Von(folge, Feld::Alpha).Nimmt(28.331L));
}

} // namespace
} // namespace kalotri::test
