// SPDX-License-Identifier: GPL-3.0-or-later
// The code on the board gives every pupil the same set, of the level, kind and size it
// says; the questions come in the stated order, SSW's count first.
#include "bewertung.h"
#include "hinweise.h"
#include "uebungssatz.h"

#include <gtest/gtest.h>

namespace kalotri::uebung {
namespace {

TEST(Uebungscode, LesenUndSchreiben) {
    struct Fall {
        const char* code;
        const char* gelesen; // "" refused
    };
    for (const Fall& f : std::initializer_list<Fall>{
             {"3-4711", "3-4711"},
             {"Übung 3-4711", "3-4711"},
             {" 2 - ssw - 17 - 10", "2-SSW-17-10"},
             {"3-4711-6", "3-4711"},
             {"1 - sach - 5 - 10", "1-SACH-5-10"},
             {"3-SACH-SSW-5", ""},
             {"1-SSW-5", ""},
             {"4-5", ""},
             {"3-0", ""},
             {"3-100000", ""},
             {"3-5-11", ""},
             {"3-5-4", ""},
             {"3-XYZ-5", ""},
             {"3", ""},
             {"3-5-6-7", ""},
             // Dashes of every kind a phone or a copied sheet gives, and blanks for dashes.
             {"3\u20134711", "3-4711"},
             {"2\u2014SSW\u201417", "2-SSW-17"},
             {"3\u20104711\u22128", "3-4711-8"},
             {"3 4711", "3-4711"},
             {"Übung 2 ssw 17 10", "2-SSW-17-10"},
             {"3\u00A0\u2013\u00A04711", "3-4711"},
             {"34711", ""},
         }) {
        const auto wahl = LiesUebungscode(f.code);
        EXPECT_EQ(wahl ? Uebungscode(*wahl) : "", f.gelesen) << f.code;
    }
}

TEST(Uebungssatz, GleicherCodeGleicherSatzUndFragenInOrdnung) {
    const auto wahl = *LiesUebungscode("3-4711-8");
    const Uebungssatz eins = ErstelleUebungssatz(wahl);
    const Uebungssatz zwei = ErstelleUebungssatz(wahl);
    ASSERT_EQ(eins.Aufgaben.size(), 8U);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(eins.Aufgaben[i].Text, zwei.Aufgaben[i].Text);
    }
    EXPECT_NE(ErstelleUebungssatz(*LiesUebungscode("3-4712-8")).Aufgaben[0].Text,
              eins.Aufgaben[0].Text);
    EXPECT_NE(ErstelleUebungssatz(*LiesUebungscode("2-4711-8")).Aufgaben[0].Text,
              eins.Aufgaben[0].Text);

    int ssw = 0;
    for (const Uebungsaufgabe& a : ErstelleUebungssatz(*LiesUebungscode("3-SSW-9-10")).Aufgaben) {
        SCOPED_TRACE(a.Text);
        ASSERT_EQ(a.Ergebnis.Typ, Aufgabentyp::SSW);
        EXPECT_EQ(a.Fragen.front().Art, Frageart::Anzahl);
        EXPECT_EQ(a.Fragen.size(), 1 + 3 * a.Ergebnis.Dreiecke.size());
        const Hinweise h = HinweiseFuer(a);
        EXPECT_EQ(h.Typ.rfind("Typ SSW:", 0), 0U);
        EXPECT_EQ(h.ErsterSatz.rfind("Beginne mit dem Sinussatz für sin ", 0), 0U) << h.ErsterSatz;
        for (std::size_t i = 1; i < a.Fragen.size(); ++i) {
            EXPECT_FALSE(h.JeFrage[i].Formel.empty()) << a.Fragen[i].Name;
            EXPECT_FALSE(h.JeFrage[i].Schritt.empty()) << a.Fragen[i].Name;
        }
        ssw += a.Ergebnis.Dreiecke.size() == 2 ? 1 : 0;
    }
    EXPECT_GT(ssw, 0);
    for (const Uebungsaufgabe& a : ErstelleUebungssatz(*LiesUebungscode("1-5")).Aufgaben) {
        EXPECT_NE(a.Ergebnis.Typ, Aufgabentyp::SSW) << "level 1 has no SSW";
    }
}

TEST(Uebungssatz, SachaufgabenFragenIhrDreieckUndWerdenBewertet) {
    const Uebungssatz satz = ErstelleUebungssatz(*LiesUebungscode("2-SACH-4711-10"));
    ASSERT_EQ(satz.Aufgaben.size(), 10U);
    EXPECT_NE(ErstelleUebungssatz(*LiesUebungscode("2-4711-10")).Aufgaben[0].Text,
              satz.Aufgaben[0].Text);
    for (const Uebungsaufgabe& a : satz.Aufgaben) {
        SCOPED_TRACE(a.Text);
        EXPECT_NE(a.Text.find('?'), std::string::npos) << "the situation's questions";
        ASSERT_FALSE(a.Fragen.empty());
        EXPECT_FALSE(HinweiseFuer(a).JeFrage.back().Schritt.empty());
    }
    // The hints tell the situation: the tower's height, its triangle's side with the unit.
    const Hinweise turm = HinweiseFuer(satz.Aufgaben[0]);
    EXPECT_NE(turm.Typ.find("Gesucht ist die Höhe h"), std::string::npos) << turm.Typ;
    EXPECT_NE(turm.Typ.find("Typ SWW"), std::string::npos) << turm.Typ;
    EXPECT_NE(turm.ErsterSatz.find("Außenwinkelsatz"), std::string::npos) << turm.ErsterSatz;
    EXPECT_NE(turm.JeFrage[0].Schritt.back().find(" m"), std::string::npos);
}

TEST(Uebungsaufgabe, NurGefragteGroessenUndKeineAufgabeOhneLoesung) {
    const Eingabe e{{"3", "4", "5", "", "", ""}};
    const auto a = UebungsaufgabeAus("Eine Leiter …", e, std::vector<Feld>{Feld::Gamma});
    ASSERT_TRUE(a);
    ASSERT_EQ(a->Fragen.size(), 1U);
    EXPECT_EQ(a->Fragen[0].Name, "γ");
    EXPECT_EQ(Bewerte(*a, {"90"})[0], Note::Richtig);
    EXPECT_FALSE(UebungsaufgabeAus("", Eingabe{{"1", "1", "5", "", "", ""}})) << "no triangle";
}

} // namespace
} // namespace kalotri::uebung
