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
             {"3-4711-V2", "3-4711-V2"},
             {"3 - sach - 4711 - 8 - v2", "3-SACH-4711-8-V2"},
             {"3-4711-V1", "3-4711"},
             {"3-4711-V9", ""},
             {"3-4711-V", ""},
         }) {
        const auto wahl = LiesUebungscode(f.code);
        EXPECT_EQ(wahl ? Uebungscode(*wahl) : "", f.gelesen) << f.code;
    }
    EXPECT_FALSE(UnbekannteFassung("3-4711"));
    EXPECT_FALSE(UnbekannteFassung("3-4711-V2"));
    const auto meldung = UnbekannteFassung("Übung 3-4711-V9");
    ASSERT_TRUE(meldung);
    EXPECT_NE(meldung->find("V9"), std::string::npos) << *meldung;
}

// A code published before versions were named gives the set it gave then: the givens of
// its exercises, as the page showed them, recorded from that page.
TEST(Uebungscode, VeroeffentlichteCodesBleiben) {
    struct Fall {
        const char* code;
        std::uint64_t fingerabdruck;
    };
    for (const Fall& f : std::initializer_list<Fall>{
             {"3-4711", 12464745198769612968ULL},
             {"2-SSW-17-10", 9644947577968951964ULL},
             {"1-5", 12805728570137930499ULL},
             {"3-SACH-4711-10", 7282068711575453368ULL},
             {"2-SACH-17", 15073872510511613141ULL},
         }) {
        std::string texte;
        for (const Uebungsaufgabe& a : ErstelleUebungssatz(*LiesUebungscode(f.code)).Aufgaben) {
            texte += a.Modell.Sache ? a.Modell.Sache->Text : a.Text;
            texte += "\n";
        }
        std::uint64_t fnv = 14695981039346656037ULL; // FNV-1a: the same on every platform
        for (const char z : texte) {
            fnv = (fnv ^ static_cast<unsigned char>(z)) * 1099511628211ULL;
        }
        EXPECT_EQ(fnv, f.fingerabdruck) << f.code << "\n" << texte;
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
        ASSERT_TRUE(a.Modell.Sache);
        // Every question of the story is asked, in its words and unit.
        std::size_t sachfelder = 0;
        for (const frage::Antwortfeld& f : a.Modell.Felder) {
            if (f.Art == frage::Feldart::Sache) {
                ++sachfelder;
                EXPECT_FALSE(f.Worte.empty());
                EXPECT_FALSE(f.Einheit.empty());
            }
        }
        EXPECT_EQ(sachfelder, a.Modell.Sache->Gesuchte.size());
    }
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
