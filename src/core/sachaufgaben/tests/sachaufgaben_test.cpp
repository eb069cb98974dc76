// SPDX-License-Identifier: GPL-3.0-or-later
// What the end-to-end check of the word problems (pruefe_sachaufgaben.py) does not see:
// the choice of situations, and the shape of the worked solution around the calculation's.
#include "sachaufgabe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace kalotri {
namespace {

TEST(Sachaufgaben, EineSituationWechseltIhreArten) {
    Sachregeln r;
    r.Fassungen = 2;
    const auto blaetter = ErzeugeSachaufgaben(4, 11, r, {Situation::Peilung});
    ASSERT_EQ(blaetter.size(), 2U);
    for (const auto& blatt : blaetter) {
        ASSERT_EQ(blatt.size(), 4U);
        std::vector<std::pair<Aufgabentyp, int>> arten;
        for (const Sachaufgabe& a : blatt) {
            EXPECT_EQ(a.Art, Situation::Peilung);
            arten.emplace_back(a.Typ, a.Loesungen);
        }
        // Two points on the course, a change of course, one point, and round again.
        const std::vector<std::pair<Aufgabentyp, int>> erwartet = {{Aufgabentyp::SSW, 2},
                                                                   {Aufgabentyp::SWS, 1},
                                                                   {Aufgabentyp::SSW, 1},
                                                                   {Aufgabentyp::SSW, 2}};
        EXPECT_EQ(arten, erwartet);
    }
    r.Stufe = 1;
    const auto leicht = ErzeugeSachaufgaben(3, 11, r, {Situation::Peilung});
    for (const Sachaufgabe& a : leicht.front()) {
        EXPECT_EQ(a.Typ, Aufgabentyp::SWS);
    }
}

// The one list: every situation named once, found by its name, and made by its own
// generator (a situation that went to another's file would show here); the original five
// first, so that old seeds keep them.
TEST(Sachaufgaben, JedeSituationAusDerEinenListe) {
    std::set<std::string> namen;
    for (const Situation s : AlleSituationen) {
        EXPECT_TRUE(namen.insert(SituationsKennung(s)).second) << SituationsKennung(s);
        EXPECT_EQ(SituationAusKennung(SituationsKennung(s)), s);
        EXPECT_NE(SituationsKennungen().find(SituationsKennung(s)), std::string::npos);
        for (int stufe = 1; stufe <= 3; ++stufe) {
            Sachregeln r;
            r.Stufe = stufe;
            const auto blaetter = ErzeugeSachaufgaben(2, 5, r, {s});
            for (const Sachaufgabe& a : blaetter.front()) {
                EXPECT_EQ(a.Art, s);
                EXPECT_EQ(a.Titel, SituationsTitel(s));
            }
        }
    }
    EXPECT_EQ(AlleSituationen.size(), 10U);
    EXPECT_EQ(SituationsKennungen().rfind("turm, fluss, grundstueck, peilung, kraefte, ", 0), 0U);
    EXPECT_FALSE(SituationAusKennung("burg"));
}

TEST(Sachaufgaben, LoesungswegUmDieRechnungHerum) {
    const auto blaetter = ErzeugeSachaufgaben(10, 3, {});
    for (const Sachaufgabe& a : blaetter.front()) {
        const Rechenweg& w = a.Loesungsweg;
        ASSERT_GE(w.size(), 4U);
        // The situation's words first; the note on rounding is the output's, once.
        EXPECT_EQ(w.front().Art, SchrittArt::Begruendung);
        EXPECT_EQ(
            std::count_if(w.begin(), w.end(),
                          [](const Rechenschritt& s) { return s.Art == SchrittArt::Hinweis; }),
            0);
        EXPECT_EQ(w.back().Art, SchrittArt::Ueberschrift);
        // The calculation's triangle is the situation's: three givens, letters of its points.
        EXPECT_EQ(std::count_if(a.Dreieck.Texte.begin(), a.Dreieck.Texte.end(),
                                [](const std::string& t) { return !t.empty(); }),
                  3);
        EXPECT_FALSE(a.Skizze.Punkte.empty());
        // A practice page asks these of the triangle: none of them may be a given.
        ASSERT_FALSE(a.Dreiecksfragen.empty());
        for (const Feld f : a.Dreiecksfragen) {
            EXPECT_TRUE(a.Dreieck.Texte[static_cast<std::size_t>(f)].empty()) << a.Text;
        }
    }
}

} // namespace
} // namespace kalotri
