// SPDX-License-Identifier: GPL-3.0-or-later
#include "groessen.h"

#include "zahlform_lang.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace kalotri {

Groessen BerechneGroessen(const Dreieck& dreieck) {
    Groessen g;
    // On a scale near 1, so that the product below cannot overflow.
    int exponent = 0;
    std::frexp(std::max({dreieck.Seiten[0], dreieck.Seiten[1], dreieck.Seiten[2]}), &exponent);
    std::array<long double, 3> s{};
    for (std::size_t i = 0; i < 3; ++i) {
        s[i] = std::ldexp(dreieck.Seiten[i], -exponent);
    }
    g.Seiten = dreieck.Seiten;
    g.Flach = IstFlach(dreieck);
    g.Umfang = dreieck.Seiten[0] + dreieck.Seiten[1] + dreieck.Seiten[2];
    long double flaeche = 0;
    if (!g.Flach) {
        // Kahan's ordering of Heron's formula stays accurate for needle-like triangles.
        std::array<long double, 3> o = s;
        std::sort(o.begin(), o.end(), std::greater<>());
        const long double a = o[0], b = o[1], c = o[2];
        const long double produkt = (a + (b + c)) * (c - (a - b)) * (c + (a - b)) * (a + (b - c));
        flaeche = produkt > 0 ? std::sqrt(produkt) / 4 : 0;
    }
    g.Flaeche = std::ldexp(flaeche, 2 * exponent);
    for (std::size_t i = 0; i < 3; ++i) {
        if (s[i] > 0) {
            g.Hoehen[i] = std::ldexp(2 * flaeche / s[i], exponent);
        }
    }
    if (flaeche > 0) {
        g.Umkreisradius = std::ldexp(s[0] * s[1] * s[2] / (4 * flaeche), exponent);
    }
    const long double umfang = s[0] + s[1] + s[2];
    if (umfang > 0) {
        g.Inkreisradius = std::ldexp(2 * flaeche / umfang, exponent);
    }
    return g;
}

std::vector<std::string> GroessenZeilen(const Groessen& groessen,
                                        const std::array<std::string, 3>& seitenNamen,
                                        const Zahlformat& format, std::string_view einheit) {
    const std::string nachLaenge = einheit.empty() ? "" : " " + std::string(einheit);
    const std::string nachFlaeche = einheit.empty() ? "" : nachLaenge + "²";
    const auto zahl = [&](long double x) {
        return FesteFormLang(x, format.Maske, format.Trennzeichen);
    };

    std::vector<std::string> zeilen;
    zeilen.push_back("Umfang: " + zahl(groessen.Umfang) + nachLaenge);
    zeilen.push_back("Flächeninhalt: " + zahl(groessen.Flaeche) + nachFlaeche);
    for (std::size_t i = 0; i < 3; ++i) {
        if (groessen.Hoehen[i]) {
            zeilen.push_back("Höhe auf " + seitenNamen[i] + ": " + zahl(*groessen.Hoehen[i]) +
                             nachLaenge);
        }
    }
    zeilen.push_back(groessen.Umkreisradius
                         ? "Umkreisradius: " + zahl(*groessen.Umkreisradius) + nachLaenge
                         : std::string("Umkreisradius: keiner (flaches Dreieck)"));
    zeilen.push_back("Inkreisradius: " + zahl(groessen.Inkreisradius) + nachLaenge);
    return zeilen;
}

Wegangaben WeitereAngaben(const Loesung& loesung, const Eingabe& eingabe,
                          const std::string& einheit) {
    Wegangaben angaben;
    angaben.Einheit = einheit;
    for (std::size_t i = 0; i < loesung.Dreiecke.size(); ++i) {
        std::optional<WeitereGroessen>& mehr = angaben.Mehr.emplace_back();
        if (!loesung.Dreiecke[i].Zaehlt || loesung.Dreiecke[i].Flach) {
            continue;
        }
        const Groessen g = BerechneGroessen(loesung, eingabe, i);
        mehr = WeitereGroessen{g.Umfang, g.Flaeche, g.Hoehen, g.Umkreisradius, g.Inkreisradius};
    }
    return angaben;
}

} // namespace kalotri
