// SPDX-License-Identifier: GPL-3.0-or-later
// Properties over many random triangles: the angles found by the law of cosines add up
// to 180, and a triangle posed again as any type from its own values comes back.

#include "rechner_testhilfe.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace kalotri::test {
namespace {

using Werte = std::array<double, 6>; // a, b, c, alpha, beta, gamma
using Drei = std::array<Feld, 3>;

constexpr int AnzahlDreiecke = 300;

// Enough decimals that the written values carry all 18 significant digits.
const Zahlformat Voll{"0." + std::string(20, '0'), "."};

std::string Text(double x) {
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%.17g", x);
    return puffer;
}

// The numbers of the value lines after "Berechnet:", in order.
std::vector<double> Zahlen(const Lauf& lauf) {
    std::vector<double> z;
    for (const ScriptZeile& l : lauf.Berechnet()) {
        // Headers like "1. Lösung:" start with a digit too, but end with a colon.
        if (!l.Text.empty() && std::isdigit(static_cast<unsigned char>(l.Text[0])) != 0 &&
            l.Text.back() != ':') {
            z.push_back(std::strtod(l.Text.c_str(), nullptr));
        }
    }
    return z;
}

// Sides from random angles, kept away from slivers and from right angles (where the sine
// ratio of SSW may round past 1 and the problem has no solution as posed).
std::array<double, 3> ZufallsSeiten(std::mt19937_64& rng) {
    std::uniform_real_distribution<double> winkel(5, 170);
    std::uniform_real_distribution<double> hoch(-2, 3);
    for (;;) {
        const double alpha = winkel(rng);
        const double beta = std::uniform_real_distribution<double>(5, 175 - alpha)(rng);
        const double gamma = 180 - alpha - beta;
        if (std::fabs(alpha - 90) < 0.1 || std::fabs(beta - 90) < 0.1 ||
            std::fabs(gamma - 90) < 0.1) {
            continue;
        }
        const long double grad = 3.14159265358979323846L / 180;
        const long double c = std::pow(10.0L, hoch(rng));
        const long double k = c / std::sin(gamma * grad);
        return {static_cast<double>(k * std::sin(alpha * grad)),
                static_cast<double>(k * std::sin(beta * grad)), static_cast<double>(c)};
    }
}

// The angle opposite the first side, as the SSS case writes it.
double CosinussatzWinkel(double gegenueber, double s2, double s3) {
    Lauf lauf(Boxen({{Feld::A, Text(gegenueber)}, {Feld::B, Text(s2)}, {Feld::C, Text(s3)}}), Voll);
    const std::vector<double> z = Zahlen(lauf);
    EXPECT_EQ(z.size(), 3u);
    return z.empty() ? 0 : z[0];
}

// The whole triangle as SSS finds it.
Werte Loese(const std::array<double, 3>& s) {
    Lauf lauf(Boxen({{Feld::A, Text(s[0])}, {Feld::B, Text(s[1])}, {Feld::C, Text(s[2])}}), Voll);
    const std::vector<double> z = Zahlen(lauf);
    EXPECT_EQ(z.size(), 3u) << lauf.ausgang.Fehler.value_or("");
    return {s[0], s[1], s[2], z.at(0), z.at(1), z.at(2)};
}

Eingabe Gegeben(const Werte& w, const Drei& felder) {
    Eingabe e;
    for (Feld f : felder) {
        e.Texte[static_cast<std::size_t>(f)] = Text(w[static_cast<std::size_t>(f)]);
    }
    return e;
}

bool Nah(double ist, double soll, double relativ) {
    return std::fabs(ist - soll) <= relativ * std::fabs(soll);
}

TEST(Eigenschaften, CosinussatzWinkelErgebenZusammen180) {
    std::mt19937_64 rng(20240611);
    for (int i = 0; i < AnzahlDreiecke; ++i) {
        const auto s = ZufallsSeiten(rng);
        const double summe = CosinussatzWinkel(s[0], s[1], s[2]) +
                             CosinussatzWinkel(s[1], s[2], s[0]) +
                             CosinussatzWinkel(s[2], s[0], s[1]);
        EXPECT_NEAR(summe, 180, 1e-10) << Text(s[0]) << " " << Text(s[1]) << " " << Text(s[2]);
    }
}

TEST(Eigenschaften, JederTypFindetDasDreieckWieder) {
    const std::array<Drei, 12> eindeutig = {{
        {Feld::A, Feld::B, Feld::Gamma}, // SWS
        {Feld::A, Feld::C, Feld::Beta},
        {Feld::B, Feld::C, Feld::Alpha},
        {Feld::Alpha, Feld::Beta, Feld::C}, // WSW
        {Feld::Beta, Feld::Gamma, Feld::A},
        {Feld::Alpha, Feld::Gamma, Feld::B},
        {Feld::C, Feld::Gamma, Feld::Alpha}, // SWW
        {Feld::C, Feld::Gamma, Feld::Beta},
        {Feld::A, Feld::Alpha, Feld::Beta},
        {Feld::A, Feld::Alpha, Feld::Gamma},
        {Feld::B, Feld::Beta, Feld::Alpha},
        {Feld::B, Feld::Beta, Feld::Gamma},
    }};
    // SSW: the given quantities, then the sine-rule angle, angle-sum angle and third side.
    const std::array<std::array<Feld, 6>, 6> ssw = {{
        {Feld::A, Feld::B, Feld::Alpha, Feld::Beta, Feld::Gamma, Feld::C},
        {Feld::B, Feld::C, Feld::Beta, Feld::Gamma, Feld::Alpha, Feld::A},
        {Feld::C, Feld::A, Feld::Gamma, Feld::Alpha, Feld::Beta, Feld::B},
        {Feld::A, Feld::B, Feld::Beta, Feld::Alpha, Feld::Gamma, Feld::C},
        {Feld::B, Feld::C, Feld::Gamma, Feld::Beta, Feld::Alpha, Feld::A},
        {Feld::C, Feld::A, Feld::Alpha, Feld::Gamma, Feld::Beta, Feld::B},
    }};

    std::mt19937_64 rng(7);
    for (int i = 0; i < AnzahlDreiecke; ++i) {
        const Werte w = Loese(ZufallsSeiten(rng));
        const auto idx = [](Feld f) { return static_cast<std::size_t>(f); };

        for (const Drei& felder : eindeutig) {
            Lauf lauf(Gegeben(w, felder));
            ASSERT_FALSE(lauf.ausgang.Meldung || lauf.ausgang.Fehler);
            const std::array<const TPruef*, 6> p = {&lauf.rechner.pA,    &lauf.rechner.pB,
                                                    &lauf.rechner.pC,    &lauf.rechner.pAlpha,
                                                    &lauf.rechner.pBeta, &lauf.rechner.pGamma};
            for (std::size_t k = 0; k < 6; ++k) {
                EXPECT_TRUE(Nah(p[k]->Wert, w[k], 1e-9))
                    << lauf.script.Zeilen().front().Text << " given " << Text(w[idx(felder[0])])
                    << " " << Text(w[idx(felder[1])]) << " " << Text(w[idx(felder[2])])
                    << ": quantity " << k << " is " << Text(p[k]->Wert) << ", not " << Text(w[k]);
            }
        }

        for (const auto& r : ssw) {
            Lauf lauf(Gegeben(w, {r[0], r[1], r[2]}), Voll);
            ASSERT_FALSE(lauf.ausgang.Meldung || lauf.ausgang.Fehler);
            const std::vector<double> z = Zahlen(lauf);
            ASSERT_TRUE(z.size() == 3 || z.size() == 6) << z.size();
            bool gefunden = false;
            for (std::size_t l = 0; l < z.size(); l += 3) {
                gefunden = gefunden ||
                           (Nah(z[l], w[idx(r[3])], 1e-7) && Nah(z[l + 1], w[idx(r[4])], 1e-7) &&
                            Nah(z[l + 2], w[idx(r[5])], 1e-7));
            }
            EXPECT_TRUE(gefunden) << "SSW given " << Text(w[idx(r[0])]) << " " << Text(w[idx(r[1])])
                                  << " " << Text(w[idx(r[2])]);
        }
    }
}

} // namespace
} // namespace kalotri::test
