// SPDX-License-Identifier: GPL-3.0-or-later
// The four marks over generated sets of every level and kind: for each question the
// right value, a rounding slip, a follow-up error and the typical wrong answers (1 % off,
// radian mode, the other SSW solution). The values the answers are made from come from
// the engine's solution and from the laws written out here, not from the marking's routes.
#include "bewertung.h"
#include "uebungssatz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace kalotri::uebung {
namespace {

using L = long double;

std::string Text(L x, int dezimalen) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*Lf", dezimalen, x);
    std::string t = puffer;
    for (char& z : t) {
        z = z == '.' ? ',' : z;
    }
    return t;
}

L Wert(const Uebungsaufgabe& a, const Frage& f) {
    return a.Ergebnis.Dreiecke[f.Dreieck].Werte[static_cast<std::size_t>(f.Groesse)];
}

// The right answers of an exercise, rounded as asked.
std::vector<std::string> Richtige(const Uebungsaufgabe& a) {
    std::vector<std::string> antworten;
    for (const Frage& f : a.Fragen) {
        antworten.push_back(f.Art == Frageart::Anzahl ? std::to_string(a.Ergebnis.Dreiecke.size())
                                                      : Text(Wert(a, f), a.Dezimalen));
    }
    return antworten;
}

Note NoteMit(const Uebungsaufgabe& a, std::size_t i, const std::string& antwort) {
    std::vector<std::string> antworten = Richtige(a);
    antworten[i] = antwort;
    return Bewerte(a, antworten)[i];
}

std::vector<Uebungsaufgabe> Aufgaben() {
    std::vector<Uebungsaufgabe> alle;
    for (int stufe = 1; stufe <= 3; ++stufe) {
        for (const Aufgabentyp typ : AlleTypen) {
            if (stufe == 1 && typ == Aufgabentyp::SSW) {
                continue;
            }
            for (std::uint32_t nummer : {17U, 4711U}) {
                for (Uebungsaufgabe& a : ErstelleUebungssatz({stufe, typ, 10, nummer}).Aufgaben) {
                    alle.push_back(std::move(a));
                }
            }
        }
    }
    return alle;
}

TEST(Bewertung, JedeFrageJederStufeUndArt) {
    int geprueft = 0;
    for (const Uebungsaufgabe& a : Aufgaben()) {
        SCOPED_TRACE(a.Text);
        for (const Note n : Bewerte(a, Richtige(a))) {
            EXPECT_EQ(n, Note::Richtig);
        }
        for (std::size_t i = 0; i < a.Fragen.size(); ++i) {
            const Frage& f = a.Fragen[i];
            SCOPED_TRACE(f.Name);
            if (f.Art == Frageart::Anzahl) {
                EXPECT_EQ(NoteMit(a, i, std::to_string((a.Ergebnis.Dreiecke.size() + 1) % 3)),
                          Note::Falsch);
                continue;
            }
            const L x = Wert(a, f);
            const int d = a.Dezimalen;
            const L einheit = std::pow(10.0L, static_cast<L>(-d));
            EXPECT_EQ(NoteMit(a, i, Text(x, d + 2)), Note::NurRundung) << "more decimals";
            const frage::Bereich& richtig = frage::Richtig(a.Modell.Felder[i]);
            const L grober = std::round(x / einheit / 10) * einheit * 10;
            // Inside, it is right where a route gives it (pruefe_routen.py counts them).
            if (grober < richtig.Unten || grober > richtig.Oben) {
                EXPECT_EQ(NoteMit(a, i, Text(x, d - 1)), Note::NurRundung) << "fewer decimals";
            }
            // Just outside the accepted answers, one unit of the last digit either way is a
            // rounding slip, two units are wrong; but never as much as half a percent.
            const L unten = std::ceil(richtig.Unten / einheit - 1e-6L) * einheit - einheit;
            const L oben = std::floor(richtig.Oben / einheit + 1e-6L) * einheit + einheit;
            // (A typical wrong answer that lands there stays wrong.)
            const auto typisch = [&](L y) {
                return std::any_of(a.Modell.Felder[i].Falsche.begin(),
                                   a.Modell.Felder[i].Falsche.end(),
                                   [&](const frage::FalscheAntwort& falsch) {
                                       return std::fabs(falsch.Wert - y) < einheit / 10;
                                   });
            };
            if (einheit < 0.005L * std::fabs(x) && !typisch(unten) && !typisch(oben)) {
                EXPECT_EQ(NoteMit(a, i, Text(unten, d)), Note::NurRundung) << "one unit down";
                EXPECT_EQ(NoteMit(a, i, Text(oben, d)), Note::NurRundung) << "one unit up";
                EXPECT_EQ(NoteMit(a, i, Text(oben + einheit, d)), Note::Falsch) << "two up";
            }
            // Where 1 % is less than two units of the last decimal, rounding hides it.
            if (x / 100 > 2 * einheit) {
                EXPECT_EQ(NoteMit(a, i, Text(x * 1.01L, d)), Note::Falsch) << "1 % off";
                EXPECT_EQ(NoteMit(a, i, Text(x * 0.99L, d)), Note::Falsch) << "1 % off";
            }
            EXPECT_EQ(NoteMit(a, i, Text(x, 0) + "x"), Note::KeineZahl) << "not a number";
            if (a.Ergebnis.Dreiecke.size() == 2) {
                const L andere =
                    a.Ergebnis.Dreiecke[1 - f.Dreieck].Werte[static_cast<std::size_t>(f.Groesse)];
                if (std::fabs(andere - x) > 0.02L * x) {
                    EXPECT_EQ(NoteMit(a, i, Text(andere, d)), Note::Falsch) << "other solution";
                }
            }
            ++geprueft;
        }
    }
    EXPECT_GT(geprueft, 250);
}

constexpr L Grad = std::numbers::pi_v<L> / 180;

// The last value of a triangle by a law that uses the wrong first answer `falsch`: the
// angle sum, or the law of sines (for an angle the branch nearer the right value).
std::optional<L> AusEigenen(const std::array<std::optional<L>, 6>& w, std::size_t ziel,
                            std::size_t falsch, L richtig) {
    if (ziel >= 3 && falsch >= 3) {
        const std::size_t j = 3 + (ziel + 1) % 3;
        const std::size_t k = 3 + (ziel + 2) % 3;
        if (w[j] && w[k]) {
            return 180 - *w[j] - *w[k];
        }
    }
    const std::size_t seite = ziel % 3;
    for (std::size_t p = 0; p < 3; ++p) {
        const bool mitFalsch =
            falsch == p || falsch == p + 3 || falsch == seite || falsch == seite + 3;
        if (p == seite || !w[p] || !w[p + 3] || !mitFalsch) {
            continue;
        }
        if (ziel < 3 && w[ziel + 3]) {
            return *w[p] * std::sin(*w[ziel + 3] * Grad) / std::sin(*w[p + 3] * Grad);
        }
        // An obtuse angle's arc sine is the classic slip, no route (but SSW's, not here).
        if (ziel >= 3 && w[seite] && richtig < 90) {
            const L spitz = std::asin(*w[seite] * std::sin(*w[p + 3] * Grad) / *w[p]) / Grad;
            return std::fabs(spitz - richtig) < std::fabs(180 - spitz - richtig) ? spitz
                                                                                 : 180 - spitz;
        }
    }
    return std::nullopt;
}

TEST(Bewertung, FolgefehlerAusDerEigenenFalschenZahl) {
    int geprueft = 0;
    for (const Uebungsaufgabe& a : Aufgaben()) {
        SCOPED_TRACE(a.Text);
        for (std::size_t d = 0; d < a.Ergebnis.Dreiecke.size(); ++d) {
            std::vector<std::size_t> fragen;
            for (std::size_t i = 0; i < a.Fragen.size(); ++i) {
                if (a.Fragen[i].Art == Frageart::Wert && a.Fragen[i].Dreieck == d) {
                    fragen.push_back(i);
                }
            }
            // The first unknown 5 % too big, the second right, the third from both.
            std::vector<std::string> antworten = Richtige(a);
            std::array<std::optional<L>, 6> eigene;
            for (const GegebeneGroesse& g : a.Ergebnis.Gegeben) {
                eigene[static_cast<std::size_t>(g.Groesse)] = g.Wert;
            }
            const L einheit = std::pow(10.0L, static_cast<L>(-a.Dezimalen));
            const Frage& erste = a.Fragen[fragen[0]];
            eigene[static_cast<std::size_t>(erste.Groesse)] =
                std::round(Wert(a, erste) * 1.05L / einheit) * einheit;
            antworten[fragen[0]] =
                Text(*eigene[static_cast<std::size_t>(erste.Groesse)], a.Dezimalen);
            const Frage& zweite = a.Fragen[fragen[1]];
            eigene[static_cast<std::size_t>(zweite.Groesse)] =
                std::round(Wert(a, zweite) / einheit) * einheit;
            const Frage& letzte = a.Fragen[fragen[2]];
            const std::optional<L> folge =
                AusEigenen(eigene, static_cast<std::size_t>(letzte.Groesse),
                           static_cast<std::size_t>(erste.Groesse), Wert(a, letzte));
            if (!folge || std::fabs(*folge - Wert(a, letzte)) < 0.02L) {
                continue; // no law through the wrong value, or one that hardly feels it
            }
            antworten[fragen[2]] = Text(*folge, a.Dezimalen);
            const std::vector<Note> noten = Bewerte(a, antworten);
            EXPECT_EQ(noten[fragen[0]], Note::Falsch);
            EXPECT_EQ(noten[fragen[1]], Note::Richtig);
            EXPECT_EQ(noten[fragen[2]], Note::Folgefehler)
                << letzte.Name << " " << antworten[fragen[2]];
            ++geprueft;
        }
    }
    EXPECT_GT(geprueft, 40);
}

TEST(Bewertung, EinzelneRouten) {
    // 5, 7, γ = 60°: c = 6,24; a calculator in radian mode gives another c.
    const auto sws = UebungsaufgabeAus("", Eingabe{{"5", "7", "", "", "", "60"}});
    ASSERT_TRUE(sws);
    ASSERT_EQ(sws->Fragen.size(), 3U);
    const L c = std::sqrt(25.0L + 49 - 70 * std::cos(60.0L));
    EXPECT_EQ(Bewerte(*sws, {Text(c, 2)})[0], Note::Falsch);
    EXPECT_EQ(Bewerte(*sws, {"6.24", "  "})[1], Note::Leer);

    // SSW with β near 90°: sin β rounded to five decimals, as the instruction allows,
    // moves β by up to a hundredth of a degree; that route is right.
    const auto ssw = UebungsaufgabeAus("", Eingabe{{"10", "10,15", "", "80", "", ""}});
    ASSERT_TRUE(ssw);
    ASSERT_EQ(ssw->Ergebnis.Dreiecke.size(), 2U);
    const L sinus = std::round(10.15L * std::sin(80 * Grad) / 10 * 1e5L) / 1e5L;
    const L beta = std::asin(sinus) / Grad;
    const int d = ssw->Dezimalen;
    EXPECT_EQ(Bewerte(*ssw, {"2", Text(beta, d)})[1], Note::Richtig) << Text(beta, 4);
    // The other solution in the first block is the second triangle, entered first: right.
    // Typed into both blocks, one of them is the other solution.
    EXPECT_EQ(Bewerte(*ssw, {"2", Text(180 - beta, d)})[1], Note::Richtig) << "either order";
    std::size_t zweites = 0;
    for (std::size_t i = 0; i < ssw->Fragen.size(); ++i) {
        zweites = ssw->Fragen[i].Dreieck == 1 && ssw->Fragen[i].Groesse == ssw->Fragen[1].Groesse
                      ? i
                      : zweites;
    }
    std::vector<std::string> beide(ssw->Fragen.size());
    beide[0] = "2";
    beide[1] = beide[zweites] = Text(beta, d);
    const std::vector<Note> noten = Bewerte(*ssw, beide);
    EXPECT_EQ(noten[1], Note::Richtig);
    EXPECT_EQ(noten[zweites], Note::Falsch) << "the other solution";
}

} // namespace
} // namespace kalotri::uebung
