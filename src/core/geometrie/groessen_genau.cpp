// SPDX-License-Identifier: GPL-3.0-or-later
// The derived quantities straight from what the exercise gives, each by the formula that
// keeps its digits for the kind of problem: never from the values rounded for the Script,
// whose last bits decide everything in a needle or a nearly flat triangle.
#include "groessen.h"

#include "pruef.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>

namespace kalotri {

namespace {

using L = long double;
constexpr L ProGrad = 3.14159265358979323846264338327950288L / 180;

// sin and cos of an angle in degrees, in [0, 180]. Reducing by 180 or 90 first is exact
// (the operands are within a factor of two), so an angle near 180 keeps its small sine.
L SinGrad(L w) {
    if (w > 90) {
        w = 180 - w;
    }
    return w > 45 ? std::cos((90 - w) * ProGrad) : std::sin(w * ProGrad);
}
L CosGrad(L w) {
    if (w > 135) {
        return -std::cos((180 - w) * ProGrad);
    }
    return w > 45 ? std::sin((90 - w) * ProGrad) : std::cos(w * ProGrad);
}

struct Winkel {
    L Sin = 0;
    L Cos = 1;
};

Winkel AusGrad(L w) {
    return {SinGrad(w), CosGrad(w)};
}

// The third angle, 180° minus the other two, by the addition theorem: taking 180 minus
// their sum would lose the digits of a tiny third angle.
Winkel Rest(Winkel x, Winkel y) {
    return {x.Sin * y.Cos + x.Cos * y.Sin, x.Sin * y.Sin - x.Cos * y.Cos};
}

// The value the pupil typed: a decimal the stored double only approximates. Read again
// in long double; whatever this reading does not agree with keeps the stored value.
L GegebenerWert(const GegebeneGroesse& g, const Eingabe& eingabe) {
    const std::string text = KommaZuPunkt(eingabe.Texte[static_cast<std::size_t>(g.Groesse)]);
    L wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler != std::errc() || ende != text.data() + text.size() ||
        static_cast<double>(wert) != g.Wert) {
        return g.Wert;
    }
    return wert;
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

// Lengths come in divided by a power of two, so that no square or product of them can
// overflow or underflow; the results are scaled back at the end.
Ergebnis Rechne(Aufgabentyp typ, const std::array<std::optional<L>, 6>& g,
                const LoesungsDreieck& dreieck, std::size_t nummer, std::size_t anzahl) {
    Ergebnis e;
    std::array<L, 3> s{};
    for (std::size_t i = 0; i < 3; ++i) {
        s[i] = g[i].value_or(0);
    }
    const auto gegebenerWinkel = [&]() {
        std::size_t j = 0;
        while (!g[3 + j]) {
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
        const L p = s[(j + 1) % 3], q = s[(j + 2) % 3], w = *g[3 + j];
        const L halb = SinGrad(w / 2);
        // The law of cosines without its cancellation for small angles.
        s[j] = std::sqrt((p - q) * (p - q) + 4 * p * q * halb * halb);
        const L sinus = SinGrad(w);
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
        const std::size_t k = g[(j + 1) % 3] ? (j + 1) % 3 : (j + 2) % 3;
        const std::size_t m = 3 - j - k;
        const L r = s[j], t = s[k];
        const Winkel w = AusGrad(*g[3 + j]);
        const L d = std::sqrt(std::max<L>((r - t * w.Sin) * (r + t * w.Sin), 0));
        const L mitte = t * w.Cos;
        // Both roots without cancellation: their product is t² − r².
        const L groessere = mitte >= 0 ? mitte + d : (r - t) * (r + t) / (d - mitte);
        const L kleinere = groessere > 0 ? (t - r) * (t + r) / groessere : 0;
        L u = nummer == 0 ? groessere : kleinere;
        if (anzahl == 1) {
            // One triangle: whichever root the calculation found.
            const L geschrieben = dreieck.Werte[m];
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
        while (!g[k]) {
            ++k;
        }
        std::array<Winkel, 3> w;
        std::size_t fehlt = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            if (g[3 + i]) {
                w[i] = AusGrad(*g[3 + i]);
            } else {
                fehlt = i;
            }
        }
        w[fehlt] = Rest(w[(fehlt + 1) % 3], w[(fehlt + 2) % 3]);
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
    std::array<std::optional<L>, 6> g;
    L laengste = 0;
    for (const GegebeneGroesse& q : loesung.Gegeben) {
        const auto i = static_cast<std::size_t>(q.Groesse);
        g[i] = GegebenerWert(q, eingabe);
        if (i < 3) {
            laengste = std::max(laengste, std::fabs(*g[i]));
        }
    }
    int exponent = 0;
    if (laengste > 0 && std::isfinite(laengste)) {
        std::frexp(laengste, &exponent);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (g[i]) {
            g[i] = std::ldexp(*g[i], -exponent);
        }
    }
    const Ergebnis e = Rechne(*loesung.Typ, g, dreieck, nummer, loesung.Dreiecke.size());

    gr.Flach = dreieck.Flach;
    for (std::size_t i = 0; i < 3; ++i) {
        gr.Seiten[i] = std::ldexp(e.Seiten[i], exponent);
    }
    gr.Umfang = gr.Seiten[0] + gr.Seiten[1] + gr.Seiten[2];
    if (!gr.Flach) {
        gr.Flaeche = std::ldexp(e.Flaeche, 2 * exponent);
        if (e.Umkreisradius) {
            gr.Umkreisradius = std::ldexp(*e.Umkreisradius, exponent);
        }
    }
    // Heights and the inradius from the area on the small scale, where 2F/s stays in range.
    for (std::size_t i = 0; i < 3; ++i) {
        if (e.Seiten[i] > 0) {
            gr.Hoehen[i] = gr.Flach ? 0 : std::ldexp(2 * e.Flaeche / e.Seiten[i], exponent);
        }
    }
    const L umfang = e.Seiten[0] + e.Seiten[1] + e.Seiten[2];
    if (umfang > 0 && !gr.Flach) {
        gr.Inkreisradius = std::ldexp(2 * e.Flaeche / umfang, exponent);
    }
    return gr;
}

} // namespace kalotri
