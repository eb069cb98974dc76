// SPDX-License-Identifier: GPL-3.0-or-later
#include "groessen.h"

#include "zahlform_lang.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace kalotri {

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
