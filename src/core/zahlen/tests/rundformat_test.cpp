// SPDX-License-Identifier: GPL-3.0-or-later
#include "dezimalen.h"
#include "rundformat.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kalotri {
namespace {

struct GanzFall {
    const char* name;
    const char* text;
    std::optional<std::int32_t> wert;
};

class LiesGanzzahlTabelle : public ::testing::TestWithParam<GanzFall> {};

TEST_P(LiesGanzzahlTabelle, Wert) {
    EXPECT_EQ(LiesGanzzahl(GetParam().text), GetParam().wert);
}

INSTANTIATE_TEST_SUITE_P(
    Texte, LiesGanzzahlTabelle,
    ::testing::Values(
        GanzFall{"Ziffer", "3", 3}, GanzFall{"BlankDavor", " 3", 3}, GanzFall{"Plus", "+3", 3},
        GanzFall{"Minus", "-2", -2}, GanzFall{"Null", "0", 0},
        GanzFall{"FuehrendeNullen", "007", 7}, GanzFall{"Dollar", "$A", 10},
        GanzFall{"NullX", "0x10", 16}, GanzFall{"X", "x1F", 31}, GanzFall{"GrossX", "0X1f", 31},
        GanzFall{"MinusHex", "-$A", -10}, GanzFall{"HexGroesste", "$7FFFFFFF", 2147483647},
        GanzFall{"HexKleinste", "-0x80000000", -2147483647 - 1},
        GanzFall{"HexZuGross", "$80000000", std::nullopt},
        GanzFall{"HexZuGrossNegativ", "-$FFFFFFFF", std::nullopt},
        GanzFall{"Groesste", "2147483647", 2147483647},
        GanzFall{"Kleinste", "-2147483648", -2147483647 - 1}, GanzFall{"Leer", "", std::nullopt},
        GanzFall{"NurBlanks", "  ", std::nullopt}, GanzFall{"Dezimalbruch", "3.5", std::nullopt},
        GanzFall{"BlankDanach", "3 ", std::nullopt}, GanzFall{"Buchstaben", "abc", std::nullopt},
        GanzFall{"NurMinus", "-", std::nullopt},
        GanzFall{"BlankNachVorzeichen", "- 3", std::nullopt},
        GanzFall{"HexOhneZiffer", "0x", std::nullopt},
        GanzFall{"HexZuLang", "$100000000", std::nullopt},
        GanzFall{"HexImDezimalen", "1A", std::nullopt},
        GanzFall{"Zuviel", "2147483648", std::nullopt},
        GanzFall{"ZuwenigNegativ", "-2147483649", std::nullopt},
        GanzFall{"Riesig", "99999999999999999999999", std::nullopt},
        GanzFall{"Tab", "\t3", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaskeFuerAnzahl, NullenNachDemPunkt) {
    EXPECT_EQ(MaskeFuerAnzahl(3), "0.000");
    EXPECT_EQ(MaskeFuerAnzahl(1), "0.0");
    EXPECT_EQ(MaskeFuerAnzahl(0), "0.");
    EXPECT_EQ(MaskeFuerAnzahl(-2), "0.");
    EXPECT_EQ(MaskeFuerAnzahl(222).size(), 224u);
    EXPECT_EQ(MaskeFuerAnzahl(223).size(), 225u);
    // Still too long to be accepted, but no gigabytes.
    EXPECT_EQ(MaskeFuerAnzahl(2147483647).size(), 225u);
}

TEST(Dezimalen, TextBereichMaskeUndHalbeEinheit) {
    EXPECT_EQ(Dezimalen::Lies("12")->Maske(), "0.000000000000");
    EXPECT_EQ(Dezimalen::Lies("$A")->Anzahl(), 10);
    // Typed into the window's box a negative count means none.
    EXPECT_EQ(Dezimalen::Lies("-2")->Maske(), "0.");
    EXPECT_EQ(Dezimalen::Lies("-2")->Geschrieben(), 0);
    EXPECT_EQ(Dezimalen::Lies("-2")->HalbeEinheit(), 0.5);
    for (const std::string text : {"", "3.5", "%s%n"}) {
        EXPECT_FALSE(Dezimalen::Lies(text)) << text;
        EXPECT_EQ(Dezimalen::FehlerText(text), "'" + text + "' ist kein gültiger Integerwert");
    }
    EXPECT_EQ(Dezimalen::Begrenzt(0).Anzahl(), 1);
    EXPECT_EQ(Dezimalen::Begrenzt(7).Anzahl(), 7);
    EXPECT_EQ(Dezimalen::Begrenzt(2147483647).Anzahl(), 10);
    EXPECT_DOUBLE_EQ(Dezimalen(3).HalbeEinheit(), 0.0005);
    // As many as a mask holds, however many were asked for.
    EXPECT_EQ(Dezimalen(2147483647).Geschrieben(), 223);
}

} // namespace
} // namespace kalotri
