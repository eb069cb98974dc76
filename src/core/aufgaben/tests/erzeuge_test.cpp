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

TEST(Erzeuge, FassungenUndStufenHaltenIhreZusagen) {
    struct Fall {
        int Stufe;
        bool NurLoesbar;
        std::set<int> SSWLoesungen; // the outcomes that must come up
    };
    for (const Fall& fall : {Fall{1, false, {}}, Fall{2, false, {1, 2}}, Fall{3, true, {1, 2}},
                             Fall{3, false, {0, 1, 2}}}) {
        std::set<int> gesehen;
        for (std::uint64_t seed = 0; seed < 200; ++seed) {
            const auto fassungen = ErzeugeFassungen(10, {}, seed, {fall.Stufe, fall.NurLoesbar, 3});
            ASSERT_EQ(fassungen.size(), 3U);
            std::set<std::array<std::string, 6>> verschieden;
            for (const auto& blatt : fassungen) {
                ASSERT_EQ(blatt.size(), 10U);
                for (std::size_t i = 0; i < blatt.size(); ++i) {
                    const ErzeugteAufgabe& a = blatt[i];
                    // Parallel versions: the same kinds and outcomes, place by place.
                    EXPECT_EQ(a.Typ, fassungen[0][i].Typ);
                    EXPECT_EQ(a.Loesungen, fassungen[0][i].Loesungen);
                    const Lauf lauf(a.Felder);
                    ASSERT_EQ(LoesungenImScript(lauf), a.Loesungen) << "seed " << seed;
                    verschieden.insert(a.Felder.Texte);
                    gesehen.insert(a.Typ == Aufgabentyp::SSW ? a.Loesungen : -1);
                    for (std::size_t j = 0; j < 6; ++j) {
                        const std::string& t = a.Felder.Texte[j];
                        if (t.empty()) {
                            continue;
                        }
                        if (j < 3 && fall.Stufe == 1) {
                            EXPECT_EQ(t.find(','), std::string::npos) << t;
                        }
                        if (j >= 3 && fall.Stufe < 3) {
                            EXPECT_LT(LiesWert(t).Wert, 90) << t;
                        }
                    }
                    // Stufe 1 promises the results too: sides of 1 or more, acute angles
                    // that no rounding shows as 90.
                    for (std::size_t j = 0; j < 6 && fall.Stufe == 1; ++j) {
                        const double wert = lauf.rechner.Groessen[j].Wert;
                        if (j < 3) {
                            EXPECT_GE(wert, 1) << "seed " << seed << ", Aufgabe " << i;
                        } else {
                            EXPECT_LT(wert, 89.5) << "seed " << seed << ", Aufgabe " << i;
                        }
                    }
                }
            }
            EXPECT_EQ(verschieden.size(), 30U) << "seed " << seed;
        }
        gesehen.erase(-1);
        EXPECT_EQ(gesehen, fall.SSWLoesungen) << "Stufe " << fall.Stufe;
    }
    // The first version is the sheet of the seed alone.
    EXPECT_EQ(ErzeugeFassungen(12, {}, 9, {3, false, 2})[0][7].Felder.Texte,
              Erzeuge(12, {}, 9)[7].Felder.Texte);
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
