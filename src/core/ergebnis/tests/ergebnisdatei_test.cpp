// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's results file and the class table made of three of them; a damaged or edited
// file is refused with its reason.
#include "ergebnisdatei.h"
#include "klassentabelle.h"

#include <gtest/gtest.h>

namespace kalotri::ergebnis {
namespace {

using uebung::Note;

Satzstand Stand(std::vector<std::vector<Note>> noten, std::vector<int> hinweise) {
    Satzstand s{"2-SWS-4711-5", 0, true, {}};
    for (std::size_t i = 0; i < noten.size(); ++i) {
        Aufgabenstand a{std::vector<std::string>(noten[i].size()),
                        noten[i],
                        {},
                        {},
                        uebung::PunkteJeFrage * static_cast<int>(noten[i].size())};
        for (const Note n : noten[i]) {
            a.NotenPunkte.push_back(uebung::Punkte(n));
        }
        for (int h = 0; h < hinweise[i]; ++h) {
            a.Gekauft.push_back({h, std::nullopt, 1});
        }
        s.Aufgaben.push_back(a);
    }
    return s;
}

TEST(Ergebnisdatei, DreiSchuelerEineTabelle) {
    constexpr Note R = Note::Richtig, N = Note::NurRundung, F = Note::Falsch;
    const std::vector<std::string> dateien = {
        SchreibeErgebnis(ErgebnisAus("Anna", "2026-12-08", Stand({{R, R}, {R, R, R}}, {0, 0}))),
        SchreibeErgebnis(
            ErgebnisAus("=Bernd;\"B\"\nX", "2026-12-08", Stand({{R, N}, {F, F, R}}, {1, 2}))),
        SchreibeErgebnis(ErgebnisAus("Cem", "2026-12-09", Stand({{F, F}}, {0}))),
    };
    std::vector<Ergebnis> ergebnisse;
    for (const std::string& d : dateien) {
        auto e = LiesErgebnis(d);
        ASSERT_TRUE(std::holds_alternative<Ergebnis>(e)) << std::get<std::string>(e);
        ergebnisse.push_back(std::get<Ergebnis>(e));
    }
    EXPECT_EQ(ergebnisse[1].Name, "=Bernd;\"B\" X");
    EXPECT_EQ(AlsCsv(ErstelleKlassentabelle(ergebnisse)),
              "\xEF\xBB\xBF"
              "Name;Code;Datum;A1;A2;Punkte;von;Prozent;Hinweise\r\n"
              "Anna;2-SWS-4711-5;2026-12-08;4;6;10;10;100,0;0\r\n"
              "\"'=Bernd;\"\"B\"\" X\";2-SWS-4711-5;2026-12-08;2;0;2;10;20,0;3\r\n"
              "Cem;2-SWS-4711-5;2026-12-09;0;;0;4;0,0;0\r\n"
              "Klasse (%);;;50,0;50,0;12;24;50,0;\r\n");
}

TEST(Ergebnisdatei, BeschaedigtOderVeraendert) {
    const std::string gut = SchreibeErgebnis(
        ErgebnisAus("Anna", "2026-12-08", Stand({{Note::Richtig, Note::Falsch}}, {1})));
    EXPECT_EQ(gut.substr(gut.find("Aufgabe 1")),
              "Aufgabe 1: punkte=1 hoechstens=4 hinweise=1 abzug=1 noten=rx\nPrüfsumme: " +
                  gut.substr(gut.size() - 9));
    auto gekippt = gut;
    gekippt[gut.find("punkte=1") + 7] = '4';
    // Points raised by hand, with the checksum made anew: the marks do not give them.
    Ergebnis erhoeht = std::get<Ergebnis>(LiesErgebnis(gut));
    erhoeht.Aufgaben[0].Punkte = 4;
    struct Fall {
        std::string text;
        const char* grund;
    };
    for (const Fall& f : std::initializer_list<Fall>{
             {gekippt, "beschädigt: die Prüfsumme stimmt nicht"},
             {gut.substr(0, gut.size() / 2), "unvollständig: die Prüfsumme fehlt"},
             {"%PDF-1.4", "keine Ergebnisdatei von Kalotri"},
             {"", "keine Ergebnisdatei von Kalotri"},
             {SchreibeErgebnis(erhoeht), "Aufgabe 1 ist nicht lesbar"},
         }) {
        const auto e = LiesErgebnis(f.text);
        ASSERT_TRUE(std::holds_alternative<std::string>(e)) << f.grund;
        EXPECT_EQ(std::get<std::string>(e), f.grund);
    }
    EXPECT_TRUE(std::holds_alternative<Ergebnis>(LiesErgebnis(gut)));
    // A box that counts nothing (an intermediate value): fewer points than the marks, kept.
    Satzstand zwischen = Stand({{Note::Richtig, Note::Richtig}}, {0});
    zwischen.Aufgaben[0].NotenPunkte[1] = 0;
    zwischen.Aufgaben[0].Hoechstens = 2;
    const auto e = LiesErgebnis(SchreibeErgebnis(ErgebnisAus("Anna", "2026-12-08", zwischen)));
    ASSERT_TRUE(std::holds_alternative<Ergebnis>(e));
    EXPECT_EQ(std::get<Ergebnis>(e).Aufgaben[0].Punkte, 2);
    EXPECT_EQ(std::get<Ergebnis>(e).Aufgaben[0].Hoechstens, 2);
}

} // namespace
} // namespace kalotri::ergebnis
