// SPDX-License-Identifier: GPL-3.0-or-later
#include "falsche.h"

#include "gleitkomma.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace kalotri::routen::intern {

namespace {

// The worked steps' route as the calculation stored it, each law applied as the steps
// name it; for the law of sines the first pair the pupil has, a given one first.
std::optional<Schritt> SchrittWie(const Berechnung& b, const Stand& stand, const LoesungsDreieck& d,
                                  bool stumpf) {
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
                (!gefunden ||
                 (d.Wege[p] == Herkunft::Gegeben && d.Wege[3 + p] == Herkunft::Gegeben))) {
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

} // namespace

} // namespace kalotri::routen::intern

namespace kalotri::routen {

std::optional<Werte> ImBogenmass(const Loesung& loesung, std::size_t dreieck) {
    using namespace intern;
    const LoesungsDreieck& d = loesung.Dreiecke.at(dreieck);
    const Taschenrechner bogen(Rundung{}, Gewohnheit{false, true});
    Stand stand = Anfang(GegebenerStand(loesung, dreieck));
    for (const Berechnung& b : d.Schritte) {
        const auto f = static_cast<std::size_t>(b.Groesse);
        const std::optional<Schritt> schritt = SchrittWie(b, stand, d, b.Wert > 90);
        const std::optional<L> falsch = schritt ? bogen.Rechne(stand, *schritt) : std::nullopt;
        stand.Bekannt[f] = falsch.has_value();
        // What the calculator refuses stays unknown; the answers before it are slips still.
        stand.Wert[f] = falsch.value_or(std::numeric_limits<L>::quiet_NaN());
    }
    return stand.Wert;
}

} // namespace kalotri::routen

namespace kalotri::routen::intern {

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
        dazu(Fehlerart::Nebenwinkel, Lang80(Lang{180} - Lang{genau}));
    }
    // Equal where no sine or cosine was pressed on the way: no slip then.
    if (const std::optional<Werte> bogen = routen::ImBogenmass(loesung, dreieck);
        bogen && std::abs((*bogen)[feld] - genau) > 1e-9L * std::max<L>(1, std::abs(genau))) {
        dazu(Fehlerart::Bogenmass, (*bogen)[feld]);
    }
    dazu(Fehlerart::ProzentMehr, Lang80(Lang{genau} * Lang{1.01L}));
    dazu(Fehlerart::ProzentWeniger, Lang80(Lang{genau} * Lang{0.99L}));
    return falsche;
}

} // namespace kalotri::routen::intern
