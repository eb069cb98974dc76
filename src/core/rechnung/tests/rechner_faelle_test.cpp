// SPDX-License-Identifier: GPL-3.0-or-later
// The five cases: the lines after "Berechnet:" with their faces, for the worked examples,
// every rotation, the edge cases, and the results that are no triangle.

#include "fehler.h"
#include "rechner_testhilfe.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kalotri::test {
namespace {

using F = Feld;

struct Fall {
    const char* name;
    Eingabe eingabe;
    std::vector<ScriptZeile> berechnet;
    std::optional<std::string> fehler = std::nullopt;
    bool nurAnfang = false; // only the first lines are checked
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class Faelle : public ::testing::TestWithParam<Fall> {};

TEST_P(Faelle, ZeilenNachBerechnet) {
    const Fall& f = GetParam();
    Lauf lauf(f.eingabe);
    EXPECT_FALSE(lauf.ausgang.Meldung.has_value());
    EXPECT_EQ(lauf.ausgang.Fehler, f.fehler);
    std::vector<ScriptZeile> ist = lauf.Berechnet();
    if (f.nurAnfang && ist.size() > f.berechnet.size()) {
        ist.resize(f.berechnet.size());
    }
    EXPECT_EQ(ist, f.berechnet);
}

std::string Name(const ::testing::TestParamInfo<Fall>& info) {
    return info.param.name;
}

// The six lines of one SSW solution with the sine-rule angle, angle-sum angle and side.
std::vector<ScriptZeile> SSW(const std::string& sw, const std::string& sinus, const std::string& gw,
                             const std::string& summe, const std::string& sn,
                             const std::string& seite) {
    return {Sym(sw + ":"), Ari(sinus + "° (Sinussatz)"),
            Sym(gw + ":"), Ari(summe + "° (Winkelsumme)"),
            Ari(sn + ":"), Ari(seite + " (Cosinussatz)")};
}

std::vector<ScriptZeile> Zwei(std::vector<ScriptZeile> erste, std::vector<ScriptZeile> zweite) {
    std::vector<ScriptZeile> z{Ari("1. Lösung:")};
    z.insert(z.end(), erste.begin(), erste.end());
    z.push_back(Ari("2. Lösung:"));
    z.insert(z.end(), zweite.begin(), zweite.end());
    return z;
}

const std::vector<ScriptZeile> KeineLoesung = {Ari("Keine Lösung")};

INSTANTIATE_TEST_SUITE_P(
    SSS, Faelle,
    ::testing::Values(
        Fall{"Zwei_Drei_Vier",
             Boxen({{F::A, "2"}, {F::B, "3"}, {F::C, "4"}}),
             {Sym("a:"), Ari("28,955° (Cosinussatz)"), Sym("b :"), Ari("46,567° (Cosinussatz)"),
              Sym("g :"), Ari("104,478° (Winkelsumme, besser: Cosinussatz)")}},
        Fall{"Gleichseitig",
             Boxen({{F::A, "1"}, {F::B, "1"}, {F::C, "1"}}),
             {Sym("a:"), Ari("60,000° (Cosinussatz)"), Sym("b :"), Ari("60,000° (Cosinussatz)"),
              Sym("g :"), Ari("60,000° (Winkelsumme, besser: Cosinussatz)")}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    SWS, Faelle,
    ::testing::Values(Fall{"Rotation1",
                           Boxen({{F::A, "3"}, {F::B, "4"}, {F::Gamma, "90"}}),
                           {Ari("c:"), Ari("5,000 (Cosinussatz)"), Sym("a:"),
                            Ari("36,870° (Cosinussatz)"), Sym("b:"), Ari("53,130° (Winkelsumme)")}},
                      Fall{"Rotation2",
                           Boxen({{F::A, "3"}, {F::C, "4"}, {F::Beta, "90"}}),
                           {Ari("b:"), Ari("5,000 (Cosinussatz)"), Sym("g:"),
                            Ari("53,130° (Cosinussatz)"), Sym("a:"), Ari("36,870° (Winkelsumme)")}},
                      Fall{"Rotation3",
                           Boxen({{F::B, "5"}, {F::C, "8"}, {F::Alpha, "60"}}),
                           {Ari("a:"), Ari("7,000 (Cosinussatz)"), Sym("b:"),
                            Ari("38,213° (Cosinussatz)"), Sym("g:"), Ari("81,787° (Winkelsumme)")}},
                      Fall{"Flach",
                           Boxen({{F::A, "3"}, {F::B, "4"}, {F::Gamma, "180"}}),
                           {Ari("c:"), Ari("7,000 (Cosinussatz)"), Sym("a:"),
                            Ari("0,000° (Cosinussatz)"), Sym("b:"), Ari("0,000° (Winkelsumme)")}},
                      Fall{"FlachKlein",
                           Boxen({{F::A, "0.1"}, {F::B, "0.2"}, {F::Gamma, "180"}}),
                           {Ari("c:"), Ari("0,300 (Cosinussatz)"), Sym("a:"),
                            Ari("0,000° (Cosinussatz)"), Sym("b:"), Ari("0,000° (Winkelsumme)")}},
                      // Rounding puts the cosine argument just past 1 here; it is pulled back.
                      Fall{"FlachGerundetUeberEins",
                           Boxen({{F::A, "0.2"}, {F::B, "0.1"}, {F::Gamma, "180"}}),
                           {Ari("c:"), Ari("0,300 (Cosinussatz)"), Sym("a:"),
                            Ari("0,000° (Cosinussatz)"), Sym("b:"), Ari("0,000° (Winkelsumme)")}},
                      Fall{"Ueberlauf",
                           Boxen({{F::A, "1e308"}, {F::B, "1e308"}, {F::Gamma, "180"}}),
                           {},
                           CodeText(Code::Ueberlauf)}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    SSW, Faelle,
    ::testing::Values(
        Fall{"EineLoesung", Boxen({{F::A, "7"}, {F::B, "5"}, {F::Alpha, "40"}}),
             SSW("b", "27,331", "g", "112,669", "c", "10,049")},
        Fall{"ZweiLoesungen", Boxen({{F::A, "5"}, {F::B, "7"}, {F::Alpha, "40"}}),
             Zwei(SSW("b", "64,145", "g", "75,855", "c", "7,543"),
                  SSW("b", "115,855", "g", "24,145", "c", "3,182"))},
        Fall{"VerhaeltnisUeberEins", Boxen({{F::A, "3"}, {F::B, "5"}, {F::Alpha, "40"}}),
             KeineLoesung},
        Fall{"StumpfGegenLaengere", Boxen({{F::A, "7"}, {F::B, "5"}, {F::Alpha, "120"}}),
             SSW("b", "38,213", "g", "21,787", "c", "3,000")},
        Fall{"VerhaeltnisGenauEins", Boxen({{F::A, "5"}, {F::B, "10"}, {F::Alpha, "30"}}),
             SSW("b", "90,000", "g", "60,000", "c", "8,660")},
        Fall{"VerhaeltnisGenauEinsGrosseZahlen",
             Boxen({{F::A, "123457"}, {F::B, "246914"}, {F::Alpha, "30"}}),
             SSW("b", "90,000", "g", "60,000", "c", "213833,797")},
        Fall{"GleicheSeitenSpitz", Boxen({{F::A, "5"}, {F::B, "5"}, {F::Alpha, "30"}}),
             SSW("b", "30,000", "g", "120,000", "c", "8,660")},
        // Two equal sides: the second candidate, or from 90° on the only one, is flat.
        Fall{"GleicheSeitenRecht", Boxen({{F::A, "5"}, {F::B, "5"}, {F::Alpha, "90"}}),
             KeineLoesung},
        Fall{"RechtGegenKuerzere", Boxen({{F::A, "4"}, {F::B, "5"}, {F::Alpha, "90"}}),
             KeineLoesung},
        // Results with negative angles are no triangle.
        Fall{"StumpfBeideNegativ", Boxen({{F::A, "4"}, {F::B, "4.5"}, {F::Alpha, "120"}}),
             KeineLoesung},
        Fall{"GleicheSeitenStumpf", Boxen({{F::A, "5"}, {F::B, "5"}, {F::Alpha, "120"}}),
             KeineLoesung},
        // Rounding puts the flat angle just below 0 here; it is flat all the same.
        Fall{"GleicheSeitenStumpf135", Boxen({{F::A, "5"}, {F::B, "5"}, {F::Alpha, "135"}}),
             KeineLoesung},
        Fall{"StumpfVerhaeltnisEins", Boxen({{F::A, "5"}, {F::B, "10"}, {F::Alpha, "150"}}),
             KeineLoesung},
        Fall{"Winkel180", Boxen({{F::A, "5"}, {F::B, "4"}, {F::Alpha, "180"}}), KeineLoesung},
        Fall{"WinkelUeber180", Boxen({{F::A, "5"}, {F::B, "4"}, {F::Alpha, "200"}}), KeineLoesung},
        // Each rotation with the numbers of the worked examples; letters follow the roles.
        Fall{"Rotation2", Boxen({{F::B, "7"}, {F::C, "5"}, {F::Beta, "40"}}),
             SSW("g", "27,331", "a", "112,669", "a", "10,049")},
        Fall{"Rotation3", Boxen({{F::C, "7"}, {F::A, "5"}, {F::Gamma, "40"}}),
             SSW("a", "27,331", "b", "112,669", "b", "10,049")},
        Fall{"Rotation4", Boxen({{F::A, "7"}, {F::B, "5"}, {F::Beta, "40"}}),
             Zwei(SSW("a", "64,145", "g", "75,855", "c", "7,543"),
                  SSW("a", "115,855", "g", "24,145", "c", "3,182"))},
        Fall{"Rotation5", Boxen({{F::B, "5"}, {F::C, "7"}, {F::Gamma, "40"}}),
             SSW("b", "27,331", "a", "112,669", "a", "10,049")},
        Fall{"Rotation6", Boxen({{F::C, "5"}, {F::A, "7"}, {F::Alpha, "40"}}),
             SSW("g", "27,331", "b", "112,669", "b", "10,049")}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    WSW, Faelle,
    ::testing::Values(
        Fall{"Rotation1",
             Boxen({{F::Alpha, "30"}, {F::Beta, "60"}, {F::C, "10"}}),
             {Sym("g:"), Ari("90° (Winkelsumme)"), Ari("a:"), Ari("5,000 (Sinussatz)"), Ari("b:"),
              Ari("8,660 (Sinussatz)")}},
        Fall{"Rotation1Dezimal",
             Boxen({{F::Alpha, "30.25"}, {F::Beta, "60"}, {F::C, "10"}}),
             {Sym("g:"), Ari("89,75° (Winkelsumme)"), Ari("a:"), Ari("5,038 (Sinussatz)"),
              Ari("b:"), Ari("8,660 (Sinussatz)")}},
        Fall{"Rotation2",
             Boxen({{F::Beta, "30"}, {F::Gamma, "60"}, {F::A, "10"}}),
             {Sym("a:"), Ari("90° (Winkelsumme)"), Ari("b:"), Ari("5,000 (Sinussatz)"), Ari("c:"),
              Ari("8,660 (Sinussatz)")}},
        Fall{"Rotation3",
             Boxen({{F::Alpha, "60"}, {F::Gamma, "30"}, {F::B, "10"}}),
             {Sym("b:"), Ari("90° (Winkelsumme)"), Ari("c:"), Ari("5,000 (Sinussatz)"), Ari("a:"),
              Ari("8,660 (Sinussatz)")}},
        Fall{"HalbesGrad",
             Boxen({{F::Alpha, "90"}, {F::Beta, "89.5"}, {F::C, "1"}}),
             {Sym("g:"), Ari("0,5° (Winkelsumme)")},
             std::nullopt,
             true},
        Fall{"AllgemeineFormOhneNachkommaNullen",
             Boxen({{F::Alpha, "33.3"}, {F::Beta, "44.4"}, {F::C, "1"}}),
             {Sym("g:"), Ari("102,3° (Winkelsumme)")},
             std::nullopt,
             true},
        // Two angles summing to 180: sin 0 divides; the lines up to "Berechnet:" stay.
        Fall{"DivisionDurchNull",
             Boxen({{F::Alpha, "100"}, {F::Beta, "80"}, {F::C, "5"}}),
             {},
             CodeText(Code::Division)}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    SWW, Faelle,
    ::testing::Values(Fall{"Rotation1AlphaGegeben",
                           Boxen({{F::C, "10"}, {F::Gamma, "90"}, {F::Alpha, "30"}}),
                           {Sym("b:"), Ari("60° (Winkelsumme)"), Ari("a:"),
                            Ari("5,000 (Sinussatz)"), Ari("b:"), Ari("8,660 (Sinussatz)")}},
                      Fall{"Rotation1BetaGegeben",
                           Boxen({{F::C, "10"}, {F::Gamma, "90"}, {F::Beta, "60"}}),
                           {Sym("a:"), Ari("30° (Winkelsumme)"), Ari("a:"),
                            Ari("5,000 (Sinussatz)"), Ari("b:"), Ari("8,660 (Sinussatz)")}},
                      Fall{"Rotation2",
                           Boxen({{F::A, "5"}, {F::Alpha, "30"}, {F::Beta, "60"}}),
                           {Sym("g:"), Ari("90° (Winkelsumme)"), Ari("b:"),
                            Ari("8,660 (Sinussatz)"), Ari("c:"), Ari("10,000 (Sinussatz)")}},
                      Fall{"Rotation3",
                           Boxen({{F::B, "10"}, {F::Beta, "90"}, {F::Alpha, "30"}}),
                           {Sym("g:"), Ari("60° (Winkelsumme)"), Ari("c:"),
                            Ari("8,660 (Sinussatz)"), Ari("a:"), Ari("5,000 (Sinussatz)")}},
                      Fall{"WinkelsummeGenau180",
                           Boxen({{F::A, "5"}, {F::Alpha, "30"}, {F::Beta, "150"}}),
                           {Sym("g:"), Ari("0° (Winkelsumme)"), Ari("b:"), Ari("5,000 (Sinussatz)"),
                            Ari("c:"), Ari("0,000 (Sinussatz)")}}),
    Name);

// What the cases leave in the records: computed values, but never the status "given".
TEST(Faelle, ErgebnisseInDenDatensaetzen) {
    Lauf sws(Boxen({{F::A, "3"}, {F::C, "4"}, {F::Beta, "90"}}));
    EXPECT_DOUBLE_EQ(sws.rechner.pB.Wert, 5);
    EXPECT_NEAR(sws.rechner.pGamma.Wert, 53.130102354, 1e-8);
    EXPECT_NEAR(sws.rechner.pAlpha.Wert, 36.869897646, 1e-8);
    EXPECT_EQ(sws.rechner.pB.Status, StatusLeer);
    EXPECT_EQ(sws.rechner.pGamma.Status, StatusLeer);
    EXPECT_EQ(sws.rechner.pAlpha.Status, StatusLeer);

    Lauf zwei(Boxen({{F::A, "5"}, {F::B, "7"}, {F::Alpha, "40"}}));
    EXPECT_NEAR(zwei.rechner.pBeta.Wert, 64.145, 1e-3); // the first solution
    EXPECT_NEAR(zwei.rechner.pC.Wert, 7.543, 1e-3);

    Lauf keine(Boxen({{F::A, "4"}, {F::B, "4.5"}, {F::Alpha, "120"}}));
    EXPECT_EQ(keine.rechner.pBeta.Wert, 0);
    EXPECT_EQ(keine.rechner.pGamma.Wert, 0);
    EXPECT_EQ(keine.rechner.pC.Wert, 0);

    Lauf sww(Boxen({{F::C, "10"}, {F::Gamma, "90"}, {F::Alpha, "30"}}));
    EXPECT_EQ(sww.rechner.pBeta.Wert, 60);
    EXPECT_EQ(sww.rechner.pBeta.Status, StatusLeer);
    EXPECT_NEAR(sww.rechner.pA.Wert, 5, 1e-12);
    EXPECT_EQ(sww.rechner.pA.Status, StatusLeer);
}

// Nearly equal sides make the second solution flat; rounding may then leave the
// law-of-cosines radicand a few ulps below 0, which must not end the run in a fault.
// Sides equal but for their last bits: the second candidate's angle sum is rounding noise
// around 0, a flat figure, and no second solution.
TEST(Faelle, FastGleicheSeitenOhneFlacheZweiteLoesung) {
    Lauf l(Boxen({{F::A, "458.17873876648019"}, {F::B, "458.17873876648031"}, {F::Alpha, "55.5"}}));
    EXPECT_FALSE(l.ausgang.Fehler.has_value()) << *l.ausgang.Fehler;
    const auto zeilen = l.Berechnet();
    ASSERT_FALSE(zeilen.empty());
    EXPECT_EQ(zeilen.back(), Ari("519,031 (Cosinussatz)"));
    EXPECT_EQ(zeilen.size(), 6U);
}

} // namespace
} // namespace kalotri::test
