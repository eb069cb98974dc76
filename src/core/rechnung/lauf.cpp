// SPDX-License-Identifier: GPL-3.0-or-later
#include "lauf.h"

#include "winkel.h"

namespace kalotri::intern {

LoesungsDreieck& Lauf::NeuesDreieck() {
    LoesungsDreieck& d = Ergebnis.Dreiecke.emplace_back();
    for (const GegebeneGroesse& g : Ergebnis.Gegeben) {
        d.Werte[static_cast<std::size_t>(g.Groesse)] = g.Wert;
    }
    return d;
}

void Trage(LoesungsDreieck& dreieck, Feld feld, double wert, Herkunft weg) {
    dreieck.Werte[static_cast<std::size_t>(feld)] = wert;
    dreieck.Wege[static_cast<std::size_t>(feld)] = weg;
    dreieck.Schritte.push_back({feld, wert, weg});
}

void PruefeFlach(LoesungsDreieck& dreieck) {
    // Only what the calculation computed: a tiny given angle is the pupil's, not a flat
    // result.
    for (const Berechnung& b : dreieck.Schritte) {
        if (b.Groesse >= Feld::Alpha && b.Wert <= FlachToleranz) {
            dreieck.Flach = true;
        }
    }
}

} // namespace kalotri::intern
