// SPDX-License-Identifier: GPL-3.0-or-later
#include "routen.h"
#include "falsche.h"
#include "schueler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace kalotri::routen {

using intern::Gesetz;
using intern::Gewohnheit;
using intern::L;
using intern::Schritt;
using intern::Stand;
using intern::Taschenrechner;

namespace {

// Per angle whether the arc sine may be taken, and which branch: only where the pupil can
// know it (an acute angle, or the SSW sine angle of the solution in hand). An obtuse angle
// from the law of sines outside SSW is the classic slip, not a route.
using Aeste = std::array<std::optional<bool>, 6>;

Aeste AesteVon(const Loesung& loesung, const LoesungsDreieck& d) {
    Aeste aeste;
    for (std::size_t f = 3; f < 6; ++f) {
        const bool sswWinkel =
            loesung.SSW && static_cast<std::size_t>(loesung.SSW->SinusWinkel) == f;
        if (sswWinkel) {
            aeste[f] = d.Werte[f] > 90;
        } else if (d.Werte[f] < 90) {
            aeste[f] = false;
        }
    }
    return aeste;
}

std::vector<Schritt> Wege(std::size_t f, const Aeste& aeste) {
    const std::size_t i = f % 3;
    std::vector<Schritt> wege;
    if (f >= 3) {
        wege.push_back({f, Gesetz::Winkelsumme, 0, false});
    }
    wege.push_back({f, Gesetz::Cosinussatz, 0, false});
    if (f < 3 || aeste[f]) {
        for (const std::size_t p : {(i + 1) % 3, (i + 2) % 3}) {
            wege.push_back({f, Gesetz::Sinussatz, p, f >= 3 && *aeste[f]});
        }
    }
    return wege;
}

struct Huelle {
    std::array<L, 6> Min;
    std::array<L, 6> Max;
    std::array<int, 6> Anzahl{};

    Huelle() {
        Min.fill(std::numeric_limits<L>::infinity());
        Max.fill(-std::numeric_limits<L>::infinity());
    }
    void Nimm(std::size_t f, L x) {
        Min[f] = std::min(Min[f], x);
        Max[f] = std::max(Max[f], x);
        ++Anzahl[f];
    }
};

// Every order in which the unknowns can be found, every law that applies at each step.
void Folge(const Taschenrechner& rechner, const Stand& stand, const Aeste& aeste, Huelle& huelle) {
    for (std::size_t f = 0; f < 6; ++f) {
        if (stand.Bekannt[f]) {
            continue;
        }
        for (const Schritt& schritt : Wege(f, aeste)) {
            const std::optional<L> wert = rechner.Rechne(stand, schritt);
            if (!wert) {
                continue;
            }
            Stand weiter = stand;
            weiter.Bekannt[f] = true;
            weiter.Gehalten[f] = *wert;
            weiter.Notiert[f] = rechner.Notiere(*wert);
            huelle.Nimm(f, RundeAuf(*wert, rechner.Rundungen().Ergebnis, intern::Massstab));
            Folge(rechner, weiter, aeste, huelle);
        }
    }
}

} // namespace

std::vector<Spielraum> Spielraeume(const Loesung& loesung, std::size_t dreieck,
                                   const Rundung& rundung) {
    std::vector<Spielraum> ergebnis;
    if (dreieck >= loesung.Dreiecke.size()) {
        return ergebnis;
    }
    const LoesungsDreieck& d = loesung.Dreiecke[dreieck];
    const Aeste aeste = AesteVon(loesung, d);
    Huelle huelle;
    for (const bool zwischen : {false, true}) {
        for (const int weiterstellen : {-1, 0, 1}) {
            const Taschenrechner rechner(rundung, Gewohnheit{zwischen, weiterstellen, false});
            Folge(rechner, intern::Anfang(d), aeste, huelle);
        }
    }
    const L halbeEinheit = 0.5L * std::pow(10.0L, static_cast<L>(-rundung.Ergebnis));
    for (std::size_t f = 0; f < 6; ++f) {
        if (d.Wege[f] == Herkunft::Gegeben) {
            continue;
        }
        Spielraum s;
        s.Groesse = static_cast<Feld>(f);
        s.Genau = d.Werte[f];
        // The calculation's value is a double: its halves are missed by a double's units.
        s.Gerundet = RundeAuf(s.Genau, rundung.Ergebnis,
                              intern::Massstab * std::numeric_limits<double>::epsilon() /
                                  std::numeric_limits<L>::epsilon());
        // The calculation's own value is the route of a pupil who never rounds.
        huelle.Nimm(f, s.Gerundet);
        s.Unten = huelle.Min[f] - halbeEinheit;
        s.Oben = huelle.Max[f] + halbeEinheit;
        s.Routen = huelle.Anzahl[f] - 1;
        s.Falsche = intern::FalscheAntworten(loesung, dreieck, f, rundung);
        for (FalscheAntwort& falsch : s.Falsche) {
            falsch.Abgelehnt = !s.Nimmt(falsch.Wert);
        }
        ergebnis.push_back(std::move(s));
    }
    return ergebnis;
}

bool Trennscharf(const std::vector<Spielraum>& spielraeume) {
    return std::all_of(spielraeume.begin(), spielraeume.end(), [](const Spielraum& s) {
        return std::all_of(s.Falsche.begin(), s.Falsche.end(),
                           [](const FalscheAntwort& f) { return f.Abgelehnt; });
    });
}

int TrennscharfeDezimalen(const Loesung& loesung, int ab, int bis) {
    for (int d = ab; d < bis; ++d) {
        bool alle = true;
        for (std::size_t i = 0; i < loesung.Dreiecke.size() && alle; ++i) {
            // A candidate that is no triangle (flat) is asked for nowhere.
            alle =
                !loesung.Dreiecke[i].Zaehlt || Trennscharf(Spielraeume(loesung, i, RundungFuer(d)));
        }
        if (alle) {
            return d;
        }
    }
    return bis;
}

} // namespace kalotri::routen
