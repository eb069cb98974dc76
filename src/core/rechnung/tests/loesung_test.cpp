// SPDX-License-Identifier: GPL-3.0-or-later
// The result as data: what the Script only states (how many SSW solutions and why, which
// side or angle a message is about, the code of every way a calculation ends) must be
// there for the renderings that explain it.

#include "loesung.h"
#include "rechner_testhilfe.h"

#include <gtest/gtest.h>

namespace kalotri::test {
namespace {

using Art = SSWBefund::Kandidatenart;
using Vergleich = SSWBefund::Vergleich;

struct SSWFall {
    const char* Name;
    Eingabe Felder;
    Vergleich SGegenT;
    std::vector<Art> Kandidaten;
    std::size_t Dreiecke;
    double Sinus; // 0: not checked
};

TEST(Loesung, SSWBefundErklaertDieAnzahlDerLoesungen) {
    const std::vector<SSWFall> faelle = {
        {"zwei",
         Boxen({{Feld::A, "5"}, {Feld::B, "7"}, {Feld::Alpha, "40"}}),
         Vergleich::Kuerzer,
         {Art::Gueltig, Art::Gueltig},
         2,
         0},
        {"s laenger",
         Boxen({{Feld::A, "7"}, {Feld::B, "5"}, {Feld::Alpha, "40"}}),
         Vergleich::Laenger,
         {Art::Gueltig},
         1,
         0},
        {"zu kurz",
         Boxen({{Feld::A, "3"}, {Feld::B, "7"}, {Feld::Alpha, "40"}}),
         Vergleich::Kuerzer,
         {},
         0,
         0},
        {"Sinus genau 1",
         Boxen({{Feld::A, "5"}, {Feld::B, "10"}, {Feld::Alpha, "30"}}),
         Vergleich::Kuerzer,
         {Art::Gueltig},
         1,
         1},
        {"gleich, zweite flach",
         Boxen({{Feld::A, "5"}, {Feld::B, "5"}, {Feld::Alpha, "30"}}),
         Vergleich::Gleich,
         {Art::Gueltig, Art::Flach},
         1,
         0},
        {"gleich, rechter Winkel",
         Boxen({{Feld::A, "5"}, {Feld::B, "5"}, {Feld::Alpha, "90"}}),
         Vergleich::Gleich,
         {Art::Flach},
         0,
         1},
        {"gleich, stumpf",
         Boxen({{Feld::A, "5"}, {Feld::B, "5"}, {Feld::Alpha, "120"}}),
         Vergleich::Gleich,
         {Art::Flach, Art::Verworfen},
         0,
         0},
        {"s laenger, hauchduenn",
         Boxen({{Feld::A, "8.791E141"}, {Feld::B, "6.1"}, {Feld::Alpha, "30"}}),
         Vergleich::Laenger,
         {Art::Gueltig},
         1,
         0},
        {"stumpf gegenueber der kuerzeren",
         Boxen({{Feld::A, "5"}, {Feld::B, "6"}, {Feld::Alpha, "150"}}),
         Vergleich::Kuerzer,
         {Art::Verworfen, Art::Verworfen},
         0,
         0},
    };
    for (const SSWFall& f : faelle) {
        const Loesung l = Berechne(f.Felder);
        ASSERT_EQ(l.Typ, Aufgabentyp::SSW) << f.Name;
        ASSERT_TRUE(l.SSW) << f.Name;
        EXPECT_EQ(l.SSW->SGegenT, f.SGegenT) << f.Name;
        std::vector<Art> arten;
        for (const auto& k : l.SSW->Kandidaten) {
            arten.push_back(k.Art);
        }
        EXPECT_EQ(arten, f.Kandidaten) << f.Name;
        EXPECT_EQ(l.Dreiecke.size(), f.Dreiecke) << f.Name;
        if (f.Sinus != 0) {
            EXPECT_EQ(l.SSW->Sinus, f.Sinus) << f.Name;
        }
        EXPECT_EQ(l.Ausgangscode, Code::Geloest) << f.Name;
    }
    // Two equal sides: the other base angle is the given one, to the last bit.
    const Loesung gleich = Berechne(faelle[4].Felder);
    EXPECT_EQ(gleich.Dreiecke[0].Werte[4], 30.0);
    EXPECT_EQ(gleich.Loesungszahl(), 1U);
    // A triangle too thin to draw is still the one solution.
    const Loesung duenn = Berechne(faelle[7].Felder);
    EXPECT_TRUE(duenn.Dreiecke[0].Flach);
    EXPECT_EQ(duenn.Loesungszahl(), 1U);
    const Loesung gross = Berechne(Boxen({{Feld::A, "5"}, {Feld::B, "6"}, {Feld::Alpha, "180"}}));
    EXPECT_TRUE(gross.SSW->WinkelZuGross);
    EXPECT_TRUE(gross.Dreiecke.empty());
}

TEST(Loesung, CodeUndAnlassJederArtZuEnden) {
    struct Fall {
        Eingabe Felder;
        Code Erwartet;
        std::optional<Feld> Anlass;
    };
    const std::vector<Fall> faelle = {
        {Boxen({{Feld::A, "3"}, {Feld::B, "x"}}), Code::Fehlerhaft, std::nullopt},
        {Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "8"}}), Code::KeinDreieck, Feld::C},
        {Boxen({{Feld::A, "9"}, {Feld::B, "4"}, {Feld::C, "5"}}), Code::KeinDreieck, Feld::A},
        {Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::Gamma, "190"}}), Code::WinkelZuGross,
         Feld::Gamma},
        {Boxen({{Feld::C, "3"}, {Feld::Alpha, "100"}, {Feld::Beta, "90"}}), Code::Winkelsumme,
         Feld::Gamma},
        {Boxen({{Feld::C, "5"}, {Feld::Alpha, "100"}, {Feld::Beta, "80"}}), Code::Division,
         std::nullopt},
        {Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "5"}, {Feld::Alpha, "9"}}),
         Code::UeberbestimmtSSSW, std::nullopt},
        {Boxen({{Feld::A, "3"}, {Feld::B, "4"}}), Code::Geloest, std::nullopt},
    };
    for (const Fall& f : faelle) {
        const Loesung l = Berechne(f.Felder);
        EXPECT_EQ(l.Ausgangscode, f.Erwartet) << CodeName(f.Erwartet);
        EXPECT_EQ(l.Anlass, f.Anlass) << CodeName(f.Erwartet);
        // The window's outcome and the code tell the same story.
        EXPECT_EQ(l.Ausgang.Art, f.Erwartet) << CodeName(f.Erwartet);
    }
}

TEST(Loesung, BuchstabenWieDasFensterSieZeigt) {
    Eingabe e = Boxen({{Feld::A, "3"}, {Feld::B, "4"}, {Feld::C, "5"}});
    e.Buchstaben = {"x", "y", "z", "d", "e", "f"};
    const Loesung l = Berechne(e);
    EXPECT_EQ(Anzeigebuchstabe(l, Feld::A), "x");
    EXPECT_EQ(Anzeigebuchstabe(l, Feld::Alpha), "δ");
    EXPECT_EQ(Anzeigebuchstabe(l, Feld::Beta), "ε");
    EXPECT_EQ(Anzeigebuchstabe(l, Feld::Gamma), "φ");
}

} // namespace
} // namespace kalotri::test
