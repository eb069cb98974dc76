// SPDX-License-Identifier: GPL-3.0-or-later
#include "loesungen.h"

namespace kalotri {

std::vector<Dreieck> GeloesteDreiecke(const Loesung& loesung) {
    if (loesung.Ausgang.Meldung || loesung.Ausgang.Fehler) {
        return {};
    }
    std::vector<Dreieck> dreiecke;
    for (const LoesungsDreieck& l : loesung.Dreiecke) {
        Dreieck d;
        for (std::size_t i = 0; i < 3; ++i) {
            d.Seiten[i] = l.Werte[i];
            d.Winkel[i] = l.Werte[3 + i];
        }
        dreiecke.push_back(d);
    }
    return dreiecke;
}

} // namespace kalotri
