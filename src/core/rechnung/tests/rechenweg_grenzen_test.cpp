// SPDX-License-Identifier: GPL-3.0-or-later
// The worked steps over a boundary corpus: generated exercises scaled from 10^-300 to
// 10^300, and SSW and SWS with sides of very different size. In every step no NAN or INF,
// no number whose exponent got lost (an inverse sine or cosine of more than 1), and as many
// solutions as the Script has. Run under the sanitizers too.

#include "erzeuge.h"
#include "groessen.h"
#include "rechenweg.h"
#include "rechner_testhilfe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kalotri::test {
namespace {

// The box texts of an exercise with every side times 10^k, written in E notation.
Eingabe Skaliert(const Eingabe& e, int k) {
    Eingabe s = e;
    for (std::size_t i = 0; i < 3; ++i) {
        if (!s.Texte[i].empty()) {
            s.Texte[i] += "E" + std::to_string(k);
        }
    }
    return s;
}

std::vector<Eingabe> Korpus() {
    std::vector<Eingabe> korpus;
    const std::vector<ErzeugteAufgabe> aufgaben = Erzeuge(60, {}, 33);
    for (const int k : {-300, -200, -100, -30, -15, -9, 0, 9, 15, 19, 30, 100, 200, 300}) {
        for (const ErzeugteAufgabe& a : aufgaben) {
            korpus.push_back(Skaliert(a.Felder, k));
        }
    }
    // Sides of very different size: s far longer than t, and the other way round.
    for (const char* gross : {"8.791E141", "1E20", "3E300", "1E16"}) {
        for (const char* klein : {"6.1", "1E-5", "2E-300"}) {
            for (const char* winkel : {"30", "89.9", "120", "0.001"}) {
                korpus.push_back(
                    Boxen({{Feld::A, gross}, {Feld::B, klein}, {Feld::Alpha, winkel}}));
                korpus.push_back(
                    Boxen({{Feld::A, klein}, {Feld::B, gross}, {Feld::Alpha, winkel}}));
                korpus.push_back(
                    Boxen({{Feld::A, gross}, {Feld::B, klein}, {Feld::Gamma, winkel}}));
            }
        }
    }
    return korpus;
}

// The text after "sin⁻¹(" or "cos⁻¹(" up to ")", as a number; NAN if there is none.
std::vector<long double> Umkehrargumente(const std::string& zeile) {
    std::vector<long double> werte;
    for (const char* f : {"sin⁻¹(", "cos⁻¹("}) {
        for (auto p = zeile.find(f); p != std::string::npos; p = zeile.find(f, p + 1)) {
            std::string zahl = zeile.substr(p + std::string(f).size());
            zahl = zahl.substr(0, zahl.find(')'));
            for (char& c : zahl) {
                c = c == ',' ? '.' : c;
            }
            if (zahl.rfind("−", 0) == 0) {
                zahl = "-" + zahl.substr(std::string("−").size());
            }
            werte.push_back(std::strtold(zahl.c_str(), nullptr));
        }
    }
    return werte;
}

TEST(RechenwegGrenzen, KeinNanKeinVerlorenerExponentGleicheLoesungszahl) {
    for (const Zahlformat& format : {Zahlformat{}, Zahlformat{"0.0000000000", ","}}) {
        for (const Eingabe& e : Korpus()) {
            const Loesung l = Berechne(e);
            const Rechenweg weg = ErstelleRechenweg(l, format, WeitereAngaben(l, e, ""));
            const std::string name = e.Texte[0] + "|" + e.Texte[1] + "|" + e.Texte[2] + "|" +
                                     e.Texte[3] + "|" + e.Texte[4] + "|" + e.Texte[5];
            bool keine = false;
            std::vector<bool> dreieck(2, false);
            for (const std::string& zeile : RechenwegZeilen(weg)) {
                EXPECT_EQ(zeile.find("NAN"), std::string::npos) << name << ": " << zeile;
                EXPECT_EQ(zeile.find("INF"), std::string::npos) << name << ": " << zeile;
                for (const long double x : Umkehrargumente(zeile)) {
                    EXPECT_LE(std::fabs(x), 1.0L) << name << ": " << zeile;
                }
                keine = keine || zeile == "Keine Lösung";
            }
            for (const Rechenschritt& s : weg) {
                if (s.Groesse && s.Dreieck < 2) {
                    dreieck[s.Dreieck] = true;
                }
            }
            if (l.Ausgangscode != Code::Geloest || l.Ausgang.Fehler || !l.Typ) {
                continue;
            }
            const std::size_t schritte = keine ? 0 : (dreieck[0] ? 1 : 0) + (dreieck[1] ? 1 : 0);
            EXPECT_EQ(schritte, l.Loesungszahl()) << name;
        }
    }
}

// The JSON's step index: every step of the second SSW solution, derived ones included,
// belongs to triangle 1.
TEST(RechenwegGrenzen, SchritteDerZweitenLoesungGehoerenZuDreieckEins) {
    const Eingabe e = Boxen({{Feld::A, "5"}, {Feld::B, "7"}, {Feld::Alpha, "40"}});
    const Loesung l = Berechne(e);
    const Rechenweg weg = ErstelleRechenweg(l, Zahlformat{}, WeitereAngaben(l, e, ""));
    bool zweite = false;
    int rechnungen = 0;
    for (const Rechenschritt& s : weg) {
        zweite = zweite || s.Text == "2. Lösung:";
        if (zweite && s.Art == SchrittArt::Rechnung) {
            EXPECT_EQ(s.Dreieck, 1U) << s.Ergebnis;
            ++rechnungen;
        }
    }
    EXPECT_GE(rechnungen, 8); // the angle sum, the side, perimeter, area, heights, radii
}

} // namespace
} // namespace kalotri::test
