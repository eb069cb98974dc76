// SPDX-License-Identifier: GPL-3.0-or-later
// Generated worksheets: every exercise is one a pupil can type, the calculation sees it as
// the kind it was made as, with as many triangles as intended; sheets repeat for a seed.

#include "erzeuge.h"
#include "rechner_testhilfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace kalotri::test {
namespace {

// The number of triangles the Script shows for an exercise.
int LoesungenImScript(const Lauf& lauf) {
    int anzahl = 1;
    for (const ScriptZeile& z : lauf.script.Zeilen()) {
        if (z.Text == "Keine Lösung") {
            anzahl = 0;
        } else if (z.Text == "2. Lösung:") {
            anzahl = 2;
        }
    }
    return anzahl;
}

void PruefeTexte(const Eingabe& e) {
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string& t = e.Texte[i];
        if (t.empty()) {
            continue;
        }
        const TPruef p = LiesWert(t);
        ASSERT_EQ(p.Status, StatusGegeben) << t;
        if (i < 3) {
            const auto komma = t.find(',');
            EXPECT_TRUE(komma == std::string::npos || komma + 2 == t.size()) << t;
            EXPECT_GE(p.Wert, 1) << t;
            EXPECT_LE(p.Wert, 20) << t;
        } else {
            EXPECT_EQ(t.find(','), std::string::npos) << t;
            EXPECT_GE(p.Wert, 10) << t;
            EXPECT_LE(p.Wert, 150) << t;
        }
    }
}

TEST(Erzeuge, JedeAufgabeIstIhrTypMitDerGewolltenLoesungszahl) {
    // Ten thousand sheets of twelve, so every kind and every SSW outcome comes up often.
    constexpr std::uint64_t Blaetter = 10000;
    for (std::uint64_t seed = 0; seed < Blaetter; ++seed) {
        const auto blatt = Erzeuge(12, {}, seed);
        ASSERT_EQ(blatt.size(), 12U) << "seed " << seed;
        std::set<std::array<std::string, 6>> verschieden;
        for (const ErzeugteAufgabe& a : blatt) {
            PruefeTexte(a.Felder);
            const Lauf lauf(a.Felder);
            ASSERT_FALSE(lauf.ausgang.Meldung || lauf.ausgang.Fehler) << "seed " << seed;
            ASSERT_EQ(lauf.script.Zeilen().front().Text, std::string("Typ: ") + TypText(a.Typ))
                << "seed " << seed;
            ASSERT_EQ(LoesungenImScript(lauf), a.Loesungen) << "seed " << seed;
            verschieden.insert(a.Felder.Texte);
        }
        ASSERT_EQ(verschieden.size(), blatt.size()) << "seed " << seed;
    }
}

TEST(Erzeuge, GleicherSeedGleichesBlattUndAlleLoesungszahlen) {
    const auto eins = Erzeuge(30, {}, 42);
    const auto noch = Erzeuge(30, {}, 42);
    const auto anders = Erzeuge(30, {}, 43);
    ASSERT_EQ(eins.size(), 30U);
    std::set<int> zahlen;
    for (std::size_t i = 0; i < eins.size(); ++i) {
        EXPECT_EQ(eins[i].Felder.Texte, noch[i].Felder.Texte);
        EXPECT_EQ(eins[i].Typ, AlleTypen[i % 5]);
        if (eins[i].Typ == Aufgabentyp::SSW) {
            zahlen.insert(eins[i].Loesungen);
        }
    }
    EXPECT_EQ(zahlen, (std::set<int>{0, 1, 2}));
    EXPECT_NE(eins[0].Felder.Texte, anders[0].Felder.Texte);
}

TEST(Erzeuge, NurDieGewaehltenTypenUndKeineDoppeltenBeiVielenAufgaben) {
    const auto blatt = Erzeuge(500, {Aufgabentyp::SSW, Aufgabentyp::WSW}, 7);
    ASSERT_EQ(blatt.size(), 500U);
    std::set<std::array<std::string, 6>> verschieden;
    for (const ErzeugteAufgabe& a : blatt) {
        EXPECT_TRUE(a.Typ == Aufgabentyp::SSW || a.Typ == Aufgabentyp::WSW);
        verschieden.insert(a.Felder.Texte);
    }
    EXPECT_EQ(verschieden.size(), 500U);
}

TEST(Erzeuge, TypTexte) {
    for (const Aufgabentyp t : AlleTypen) {
        EXPECT_EQ(TypAusText(TypText(t)), t);
    }
    EXPECT_FALSE(TypAusText("sss"));
    EXPECT_FALSE(TypAusText(""));
}

} // namespace
} // namespace kalotri::test
