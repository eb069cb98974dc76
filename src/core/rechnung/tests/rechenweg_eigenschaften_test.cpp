// SPDX-License-Identifier: GPL-3.0-or-later
// Over generated exercises of every kind: each value the Script prints for a triangle that
// counts has exactly one step whose result shows the same number, and no step claims a
// value the Script lacks.

#include "erzeuge.h"
#include "rechenweg.h"
#include "rechner_testhilfe.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace kalotri::test {
namespace {

using Stelle = std::pair<std::size_t, Feld>; // triangle, box

// The number of a value line or a step's result, without degree sign or law.
std::string Zahl(const std::string& text) {
    return text.substr(0, text.find_first_of("° "));
}

// The Script's computed values with the default letters, by triangle and box, of the
// triangles that count.
std::map<Stelle, std::string> ScriptWerte(const Lauf& lauf, const Loesung& l) {
    std::map<Stelle, std::string> werte;
    const std::vector<ScriptZeile> zeilen = lauf.Berechnet();
    std::size_t dreieck = 0;
    for (std::size_t i = 0; i + 1 < zeilen.size(); ++i) {
        const ScriptZeile& z = zeilen[i];
        if (z.Text == "2. Lösung:") {
            dreieck = 1;
        }
        // A name line: "a:", or "b :" in the Symbol face.
        if (z.Text.empty() || z.Text.size() > 3 || z.Text.back() != ':') {
            continue;
        }
        const bool winkel = z.Schrift == SchriftSymbol;
        const std::size_t buchstabe = std::string("abcabg").find(z.Text[0], winkel ? 3 : 0);
        const std::string wert = Zahl(zeilen[++i].Text);
        if (l.Dreiecke.at(dreieck).Zaehlt) {
            werte[{dreieck, static_cast<Feld>(buchstabe)}] = wert;
        }
    }
    return werte;
}

std::map<Stelle, std::string> SchrittWerte(const Rechenweg& weg) {
    std::map<Stelle, std::string> werte;
    for (const Rechenschritt& s : weg) {
        if (s.Groesse) {
            const Stelle stelle{s.Dreieck, *s.Groesse};
            EXPECT_EQ(werte.count(stelle), 0U) << s.Ergebnis;
            const auto gleich = s.Ergebnis.rfind(" = ");
            const auto ungefaehr = s.Ergebnis.rfind(" ≈ ");
            const auto rel = gleich == std::string::npos      ? ungefaehr
                             : ungefaehr == std::string::npos ? gleich
                                                              : std::max(gleich, ungefaehr);
            const std::size_t laenge = rel == ungefaehr ? std::string(" ≈ ").size() : 3;
            werte[stelle] = Zahl(s.Ergebnis.substr(rel + laenge));
        }
    }
    return werte;
}

TEST(RechenwegEigenschaften, EveryResultIsTheScriptsNumber) {
    const std::vector<ErzeugteAufgabe> aufgaben = Erzeuge(600, {}, 20261208);
    ASSERT_EQ(aufgaben.size(), 600U);
    for (const Zahlformat& format :
         {Zahlformat{}, Zahlformat{"0.0", "."}, Zahlformat{"0.0000000000", ","}}) {
        for (const ErzeugteAufgabe& a : aufgaben) {
            const Lauf lauf(a.Felder, format);
            const Loesung l = Berechne(a.Felder);
            const Rechenweg weg = ErstelleRechenweg(l, format);
            const auto script = ScriptWerte(lauf, l);
            ASSERT_EQ(script, SchrittWerte(weg))
                << a.Felder.Texte[0] << "|" << a.Felder.Texte[1] << "|" << a.Felder.Texte[2] << "|"
                << a.Felder.Texte[3] << "|" << a.Felder.Texte[4] << "|" << a.Felder.Texte[5]
                << " with " << format.Maske;
            EXPECT_EQ(script.size(), 3U * l.Loesungszahl());
        }
    }
}

} // namespace
} // namespace kalotri::test
