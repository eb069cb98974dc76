// SPDX-License-Identifier: GPL-3.0-or-later
// What a learning platform is told and keeps: the status from the exact points, the score
// in SCORM 1.2's formats, the decision to review, resume or start afresh, the answers as
// interactions, and the resume data of the largest sets within 4096 characters.
#include "fortsetzung.h"
#include "hinweise.h"
#include "plattformwerte.h"
#include "uebungssatz.h"

#include <gtest/gtest.h>

#include <iostream>
#include <regex>

namespace kalotri::ergebnis {
namespace {

using uebung::Note;

TEST(Plattform, StatusUndPunkte) {
    struct Fall {
        int punkte, hoechstens;
        bool fertig;
        std::optional<int> schwelle;
        bool urteilt;
        const char* status;
        const char* roh; // "" none
    };
    for (const Fall& f : std::initializer_list<Fall>{
             {35, 44, true, 8000, true, "failed", "79.54"}, // 79,55 % is not 80
             {35, 44, true, 7954, false, "passed", "79.54"},
             {40, 50, true, 8000, true, "passed", "80"},
             {30, 44, false, 8000, true, "incomplete", ""}, // the platform would judge 68
             {30, 44, false, 8000, false, "incomplete", "68.18"},
             {44, 44, true, std::nullopt, false, "completed", "100"},
             {0, 44, true, 0, true, "passed", "0"},
             {1, 3, true, 3333, false, "passed", "33.33"},
         }) {
        const Meldung m = Melde(f.punkte, f.hoechstens, f.fertig, f.schwelle, f.urteilt);
        EXPECT_EQ(m.Status, f.status) << f.punkte << "/" << f.hoechstens;
        EXPECT_EQ(m.Rohwert.value_or(""), f.roh) << f.punkte << "/" << f.hoechstens;
    }
    EXPECT_EQ(LiesSchwelle("80"), 8000);
    EXPECT_EQ(LiesSchwelle("79.5"), 7950);
    EXPECT_EQ(LiesSchwelle("100.00"), 10000);
    for (const char* falsch : {"", "abc", "101", "80.", "-5", "7.555", "80,5"}) {
        EXPECT_FALSE(LiesSchwelle(falsch)) << falsch;
    }
    const std::regex spanne(R"(\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?)");
    EXPECT_EQ(Zeitspanne(6250), "0000:01:02.50");
    EXPECT_EQ(Zeitspanne(-5), "0000:00:00.00");
    EXPECT_TRUE(std::regex_match(Zeitspanne(1LL << 40), spanne));
    EXPECT_EQ(Uhrzeit(13 * 360000 + 5 * 6000 + 950), "13:05:09");
}

Satzstand Voll(const std::string& code, const std::string& antwort) {
    const auto satz = uebung::ErstelleUebungssatz(*uebung::LiesUebungscode(code));
    Satzstand s{code, satz.Aufgaben.size() - 1, false, {}};
    for (const auto& a : satz.Aufgaben) {
        Aufgabenstand st;
        st.Gekauft = {{0, std::nullopt, 1}, {1, std::nullopt, 0}}; // the second one free
        st.Hoechstens = uebung::PunkteJeFrage * static_cast<int>(a.Fragen.size());
        for (std::size_t k = 0; k < a.Fragen.size(); ++k) {
            st.Antworten.push_back(antwort);
            st.Noten.push_back(static_cast<Note>(k % 5));
            st.NotenPunkte.push_back(uebung::Punkte(st.Noten.back()));
            for (int art = 2; art < 5; ++art) {
                st.Gekauft.push_back({art, k, uebung::HinweisPreis[static_cast<std::size_t>(art)]});
            }
        }
        s.Aufgaben.push_back(st);
    }
    return s;
}

TEST(Plattform, FortsetzungPasstInDieGrenze) {
    // The largest sets (ten exercises, SSW with two triangles) with every hint bought and
    // every box full: typed numbers, then the 40 characters a box takes, of the worst kind.
    std::size_t groesste = 0;
    for (const char* code : {"3-SSW-4711-10", "2-SSW-17-10", "3-4711-10", "3-SACH-5-10"}) {
        for (const std::string& antwort :
             {std::string("-1234,5678"), std::string(40, '9'), std::string("a|b/c~d%e") + "°±"}) {
            const Satzstand s = Voll(code, antwort);
            const std::string text = SchreibePause(s);
            ASSERT_LE(text.size(), PauseHoechstens) << code;
            for (const char z : text) {
                ASSERT_TRUE(z >= 0x20 && z < 0x7F) << code;
            }
            const auto zurueck = LiesPause(text);
            ASSERT_TRUE(zurueck) << code << " " << text;
            EXPECT_EQ(zurueck->Code, s.Code);
            EXPECT_EQ(zurueck->Aufgabe, s.Aufgabe);
            for (std::size_t i = 0; i < s.Aufgaben.size(); ++i) {
                EXPECT_EQ(zurueck->Aufgaben[i].Noten, s.Aufgaben[i].Noten);
                EXPECT_EQ(zurueck->Aufgaben[i].Gekauft.size(), s.Aufgaben[i].Gekauft.size());
                EXPECT_EQ(Punkte(zurueck->Aufgaben[i]), Punkte(s.Aufgaben[i]));
                EXPECT_EQ(zurueck->Aufgaben[i].Antworten, s.Aufgaben[i].Antworten) << code;
            }
            groesste = std::max(groesste, text.size());
        }
    }
    std::cout << "largest suspend_data: " << groesste << " characters\n";
    // The bound: ten exercises of two triangles (seven boxes), every box full of digits,
    // every hint bought, all kept whole.
    Satzstand schranke{"3-SSW-99999-10", 9, false, {}};
    for (int i = 0; i < 10; ++i) {
        Aufgabenstand a;
        a.Gekauft = {{0, std::nullopt, 1}, {1, std::nullopt, 1}};
        a.Hoechstens = 14;
        for (std::size_t k = 0; k < 7; ++k) {
            a.Antworten.push_back(std::string(40, '9'));
            a.Noten.push_back(Note::Falsch);
            a.NotenPunkte.push_back(0);
            for (int art = 2; art < 5; ++art) {
                a.Gekauft.push_back({art, k, 2});
            }
        }
        schranke.Aufgaben.push_back(a);
    }
    const std::string text = SchreibePause(schranke);
    EXPECT_NE(text.find(std::string(40, '9')), std::string::npos) << "nothing cut";
    std::cout << "bound: " << text.size() << " characters\n";
    // Longer answers than a box takes are cut; the marks stay.
    const Satzstand lang = Voll("3-SSW-4711-10", std::string(300, '%'));
    const auto gekuerzt = LiesPause(SchreibePause(lang));
    ASSERT_TRUE(gekuerzt);
    EXPECT_EQ(gekuerzt->Aufgaben[3].Noten, lang.Aufgaben[3].Noten);
}

TEST(Plattform, StartNachDemStandDerPlattform) {
    Satzstand s = Voll("2-SWS-12-5", "1,5");
    const std::string offen = SchreibePause(s);
    s.Fertig = true;
    const std::string fertig = SchreibePause(s);
    struct Fall {
        Versuch v;
        Beginn art;
        bool mitStand;
    };
    for (const Fall& f : std::initializer_list<Fall>{
             {{"normal", "credit", "ab-initio", "not attempted", ""}, Beginn::Neu, false},
             {{"normal", "credit", "resume", "incomplete", offen}, Beginn::Fortsetzen, true},
             {{"normal", "credit", "", "incomplete", offen}, Beginn::Fortsetzen, true},
             {{"normal", "credit", "resume", "incomplete", "Müll"}, Beginn::Neu, false},
             {{"review", "no-credit", "", "passed", fertig}, Beginn::Ansehen, true},
             {{"review", "no-credit", "", "incomplete", offen}, Beginn::Ansehen, true},
             {{"browse", "no-credit", "", "browsed", ""}, Beginn::Vorschau, false},
             {{"review", "no-credit", "", "incomplete", ""}, Beginn::Vorschau, false},
             {{"normal", "credit", "", "failed", ""}, Beginn::Ansehen, false},
             {{"normal", "credit", "resume", "incomplete", fertig}, Beginn::Ansehen, true},
             {{"normal", "no-credit", "ab-initio", "not attempted", ""}, Beginn::Vorschau, false},
         }) {
        const Startentscheid e = EntscheideStart(f.v);
        EXPECT_EQ(e.Art, f.art) << f.v.Modus << " " << f.v.Status;
        EXPECT_EQ(e.Stand.has_value(), f.mitStand) << f.v.Modus << " " << f.v.Status;
    }
    // Stored data that does not fit its set is not taken for it.
    Satzstand teuer = Voll("2-SWS-12-5", "1");
    teuer.Aufgaben[0].Gekauft[0].Preis = 9; // more than the hint ever cost
    EXPECT_FALSE(LiesPause(SchreibePause(teuer)));
    Satzstand reich = Voll("2-SWS-12-5", "1");
    reich.Aufgaben[0].NotenPunkte[2] = 2; // a follow-up error worth two points
    EXPECT_FALSE(LiesPause(SchreibePause(reich)));
    for (const char* falsch : {"K1|2-SWS-12-5|0|0", "K1|2-SWS-12-5|9|0|r/../1||||",
                               "K2|2-SWS-12-5|0|0|////", "K1|2-SWS-12-5|0|0|q//|||"}) {
        EXPECT_FALSE(LiesPause(falsch)) << falsch;
    }
}

TEST(Plattform, AntwortenAlsInteraktionen) {
    uebung::Frage beta2{uebung::Frageart::Wert, Feld::Beta, 1, "β₂"};
    uebung::Frage anzahl{uebung::Frageart::Anzahl, Feld::A, 0, "Anzahl der Dreiecke"};
    struct Fall {
        const uebung::Frage& frage;
        const char* antwort;
        Note note;
        const char *id, *typ, *gemeldet, *ergebnis;
    };
    for (const Fall& f : std::initializer_list<Fall>{
             {beta2, "-12,35", Note::Richtig, "a3_beta_2", "numeric", "-12.35", "correct"},
             {beta2, "12.4", Note::NurRundung, "a3_beta_2", "numeric", "12.4", "neutral"},
             {beta2, "zwölf", Note::Falsch, "a3_beta_2", "fill-in", "zwölf", "wrong"},
             {anzahl, "2", Note::Richtig, "a3_anzahl", "choice", "2", "correct"},
             {anzahl, "zwei", Note::Falsch, "a3_anzahl", "fill-in", "zwei", "wrong"},
         }) {
        const Interaktion i = ZuInteraktion(2, f.frage, f.antwort, f.note, "12,35°");
        EXPECT_EQ(i.Id, f.id);
        EXPECT_EQ(i.Typ, f.typ) << f.antwort;
        EXPECT_EQ(i.Antwort, f.gemeldet);
        EXPECT_EQ(i.Ergebnis, f.ergebnis);
        EXPECT_EQ(i.Richtig, "12.35");
    }
    EXPECT_EQ(ZuInteraktion(0, beta2, std::string(300, 'x'), Note::Falsch, "1").Antwort.size(),
              255);
}

} // namespace
} // namespace kalotri::ergebnis
