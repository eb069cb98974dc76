// SPDX-License-Identifier: GPL-3.0-or-later
// The derived quantities straight from what the exercise gives, each by the formula that
// keeps its digits for the kind of problem: never from the values rounded for the Script,
// whose last bits decide everything in a needle or a nearly flat triangle.
#include "groessen.h"

#include "dezimal.h"
#include "genaue_winkel.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace kalotri {

namespace {

using L = long double;

// A given value as the pupil typed it: a decimal the stored double only approximates.
// Whatever this reading does not agree with keeps the stored value.
std::optional<Dezimal> Getippt(const GegebeneGroesse& g, const Eingabe& eingabe) {
    const auto d = LiesDezimal(eingabe.Texte[static_cast<std::size_t>(g.Groesse)]);
    if (!d || static_cast<double>(d->Wert()) != g.Wert) {
        return std::nullopt;
    }
    return d;
}

// Kahan's ordering of Heron's formula, accurate for needles and nearly flat triangles.
L Heron(std::array<L, 3> s) {
    std::sort(s.begin(), s.end(), std::greater<>());
    const L a = s[0], b = s[1], c = s[2];
    const L produkt = (a + (b + c)) * (c - (a - b)) * (c + (a - b)) * (a + (b - c));
    return produkt > 0 ? std::sqrt(produkt) / 4 : 0;
}

struct Ergebnis {
    std::array<L, 3> Seiten{};
    L Flaeche = 0;
    std::optional<L> Umkreisradius;
};

// The given lengths in a unit near their size (whole numbers where they are decimals), so
// that no square or product of them can overflow or lose digits; the given angles.
struct Gegeben {
    std::array<std::optional<L>, 3> Seiten;
    std::array<std::optional<GenauerWinkel>, 3> Winkel;
    std::array<std::optional<Dezimal>, 3> WinkelDezimal;
};

Ergebnis Rechne(Aufgabentyp typ, const Gegeben& g, L einheit, const LoesungsDreieck& dreieck,
                std::size_t nummer, std::size_t anzahl) {
    Ergebnis e;
    std::array<L, 3> s{};
    for (std::size_t i = 0; i < 3; ++i) {
        s[i] = g.Seiten[i].value_or(0);
    }
    const auto gegebenerWinkel = [&]() {
        std::size_t j = 0;
        while (!g.Winkel[j]) {
            ++j;
        }
        return j;
    };
    switch (typ) {
    case Aufgabentyp::SSS: {
        e.Seiten = s;
        e.Flaeche = Heron(s);
        if (e.Flaeche > 0) {
            e.Umkreisradius = s[0] * s[1] * s[2] / (4 * e.Flaeche);
        }
        break;
    }
    case Aufgabentyp::SWS: {
        // The given angle lies between the given sides, so faces the missing one.
        const std::size_t j = gegebenerWinkel();
        const L p = s[(j + 1) % 3], q = s[(j + 2) % 3];
        const L halb = genau::AusLang(g.Winkel[j]->Grad / 2).Sin;
        // The law of cosines without its cancellation for small angles.
        s[j] = std::sqrt((p - q) * (p - q) + 4 * p * q * halb * halb);
        const L sinus = g.Winkel[j]->Sin;
        e.Seiten = s;
        e.Flaeche = p * q * sinus / 2;
        if (sinus > 0) {
            e.Umkreisradius = s[j] / (2 * sinus);
        }
        break;
    }
    case Aufgabentyp::SSW: {
        // Side r faces the given angle w, t is the other given side, u the third one:
        // u = t·cos w ± √(r² − t²·sin² w), the larger root first as in the Script.
        const std::size_t j = gegebenerWinkel();
        const std::size_t k = g.Seiten[(j + 1) % 3] ? (j + 1) % 3 : (j + 2) % 3;
        const std::size_t m = 3 - j - k;
        const L r = s[j], t = s[k];
        const GenauerWinkel w = *g.Winkel[j];
        const L d = std::sqrt(std::max<L>((r - t * w.Sin) * (r + t * w.Sin), 0));
        const L mitte = t * w.Cos;
        // Both roots without cancellation: their product is t² − r².
        const L groessere = mitte >= 0 ? mitte + d : (r - t) * (r + t) / (d - mitte);
        const L kleinere = groessere > 0 ? (t - r) * (t + r) / groessere : 0;
        L u = nummer == 0 ? groessere : kleinere;
        if (anzahl == 1) {
            // One triangle: whichever root the calculation found.
            const L geschrieben = dreieck.Werte[m] / einheit;
            u = std::fabs(groessere - geschrieben) <= std::fabs(kleinere - geschrieben) ? groessere
                                                                                        : kleinere;
        }
        s[m] = std::max<L>(u, 0);
        e.Seiten = s;
        e.Flaeche = t * s[m] * w.Sin / 2;
        if (w.Sin > 0) {
            e.Umkreisradius = r / (2 * w.Sin);
        }
        break;
    }
    case Aufgabentyp::WSW:
    case Aufgabentyp::SWW: {
        std::size_t k = 0;
        while (!g.Seiten[k]) {
            ++k;
        }
        std::array<GenauerWinkel, 3> w;
        std::size_t fehlt = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            if (g.Winkel[i]) {
                w[i] = *g.Winkel[i];
            } else {
                fehlt = i;
            }
        }
        const std::size_t x = (fehlt + 1) % 3, y = (fehlt + 2) % 3;
        w[fehlt] = genau::Rest(w[x], w[y], g.WinkelDezimal[x], g.WinkelDezimal[y]);
        if (w[k].Sin <= 0) {
            break;
        }
        const L durchmesser = s[k] / w[k].Sin;
        for (std::size_t i = 0; i < 3; ++i) {
            e.Seiten[i] = i == k ? s[k] : durchmesser * w[i].Sin;
        }
        e.Flaeche = e.Seiten[0] * e.Seiten[1] * w[2].Sin / 2;
        e.Umkreisradius = durchmesser / 2;
        break;
    }
    }
    return e;
}

} // namespace

Groessen BerechneGroessen(const Loesung& loesung, const Eingabe& eingabe, std::size_t nummer) {
    Groessen gr;
    if (!loesung.Typ || nummer >= loesung.Dreiecke.size()) {
        return gr;
    }
    const LoesungsDreieck& dreieck = loesung.Dreiecke[nummer];
    Gegeben g;
    std::vector<Dezimal> dezimal;
    std::vector<std::size_t> seiten;
    bool alleDezimal = true;
    L laengste = 0;
    for (const GegebeneGroesse& q : loesung.Gegeben) {
        const auto i = static_cast<std::size_t>(q.Groesse);
        const std::optional<Dezimal> d = Getippt(q, eingabe);
        const L wert = d ? d->Wert() : static_cast<L>(q.Wert);
        if (i >= 3) {
            g.Winkel[i - 3] = d ? genau::AusDezimal(*d) : genau::AusLang(wert);
            g.WinkelDezimal[i - 3] = d;
            continue;
        }
        g.Seiten[i] = wert;
        laengste = std::max(laengste, std::fabs(wert));
        alleDezimal = alleDezimal && d;
        dezimal.push_back(d.value_or(Dezimal{}));
        seiten.push_back(i);
    }
    // Typed decimals become whole numbers of one power of ten, so that differences of
    // nearly equal sides are exact; else a power of two near the longest side is the unit.
    int exponent = 0;
    const auto ganz = alleDezimal ? AufEineStelle(dezimal, exponent) : std::nullopt;
    L einheit = 1;
    if (ganz) {
        einheit = Dezimal{1, exponent}.Wert();
        for (std::size_t n = 0; n < seiten.size(); ++n) {
            g.Seiten[seiten[n]] = (*ganz)[n];
        }
    } else if (laengste > 0 && std::isfinite(laengste)) {
        std::frexp(laengste, &exponent);
        einheit = std::ldexp(1.0L, exponent);
        for (const std::size_t i : seiten) {
            g.Seiten[i] = std::ldexp(*g.Seiten[i], -exponent);
        }
    }
    const Ergebnis e = Rechne(*loesung.Typ, g, einheit, dreieck, nummer, loesung.Dreiecke.size());

    // Back to the lengths of the exercise: products first on the small scale, so that
    // nothing overflows in between.
    gr.Flach = dreieck.Flach;
    for (std::size_t i = 0; i < 3; ++i) {
        gr.Seiten[i] = e.Seiten[i] * einheit;
    }
    gr.Umfang = (e.Seiten[0] + e.Seiten[1] + e.Seiten[2]) * einheit;
    if (!gr.Flach) {
        gr.Flaeche = e.Flaeche * einheit * einheit;
        if (e.Umkreisradius) {
            gr.Umkreisradius = *e.Umkreisradius * einheit;
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (e.Seiten[i] > 0) {
            gr.Hoehen[i] = gr.Flach ? 0 : 2 * e.Flaeche / e.Seiten[i] * einheit;
        }
    }
    const L umfang = e.Seiten[0] + e.Seiten[1] + e.Seiten[2];
    if (umfang > 0 && !gr.Flach) {
        gr.Inkreisradius = 2 * e.Flaeche / umfang * einheit;
    }
    return gr;
}

} // namespace kalotri
