// SPDX-License-Identifier: GPL-3.0-or-later
#include "falsche.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kalotri::routen::intern {

namespace {

// The worked steps' route as the calculation stored it, each law applied as the steps
// name it; for the law of sines the first pair the pupil has, a given one first.
std::optional<Schritt> SchrittWie(const Berechnung& b, const Stand& stand, bool stumpf) {
    const auto f = static_cast<std::size_t>(b.Groesse);
    switch (b.Weg) {
    case Herkunft::Winkelsumme:
    case Herkunft::WinkelsummeBesserCosinussatz:
        return Schritt{f, Gesetz::Winkelsumme, 0, false};
    case Herkunft::Cosinussatz:
        return Schritt{f, Gesetz::Cosinussatz, 0, false};
    case Herkunft::Sinussatz: {
        std::optional<Schritt> gefunden;
        for (const std::size_t p : {(f + 1) % 3, (f + 2) % 3}) {
            if (stand.Bekannt[p] && stand.Bekannt[3 + p] &&
                (!gefunden || (stand.Gegeben[p] && stand.Gegeben[3 + p]))) {
                gefunden = Schritt{f, Gesetz::Sinussatz, p, f >= 3 && stumpf};
            }
        }
        return gefunden;
    }
    case Herkunft::Gegeben:
        break;
    }
    return std::nullopt;
}

// The unknown as a pupil with the calculator in radian mode finds it, following the
// worked steps; nothing where the calculator reports an error on the way.
std::optional<L> ImBogenmass(const LoesungsDreieck& d, std::size_t feld, const Rundung& r) {
    const Taschenrechner bogen(r, Gewohnheit{false, -1, true});
    Stand stand = Anfang(d);
    for (const Berechnung& b : d.Schritte) {
        const auto f = static_cast<std::size_t>(b.Groesse);
        const std::optional<Schritt> schritt = SchrittWie(b, stand, b.Wert > 90);
        if (!schritt) {
            return std::nullopt;
        }
        const std::optional<L> falsch = bogen.Rechne(stand, *schritt);
        if (!falsch) {
            return std::nullopt;
        }
        if (f == feld) {
            // Equal where no sine or cosine was pressed on the way: no slip then.
            const L genau = d.Werte[feld];
            return std::abs(*falsch - genau) <= 1e-9L * std::max<L>(1, std::abs(genau))
                       ? std::nullopt
                       : falsch;
        }
        stand.Bekannt[f] = true;
        stand.Gehalten[f] = *falsch;
        stand.Notiert[f] = *falsch;
    }
    return std::nullopt;
}

} // namespace

std::vector<FalscheAntwort> FalscheAntworten(const Loesung& loesung, std::size_t dreieck,
                                             std::size_t feld, const Rundung& rundung) {
    const LoesungsDreieck& d = loesung.Dreiecke[dreieck];
    const L genau = d.Werte[feld];
    std::vector<FalscheAntwort> falsche;
    const auto dazu = [&](Fehlerart art, L wert) {
        if (std::isfinite(wert)) {
            falsche.push_back({art, RundeAuf(wert, rundung.Ergebnis), false});
        }
    };
    // A flat candidate (two equal sides) is no triangle; its numbers are no solution.
    if (loesung.Dreiecke.size() == 2 && loesung.Dreiecke[1 - dreieck].Zaehlt) {
        dazu(Fehlerart::AndereLoesung, loesung.Dreiecke[1 - dreieck].Werte[feld]);
    } else if (loesung.SSW && static_cast<std::size_t>(loesung.SSW->SinusWinkel) == feld &&
               genau != 90) {
        dazu(Fehlerart::AndereLoesung, 180 - genau);
    }
    if (const std::optional<L> bogen = ImBogenmass(d, feld, rundung)) {
        dazu(Fehlerart::Bogenmass, *bogen);
    }
    dazu(Fehlerart::ProzentMehr, genau * 1.01L);
    dazu(Fehlerart::ProzentWeniger, genau * 0.99L);
    return falsche;
}

} // namespace kalotri::routen::intern
