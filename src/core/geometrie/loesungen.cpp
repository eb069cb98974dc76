// SPDX-License-Identifier: GPL-3.0-or-later
#include "loesungen.h"

#include "gleitkomma.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kalotri {

namespace {

constexpr long double Grad = 3.14159265358979323846264338327950288L / 180;

long double WinkelAusSeiten(long double gegenueber, long double s, long double t) {
    const long double c = (s * s + t * t - gegenueber * gegenueber) / (2 * s * t);
    return std::acos(std::clamp(c, -1.0L, 1.0L)) / Grad;
}

bool Echt(const Dreieck& d) {
    for (std::size_t i = 0; i < 3; ++i) {
        if (!std::isfinite(d.Seiten[i]) || !std::isfinite(d.Winkel[i]) || d.Seiten[i] < 0 ||
            d.Winkel[i] < -FlachGrad) {
            return false;
        }
    }
    return true;
}

// SSW: the second solution from the first, as the solver forms it: the sine-rule angle
// turned over, the angle sum, then the law of cosines.
Dreieck ZweiteSSWLoesung(const Dreieck& erste, const std::array<const TPruef*, 6>& g) {
    std::size_t w = 0; // the given angle; its opposite side is the one called s
    while (g[3 + w]->Status != StatusGegeben) {
        ++w;
    }
    const std::size_t t = g[(w + 1) % 3]->Status == StatusGegeben ? (w + 1) % 3 : (w + 2) % 3;
    const std::size_t fehlt = 3 - w - t; // the third side; the angle-sum angle faces it
    Dreieck zweite = erste;
    const double sinus = Speichere(Lang{180} - erste.Winkel[t]);
    const double summe = Speichere(Lang{180} - g[3 + w]->Wert - sinus);
    zweite.Winkel[t] = sinus;
    zweite.Winkel[fehlt] = summe;
    zweite.Seiten[fehlt] = DritteSeite(g[w]->Wert, g[t]->Wert, summe);
    return zweite;
}

} // namespace

std::vector<Dreieck> GeloesteDreiecke(const TRechner& rechner, const ScriptProtokoll& script,
                                      const Ausgang& ausgang) {
    const auto& zeilen = script.Zeilen();
    if (ausgang.Meldung || ausgang.Fehler || zeilen.empty()) {
        return {};
    }
    const std::array<const TPruef*, 6> g = {&rechner.pA,     &rechner.pB,    &rechner.pC,
                                            &rechner.pAlpha, &rechner.pBeta, &rechner.pGamma};
    Dreieck d;
    for (std::size_t i = 0; i < 3; ++i) {
        d.Seiten[i] = g[i]->Wert;
        d.Winkel[i] = g[3 + i]->Wert;
    }
    const std::string& typ = zeilen.front().Text;
    std::vector<Dreieck> dreiecke;
    if (typ == "Typ: SSS") {
        const auto& s = d.Seiten;
        d.Winkel[0] = WinkelAusSeiten(s[0], s[1], s[2]);
        d.Winkel[1] = WinkelAusSeiten(s[1], s[0], s[2]);
        d.Winkel[2] = 180 - d.Winkel[0] - d.Winkel[1];
        dreiecke.push_back(d);
    } else if (typ == "Typ: SSW") {
        const auto zeile = [&](const char* text) {
            return std::any_of(zeilen.begin(), zeilen.end(),
                               [&](const ScriptZeile& z) { return z.Text == text; });
        };
        if (!zeile("Keine Lösung")) {
            dreiecke.push_back(d);
            if (zeile("2. Lösung:")) {
                dreiecke.push_back(ZweiteSSWLoesung(d, g));
            }
        }
    } else {
        dreiecke.push_back(d);
    }
    // Whatever is no triangle at all gets no figure.
    dreiecke.erase(
        std::remove_if(dreiecke.begin(), dreiecke.end(), [](const Dreieck& x) { return !Echt(x); }),
        dreiecke.end());
    return dreiecke;
}

} // namespace kalotri
