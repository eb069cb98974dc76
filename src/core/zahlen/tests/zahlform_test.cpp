// SPDX-License-Identifier: GPL-3.0-or-later
#include "fehler.h"
#include "pruef.h"
#include "zahlform.h"
#include "zahlform_lang.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace kalotri {
namespace {

std::string Maske(int dezimalen) {
    return "0." + std::string(dezimalen, '0');
}

struct FestFall {
    const char* name;
    double wert;
    int dezimalen;
    const char* text;
};

class FesteFormTabelle : public ::testing::TestWithParam<FestFall> {};

TEST_P(FesteFormTabelle, MitKomma) {
    const auto& f = GetParam();
    EXPECT_EQ(FesteForm(f.wert, Maske(f.dezimalen), ","), f.text);
}

INSTANTIATE_TEST_SUITE_P(
    Werte, FesteFormTabelle,
    ::testing::Values(FestFall{"Ganz", 5, 3, "5,000"}, FestFall{"ZweiDrittel", 2.0 / 3, 3, "0,667"},
                      FestFall{"Aufrunden", 12.3456, 3, "12,346"},
                      FestFall{"UebertragVorn", 9.9996, 3, "10,000"},
                      FestFall{"KleinAufrunden", 0.0005, 3, "0,001"},
                      FestFall{"DoubleUnterHalbe", 1.0005, 3, "1,000"},
                      FestFall{"NegativeNullOhneMinus", -0.0004, 3, "0,000"},
                      FestFall{"NegativAufrunden", -0.0006, 3, "-0,001"},
                      FestFall{"HalbeWegVonNull", 0.25, 1, "0,3"},
                      FestFall{"NegativeHalbeWegVonNull", -0.25, 1, "-0,3"},
                      FestFall{"DoubleUnter035", 0.35, 1, "0,3"},
                      FestFall{"OhneDezimalen", 2.5, 0, "3"},
                      FestFall{"ZehnDezimalen", 1.0 / 3, 10, "0,3333333333"},
                      FestFall{"Null", 0, 2, "0,00"}, FestFall{"MinusNull", -0.0, 2, "0,00"},
                      FestFall{"UnterDerLetztenStelle", 4e-10, 3, "0,000"},
                      FestFall{"ErsteStelleGibtAus", 0.6, 0, "1"},
                      FestFall{"GrosseZahl", 123456789012345678.0, 2, "123456789012345680,00"},
                      FestFall{"AbEins18Allgemein", 1e18, 3, "1E18"},
                      FestFall{"Unendlich", -std::numeric_limits<double>::infinity(), 3, "-INF"}),
    [](const auto& info) { return std::string(info.param.name); });

struct AllgFall {
    const char* name;
    double wert;
    const char* text;
};

class AllgemeineFormTabelle : public ::testing::TestWithParam<AllgFall> {};

TEST_P(AllgemeineFormTabelle, MitKomma) {
    EXPECT_EQ(AllgemeineForm(GetParam().wert, ","), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Werte, AllgemeineFormTabelle,
    ::testing::Values(
        AllgFall{"Sechzig", 60, "60"}, AllgFall{"FastSechzig", 59.99999999999999, "60"},
        AllgFall{"Bruch", 12.5, "12,5"}, AllgFall{"Drittel", 1.0 / 3, "0,333333333333333"},
        AllgFall{"KleinsteOhneExponent", 0.0001, "0,0001"},
        AllgFall{"Wissenschaftlich", 0.00001, "1E-5"},
        AllgFall{"WissenschaftlichMitBruch", 0.000015, "1,5E-5"},
        AllgFall{"GrossWissenschaftlich", 1e15, "1E15"},
        AllgFall{"GroessteOhneExponent", 999999999999999, "999999999999999"},
        AllgFall{"UebertragErhoehtExponent", 999999999999999.9, "1E15"}, AllgFall{"Null", 0, "0"},
        AllgFall{"MinusNull", -0.0, "0"}, AllgFall{"Negativ", -36.87, "-36,87"},
        AllgFall{"Unendlich", std::numeric_limits<double>::infinity(), "INF"},
        AllgFall{"KeineZahl", std::numeric_limits<double>::quiet_NaN(), "NAN"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FesteForm, MaskenLaenge) {
    EXPECT_NO_THROW(FesteForm(1, Maske(222), ","));
    try {
        FesteForm(1, Maske(223), ",");
        FAIL() << "225 Zeichen lange Maske angenommen";
    } catch (const KalotriFehler& e) {
        EXPECT_STREQ(e.what(), CodeText(Code::FormatZuLang));
    }
}

TEST(FesteForm, ZiffernNachDer18tenSindNull) {
    EXPECT_EQ(FesteForm(1.0 / 3, Maske(222), ","),
              "0," + std::string("333333333333333315") + std::string(204, '0'));
}

TEST(FesteForm, TrennzeichenWirdUnveraendertEingefuegt) {
    EXPECT_EQ(FesteForm(1.5, "0.00", "%s"), "1%s50");
    EXPECT_EQ(AllgemeineForm(1.5, "·"), "1·5");
}

TEST(FesteForm, FremdeMaskenStuerzenNichtAb) {
    EXPECT_EQ(FesteForm(2.5, "", ","), "3");
    EXPECT_EQ(FesteForm(2.5, "#.#0", ","), "2,5");
}

// Reading the text back must land within half a unit of its last decimal (plus the
// 18-digit and double rounding, far below that for the magnitudes drawn here).
TEST(FesteForm, ZurueckgelesenInnerhalbEinerHalbenEinheit) {
    std::mt19937_64 zufall(20240607);
    std::uniform_real_distribution<double> exponent(-6, 6);
    std::uniform_int_distribution<int> dezimalen(0, 10);
    for (int i = 0; i < 20000; ++i) {
        const double x = (i % 2 ? -1 : 1) * std::pow(10.0, exponent(zufall));
        const int n = dezimalen(zufall);
        const std::string text = FesteForm(x, Maske(n), ",");
        const auto komma = text.find(',');
        ASSERT_EQ(komma == std::string::npos ? 0 : text.size() - komma - 1, std::size_t(n)) << text;
        const TPruef p = LiesWert(text);
        ASSERT_EQ(p.Status, StatusGegeben) << text;
        const double toleranz = 0.5 * std::pow(10.0, -n) * (1 + 1e-12) + std::fabs(x) * 4e-16;
        ASSERT_LE(std::fabs(p.Wert - x), toleranz) << x << " mit " << n << ": " << text;
    }
}

// The long double form: the same texts as the fixed form wherever a double holds the
// value, its own digits beyond, and magnitudes past double's range written out.
TEST(FesteFormLang, WieDieFesteFormUndDarueberHinaus) {
    std::mt19937_64 zufall(16);
    std::uniform_real_distribution<double> exponent(-6, 12);
    for (int i = 0; i < 5000; ++i) {
        const double x = std::pow(10.0, exponent(zufall));
        ASSERT_EQ(FesteFormLang(x, "0.000", ","), FesteForm(x, "0.000", ",")) << x;
    }
    EXPECT_EQ(FesteFormLang(0.0625L, "0.000", ","), "0,063");
    EXPECT_EQ(FesteFormLang(-0.0004L, "0.000", ","), "0,000");
    EXPECT_EQ(FesteFormLang(5773502691896.2576L, "0.000", ","), "5773502691896,258");
    EXPECT_EQ(FesteFormLang(4.33e599L, "0.000", ","), "4,33E599");
    EXPECT_EQ(FesteFormLang(-1.25e-700L, "0.00", "."), "0.00");
    EXPECT_THROW(FesteFormLang(1, "0." + std::string(300, '0'), ","), KalotriFehler);
}

} // namespace
} // namespace kalotri
