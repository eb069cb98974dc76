// SPDX-License-Identifier: GPL-3.0-or-later
// SSW in practice: both triangles right in the other order are right, a value of the other
// triangle among one triangle's values is not, and the instruction says which is which.
#include "uebungssatz.h"
#include "zuordnung.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace kalotri::uebung {
namespace {

std::string Text(double x, int dezimalen) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*f", dezimalen, x);
    std::string t = puffer;
    for (char& z : t) {
        z = z == '.' ? ',' : z;
    }
    return t;
}

// The answers with each triangle's values taken from solution `wie[dreieck]`.
std::vector<std::string> Antworten(const Uebungsaufgabe& a, std::array<std::size_t, 2> wie) {
    std::vector<std::string> antworten;
    for (const Frage& f : a.Fragen) {
        antworten.push_back(f.Art == Frageart::Anzahl
                                ? "2"
                                : Text(a.Ergebnis.Dreiecke[wie[f.Dreieck]]
                                           .Werte[static_cast<std::size_t>(f.Groesse)],
                                       a.Dezimalen) +
                                      (f.Groesse >= Feld::Alpha ? "°" : ""));
    }
    return antworten;
}

TEST(Zuordnung, BeideReihenfolgenZaehlenGemischtNicht) {
    int geprueft = 0;
    for (int stufe = 2; stufe <= 3; ++stufe) {
        for (const std::uint32_t nummer : {17U, 4711U, 99U}) {
            for (const Uebungsaufgabe& a :
                 ErstelleUebungssatz({stufe, Aufgabentyp::SSW, 10, nummer}).Aufgaben) {
                if (a.Ergebnis.Dreiecke.size() != 2) {
                    EXPECT_EQ(WelchesDreieck(a), "");
                    continue;
                }
                SCOPED_TRACE(a.Text);
                EXPECT_NE(WelchesDreieck(a).find("Dreieck 1 ist hier das mit"), std::string::npos);
                const std::vector<Note> alleRichtig(a.Fragen.size(), Note::Richtig);
                const Zugeordnet gerade = BewerteZugeordnet(a, Antworten(a, {0, 1}));
                EXPECT_EQ(gerade.Noten, alleRichtig);
                EXPECT_FALSE(gerade.Vertauscht);
                const Zugeordnet andersrum = BewerteZugeordnet(a, Antworten(a, {1, 0}));
                EXPECT_EQ(andersrum.Noten, alleRichtig);
                EXPECT_TRUE(andersrum.Vertauscht);
                // Triangle 2 only, typed as triangle 1: matched all the same.
                std::vector<std::string> nurEines = Antworten(a, {1, 0});
                for (std::size_t i = 0; i < a.Fragen.size(); ++i) {
                    nurEines[i] = a.Fragen[i].Dreieck == 1 ? "" : nurEines[i];
                }
                EXPECT_TRUE(BewerteZugeordnet(a, nurEines).Vertauscht);
                // One value of triangle 1 from the other triangle: that one is wrong.
                std::vector<std::string> gemischt = Antworten(a, {0, 1});
                const std::vector<std::string> andere = Antworten(a, {1, 0});
                for (std::size_t i = 1; i < a.Fragen.size(); ++i) {
                    if (gemischt[i] != andere[i]) {
                        gemischt[i] = andere[i];
                        const Zugeordnet z = BewerteZugeordnet(a, gemischt);
                        EXPECT_FALSE(z.Vertauscht);
                        EXPECT_EQ(z.Noten[i], Note::Falsch) << a.Fragen[i].Name;
                        break;
                    }
                }
                ++geprueft;
            }
        }
    }
    EXPECT_GT(geprueft, 5);
}

} // namespace
} // namespace kalotri::uebung
