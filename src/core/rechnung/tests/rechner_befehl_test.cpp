// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation command as a whole: input messages and their focus, the choice of the
// problem type, the faces of a whole run, and how errors end a run.

#include "fehler.h"
#include "rechner_testhilfe.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

namespace kalotri::test {
namespace {

using Texte = std::array<std::string, 6>; // a, b, c, alpha, beta, gamma

Eingabe AusTexten(const Texte& texte) {
    Eingabe e;
    e.Texte = texte;
    return e;
}

struct MeldungsFall {
    const char* name;
    Texte texte;
    Code meldung;
    std::optional<Feld> fokus;
};

class Meldungen : public ::testing::TestWithParam<MeldungsFall> {};

TEST_P(Meldungen, ZeigtMeldungSchreibtNichts) {
    const MeldungsFall& f = GetParam();
    Lauf lauf(AusTexten(f.texte));
    ASSERT_TRUE(lauf.ausgang.Meldung.has_value());
    EXPECT_EQ(*lauf.ausgang.Meldung, CodeText(f.meldung));
    EXPECT_EQ(lauf.ausgang.Art, f.meldung);
    EXPECT_EQ(lauf.ausgang.Fokus, f.fokus);
    EXPECT_FALSE(lauf.ausgang.Fehler.has_value());
    EXPECT_TRUE(lauf.script.Zeilen().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Eingabe, Meldungen,
    ::testing::Values(
        // Step 1: the first failing box decides and takes the focus.
        MeldungsFall{"NullInA", {"0", "4", "5", "", "", ""}, Code::Null, Feld::A},
        MeldungsFall{"NullMitKomma", {"0,0", "", "", "", "", ""}, Code::Null, Feld::A},
        MeldungsFall{"MinusNullIstNull", {"-0", "4", "5", "", "", ""}, Code::Null, Feld::A},
        MeldungsFall{"EinzelnerPunktIstNull", {".", "", "", "", "", ""}, Code::Null, Feld::A},
        MeldungsFall{"UnterlaufIstNull", {"1e-400", "", "", "", "", ""}, Code::Null, Feld::A},
        MeldungsFall{"UnlesbarVorNull", {"x", "0", "", "", "", ""}, Code::Fehlerhaft, Feld::A},
        MeldungsFall{"UnlesbarInB", {"3", "x", "", "", "", ""}, Code::Fehlerhaft, Feld::B},
        MeldungsFall{"NurLeerzeichen", {"   ", "", "", "", "", ""}, Code::Fehlerhaft, Feld::A},
        MeldungsFall{
            "EingabeVorAnzahl", {"3", "4", "5", "30", "60", "x"}, Code::Fehlerhaft, Feld::Gamma},
        MeldungsFall{"NegativeSeite", {"-3", "4", "5", "", "", ""}, Code::Negativ, Feld::A},
        MeldungsFall{"DreiNegativeSeiten", {"-3", "-4", "-5", "", "", ""}, Code::Negativ, Feld::A},
        MeldungsFall{"NegativerWinkel", {"3", "4", "", "", "", "-90"}, Code::Negativ, Feld::Gamma},
        MeldungsFall{"NegativVorNull", {"-3", "0", "", "", "", ""}, Code::Negativ, Feld::A},
        MeldungsFall{"NullVorNegativ", {"3", "0", "-5", "", "", ""}, Code::Null, Feld::B},
        MeldungsFall{"NegativVorUnlesbar", {"3", "-4", "x", "", "", ""}, Code::Negativ, Feld::B},
        MeldungsFall{
            "NegativVorAnzahl", {"3", "4", "5", "30", "60", "-70"}, Code::Negativ, Feld::Gamma},
        // Step 2: counts, without focus.
        MeldungsFall{"Sechs", {"3", "4", "5", "30", "60", "90"}, Code::Ueberbestimmt, std::nullopt},
        MeldungsFall{"Fuenf", {"3", "4", "5", "30", "60", ""}, Code::Ueberbestimmt, std::nullopt},
        MeldungsFall{"DreiSeitenEinWinkel",
                     {"3", "4", "5", "", "", "90"},
                     Code::UeberbestimmtSSSW,
                     std::nullopt},
        MeldungsFall{"ZweiSeitenZweiWinkel",
                     {"3", "", "5", "30", "", "90"},
                     Code::UeberbestimmtSSWW,
                     std::nullopt},
        MeldungsFall{"EineSeiteDreiWinkel",
                     {"", "4", "", "30", "60", "90"},
                     Code::UeberbestimmtSWWW,
                     std::nullopt},
        MeldungsFall{
            "DreiWinkel", {"", "", "", "30", "60", "90"}, Code::Unvollstaendig, std::nullopt},
        // Step 4: the check of each kind.
        MeldungsFall{
            "FlachCGleichAPlusB", {"3", "4", "7", "", "", ""}, Code::KeinDreieck, std::nullopt},
        MeldungsFall{"AZuLang", {"7", "3", "4", "", "", ""}, Code::KeinDreieck, std::nullopt},
        MeldungsFall{"BZuLang", {"3", "8", "4", "", "", ""}, Code::KeinDreieck, std::nullopt},
        MeldungsFall{"SWSWinkelUeber180",
                     {"3", "4", "", "", "", "180.0001"},
                     Code::WinkelZuGross,
                     std::nullopt},
        MeldungsFall{"WinkelsummeUeber180",
                     {"", "", "5", "90", "90.5", ""},
                     Code::Winkelsumme,
                     std::nullopt},
        MeldungsFall{"SWWWinkelsummeUeber180",
                     {"5", "", "", "100", "", "81"},
                     Code::Winkelsumme,
                     std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct StilleFall {
    const char* name;
    Texte texte;
};

class NichtsPassiert : public ::testing::TestWithParam<StilleFall> {};

TEST_P(NichtsPassiert, KeineMeldungKeineZeile) {
    Lauf lauf(AusTexten(GetParam().texte));
    EXPECT_FALSE(lauf.ausgang.Meldung.has_value());
    EXPECT_FALSE(lauf.ausgang.Fokus.has_value());
    EXPECT_FALSE(lauf.ausgang.Fehler.has_value());
    EXPECT_TRUE(lauf.script.Zeilen().empty());
}

INSTANTIATE_TEST_SUITE_P(ZuWenig, NichtsPassiert,
                         ::testing::Values(StilleFall{"AllesLeer", {"", "", "", "", "", ""}},
                                           StilleFall{"EinWert", {"", "", "", "", "30", ""}},
                                           StilleFall{"ZweiWerte", {"3", "", "", "", "", "30"}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TypFall {
    const char* name;
    Texte texte;
    const char* typZeile;
};

class Typwahl : public ::testing::TestWithParam<TypFall> {};

TEST_P(Typwahl, ErsteZeileNenntDenTyp) {
    Lauf lauf(AusTexten(GetParam().texte));
    ASSERT_FALSE(lauf.script.Zeilen().empty());
    EXPECT_EQ(lauf.script.Zeilen().front().Text, GetParam().typZeile);
}

INSTANTIATE_TEST_SUITE_P(
    Rechne, Typwahl,
    ::testing::Values(TypFall{"FastFlach", {"3", "4", "6.9", "", "", ""}, "Typ: SSS"},
                      TypFall{"WinkelZwischenAB", {"3", "4", "", "", "", "90"}, "Typ: SWS"},
                      TypFall{"WinkelZwischenAC", {"3", "", "4", "", "90", ""}, "Typ: SWS"},
                      TypFall{"WinkelZwischenBC", {"", "3", "4", "90", "", ""}, "Typ: SWS"},
                      TypFall{"SWSGenau180", {"3", "4", "", "", "", "180"}, "Typ: SWS"},
                      TypFall{"AlphaGegenA", {"3", "4", "", "30", "", ""}, "Typ: SSW"},
                      TypFall{"BetaGegenB", {"3", "4", "", "", "30", ""}, "Typ: SSW"},
                      TypFall{"SeiteZwischenWinkeln", {"", "", "5", "30", "60", ""}, "Typ: WSW"},
                      TypFall{"SeiteGegenWinkel", {"5", "", "", "30", "60", ""}, "Typ: SWW"},
                      TypFall{"WinkelsummeGenau180", {"5", "", "", "90", "90", ""}, "Typ: SWW"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Rechne, GanzerWegEinerRechnungMitSchriften) {
    ScriptProtokoll script;
    TRechner rechner(script);
    const Eingabe e = Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "5"}});
    const Ausgang aus = rechner.Rechne(e, {});
    EXPECT_FALSE(aus.Meldung || aus.Fokus || aus.Fehler);
    const std::vector<ScriptZeile> erwartet = {
        Std("Typ: SSS"),
        Std("Gegeben:"),
        Std("a:"),
        Std("3,000"),
        Std("b:"),
        Std("4,000"),
        Std("c:"),
        Std("5,000"),
        Std("Berechnet:"),
        Sym("a:"),
        Ari("36,870° (Cosinussatz)"),
        Sym("b :"),
        Ari("53,130° (Cosinussatz)"),
        Sym("g :"),
        Ari("90,000° (Winkelsumme, besser: Cosinussatz)"),
    };
    EXPECT_EQ(script.Zeilen(), erwartet);
    // SSS keeps its angles to itself.
    EXPECT_EQ(rechner.pAlpha.Wert, 0);
    EXPECT_EQ(rechner.pGamma.Status, StatusLeer);

    // The same input again appends the same solution, now all in Arial but the names.
    rechner.Rechne(e, {});
    ASSERT_EQ(script.Zeilen().size(), 2 * erwartet.size());
    EXPECT_EQ(script.Zeilen()[erwartet.size()], Ari("Typ: SSS"));
    EXPECT_EQ(script.Zeilen()[erwartet.size() + 2], Ari("a:"));
    EXPECT_EQ(script.Zeilen().back(), erwartet.back());
}

TEST(Rechne, GegebenBlockMitWinkel) {
    Lauf lauf(Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::Gamma, "90"}}));
    const std::vector<ScriptZeile> erwartet = {
        Std("Typ: SWS"), Std("Gegeben:"), Std("a:"),      Std("3,000"),      Std("b:"),
        Std("4,000"),    Sym("g:"),       Ari("90,000°"), Ari("Berechnet:"),
    };
    const auto& z = lauf.script.Zeilen();
    ASSERT_GE(z.size(), erwartet.size());
    EXPECT_EQ(std::vector<ScriptZeile>(z.begin(), z.begin() + 9), erwartet);
}

TEST(Rechne, FormatUndBuchstabenWieGegeben) {
    Eingabe e = Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::Gamma, "90"}});
    // Letters are not validated: empty, repeated, a side called "g".
    e.Buchstaben = {"g", "g", "", "x", "", "g"};
    Lauf lauf(e, Zahlformat{"0.0", "."});
    const std::vector<ScriptZeile> erwartet = {
        Std("Typ: SWS"),
        Std("Gegeben:"),
        Std("g:"),
        Std("3.0"),
        Std("g:"),
        Std("4.0"),
        Sym("g:"),
        Ari("90.0°"),
        Ari("Berechnet:"),
        Ari(":"),
        Ari("5.0 (Cosinussatz)"),
        Sym("x:"),
        Ari("36.9° (Cosinussatz)"),
        Sym(":"),
        Ari("53.1° (Winkelsumme)"),
    };
    EXPECT_EQ(lauf.script.Zeilen(), erwartet);
}

TEST(Rechne, ZuLangeMaskeBeendetBeimErstenWert) {
    const Eingabe e = Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "5"}});
    Lauf zuLang(e, Zahlformat{"0." + std::string(223, '0'), ","});
    EXPECT_EQ(zuLang.ausgang.Fehler, std::optional<std::string>(CodeText(Code::FormatZuLang)));
    EXPECT_FALSE(zuLang.ausgang.Meldung.has_value());
    EXPECT_EQ(zuLang.Texte(), (std::vector<std::string>{"Typ: SSS", "Gegeben:", "a:"}));

    Lauf grenze(e, Zahlformat{"0." + std::string(222, '0'), ","});
    EXPECT_FALSE(grenze.ausgang.Fehler.has_value());
    EXPECT_EQ(grenze.script.Zeilen().size(), 15u);
}

// What the window's Script says when it is full.
constexpr const char* VollText = "Fehler bei Einfügen von RichEdit-Zeile";

// A Script that fills up after a number of lines.
class VolleSchrift : public ScriptSink {
  public:
    explicit VolleSchrift(int platz, bool fremderFehler = false)
        : platz_(platz), fremderFehler_(fremderFehler) {}
    void ZeileAnfuegen(const std::string& zeile) override {
        if (static_cast<int>(protokoll.Zeilen().size()) == platz_) {
            if (fremderFehler_) {
                throw std::logic_error("kein Fehler des Programms");
            }
            throw KalotriFehler(VollText);
        }
        protokoll.ZeileAnfuegen(zeile);
    }
    void SchriftSetzen(const std::string& schrift) override { protokoll.SchriftSetzen(schrift); }
    ScriptProtokoll protokoll;

  private:
    int platz_;
    bool fremderFehler_;
};

TEST(Rechne, VolleSchriftBeendetDieRechnungMitIhremFehler) {
    const Eingabe e = Boxen({{Feld::A, "5"}, {Feld::B, "7"}, {Feld::Alpha, "40"}});
    for (int platz : {0, 1, 9, 14}) {
        VolleSchrift script(platz);
        TRechner rechner(script);
        const Ausgang aus = rechner.Rechne(e, {});
        EXPECT_EQ(aus.Fehler, std::optional<std::string>(VollText)) << platz;
        EXPECT_EQ(script.protokoll.Zeilen().size(), static_cast<std::size_t>(platz));
    }
    // With room for everything, the two solutions take 23 lines.
    VolleSchrift script(23);
    TRechner rechner(script);
    EXPECT_FALSE(rechner.Rechne(e, {}).Fehler.has_value());
}

TEST(Rechne, FremdeFehlerGehenDurch) {
    VolleSchrift script(3, true);
    TRechner rechner(script);
    EXPECT_THROW(rechner.Rechne(Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "5"}}), {}),
                 std::logic_error);
}

} // namespace
} // namespace kalotri::test
