// SPDX-License-Identifier: GPL-3.0-or-later
#include "pruef.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kalotri {
namespace {

struct LeseFall {
    const char* name;
    std::string text;
    std::int32_t status;
    double wert;
};

void PrintTo(const LeseFall& f, std::ostream* os) {
    *os << '"' << f.text << '"';
}

class LiesWertTabelle : public ::testing::TestWithParam<LeseFall> {};

TEST_P(LiesWertTabelle, StatusUndWert) {
    const auto& f = GetParam();
    const TPruef p = LiesWert(f.text);
    EXPECT_EQ(p.Status, f.status);
    EXPECT_EQ(p.Wert, f.wert);
    EXPECT_TRUE(p.Name.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, LiesWertTabelle,
    ::testing::Values(
        LeseFall{"Leer", "", 1, 0}, LeseFall{"NurBlanks", "   ", 2, 0},
        LeseFall{"BlankDavor", " 12", 0, 12}, LeseFall{"BlankDanach", "12 ", 2, 0},
        LeseFall{"Plus", "+5", 0, 5}, LeseFall{"Minus", "-5", 0, -5},
        LeseFall{"Komma", "1,5", 0, 1.5}, LeseFall{"Punkt", "1.5", 0, 1.5},
        LeseFall{"KommaIstKeinTausender", "1,000", 0, 1}, LeseFall{"ZweiKommas", "1,5,0", 2, 0},
        LeseFall{"PunktUndKomma", "1.5,0", 2, 0}, LeseFall{"ExponentKomma", "2,5e2", 0, 250},
        LeseFall{"ExponentPlus", "2.5E+2", 0, 250}, LeseFall{"ExponentMinus", "1e-3", 0, 0.001},
        LeseFall{"PunktAmEnde", "5.", 0, 5}, LeseFall{"PunktAmAnfang", ".5", 0, 0.5},
        LeseFall{"NurPunkt", ".", 0, 0}, LeseFall{"NurKomma", ",", 0, 0},
        LeseFall{"NurExponent", "e5", 0, 0}, LeseFall{"MinusNull", "-0", 0, 0},
        LeseFall{"Unterlauf", "1e-400", 0, 0}, LeseFall{"NurE", "E", 2, 0},
        LeseFall{"ExponentOhneZiffer", "1e", 2, 0}, LeseFall{"ExponentNurVorzeichen", "1e+", 2, 0},
        LeseFall{"NurMinus", "-", 2, 0}, LeseFall{"NurPlus", "+", 2, 0},
        LeseFall{"BlankNachVorzeichen", "- 5", 2, 0}, LeseFall{"DoppeltesMinus", "--5", 2, 0},
        LeseFall{"PlusMinus", "+-5", 2, 0}, LeseFall{"Dollar", "$10", 2, 0},
        LeseFall{"Hex", "0x10", 2, 0}, LeseFall{"BlankAlsGruppierung", "1 000", 2, 0},
        LeseFall{"Tab", "\t5", 2, 0}, LeseFall{"BruchExponent", "1.5e3.2", 2, 0},
        LeseFall{"ZweiExponenten", "1e2e3", 2, 0},
        // Beyond double: refused instead of faulting.
        LeseFall{"Ueberlauf", "1e400", 2, 0}, LeseFall{"KnappUeberlauf", "1.8e308", 2, 0},
        LeseFall{"RiesenExponent", "1e99999999999999999999", 2, 0},
        LeseFall{"RiesenExponentNegativ", "1e-99999999999999999999", 0, 0},
        LeseFall{"GroessterWert", "1.7976931348623157e308", 0, 1.7976931348623157e308},
        LeseFall{"Subnormal", "5e-324", 0, 5e-324},
        LeseFall{"ExponentGleichtAus", "0.0001e4", 0, 1},
        LeseFall{"NullenVorUndNach", "000123.4500", 0, 123.45}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LiesWert, VorzeichenDerNullBleibt) {
    EXPECT_TRUE(std::signbit(LiesWert("-0").Wert));
    EXPECT_TRUE(std::signbit(LiesWert("-1e-400").Wert));
    EXPECT_FALSE(std::signbit(LiesWert("1e-400").Wert));
}

TEST(LiesWert, LangeZiffernfolgenWerdenKorrektGerundet) {
    // The exact midpoint between 1 and the next double, then a tail that tips it up.
    const std::string mitte = "1.00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(LiesWert(mitte).Wert, 1.0);
    EXPECT_EQ(LiesWert(mitte + std::string(900, '0') + "1").Wert, 1.0000000000000002);
    EXPECT_EQ(LiesWert("0." + std::string(990, '0') + "1e991").Wert, 1.0);
    EXPECT_EQ(LiesWert(std::string(999, '9')).Status, StatusFehlerhaft);
}

TEST(LiesWert, LaengerAlsJedeZahlIstFehlerhaft) {
    const std::string eins = "1" + std::string(MaxTextLaenge - 6, '0') + "e-994";
    ASSERT_EQ(eins.size(), MaxTextLaenge);
    EXPECT_EQ(LiesWert(eins).Wert, 1.0);
    EXPECT_EQ(LiesWert("0" + eins).Status, StatusFehlerhaft);
}

TEST(KommaZuPunkt, ErsetztNurKommas) {
    EXPECT_EQ(KommaZuPunkt(",,x, "), "..x. ");
    EXPECT_EQ(KommaZuPunkt("ab 1.5"), "ab 1.5");
    EXPECT_EQ(KommaZuPunkt(""), "");
}

} // namespace
} // namespace kalotri
