// SPDX-License-Identifier: GPL-3.0-or-later
#include "routen.h"
#include "falsche.h"
#include "schueler.h"

#include "gleitkomma.h"

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

struct Besuch {
    const Taschenrechner& Rechner;
    const Aeste& Zweige;
    const std::vector<Feld>& Reihenfolge;
    const Routenende& Ende;
    Routenhuelle Huelle;

    void Nimm(std::size_t f, L x) {
        Huelle.Min[f] = std::min(Huelle.Min[f], x);
        Huelle.Max[f] = std::max(Huelle.Max[f], x);
        ++Huelle.Anzahl[f];
        std::vector<L>& erreicht = Huelle.Erreicht[f];
        if (const auto stelle = std::lower_bound(erreicht.begin(), erreicht.end(), x);
            stelle == erreicht.end() || *stelle != x) {
            erreicht.insert(stelle, x);
        }
    }

    // The unknowns that may come next: the first one left of the stated order, or any.
    std::vector<std::size_t> Naechste(const Stand& stand) const {
        std::vector<std::size_t> naechste;
        for (const Feld feld : Reihenfolge) {
            const auto f = static_cast<std::size_t>(feld);
            if (!stand.Bekannt[f]) {
                return {f};
            }
        }
        for (std::size_t f = 0; f < 6; ++f) {
            if (!stand.Bekannt[f]) {
                naechste.push_back(f);
            }
        }
        return naechste;
    }

    // Every order in which the unknowns can be found, every law that applies at each step,
    // each answer carried on as the pupil likes.
    void Folge(const Stand& stand) {
        const std::vector<std::size_t> naechste = Naechste(stand);
        if (naechste.empty()) {
            if (Ende) {
                Ende(stand.Wert, Rechner.RundetZwischen());
            }
            return;
        }
        const int d = Rechner.Rundungen().Ergebnis;
        for (const std::size_t f : naechste) {
            for (const Schritt& schritt : Wege(f, Zweige)) {
                const std::optional<L> wert = Rechner.Rechne(stand, schritt);
                if (!wert) {
                    continue;
                }
                Nimm(f, RundeAuf(*wert, d, intern::Massstab));
                const bool letzte =
                    naechste.size() == 1 &&
                    std::count(stand.Bekannt.begin(), stand.Bekannt.end(), false) == 1;
                Stand weiter = stand;
                weiter.Bekannt[f] = true;
                // Unrounded, as written, with one decimal more (each once where two are the
                // same number); nothing to carry after the last unknown unless something is
                // worked out from the triangle.
                const std::array<L, 3> formen = {*wert, RundeAuf(*wert, d, intern::Massstab),
                                                 RundeAuf(*wert, d + 1, intern::Massstab)};
                for (std::size_t k = 0; k < formen.size(); ++k) {
                    if (std::find(formen.begin(), formen.begin() + k, formen[k]) !=
                        formen.begin() + k) {
                        continue;
                    }
                    weiter.Wert[f] = formen[k];
                    Folge(weiter);
                    if (letzte && !Ende) {
                        break;
                    }
                }
            }
        }
    }
};

} // namespace

Anfangsstand GegebenerStand(const Loesung& loesung, std::size_t dreieck) {
    Anfangsstand anfang;
    const LoesungsDreieck& d = loesung.Dreiecke.at(dreieck);
    for (std::size_t f = 0; f < 6; ++f) {
        if (d.Wege[f] == Herkunft::Gegeben) {
            anfang.Werte[f] = intern::AlsGetippt(d.Werte[f]);
        }
    }
    return anfang;
}

Routenhuelle Erkunde(const Loesung& loesung, std::size_t dreieck, const Anfangsstand& anfang,
                     const Rundung& rundung, const std::vector<Feld>& reihenfolge,
                     const Routenende& ende) {
    const Aeste aeste = AesteVon(loesung, loesung.Dreiecke.at(dreieck));
    Routenhuelle huelle;
    huelle.Min.fill(std::numeric_limits<L>::infinity());
    huelle.Max.fill(-std::numeric_limits<L>::infinity());
    for (const bool zwischen : {false, true}) {
        const Taschenrechner rechner(rundung, Gewohnheit{zwischen, false});
        Besuch besuch{rechner, aeste, reihenfolge, ende, huelle};
        besuch.Folge(intern::Anfang(anfang));
        huelle = besuch.Huelle;
    }
    return huelle;
}

std::vector<Feld> Rechenfolge(const LoesungsDreieck& dreieck) {
    std::vector<Feld> folge;
    for (const Berechnung& b : dreieck.Schritte) {
        folge.push_back(b.Groesse);
    }
    return folge;
}

std::vector<Spielraum> Spielraeume(const Loesung& loesung, std::size_t dreieck,
                                   const Rundung& rundung, const std::vector<Feld>& reihenfolge) {
    std::vector<Spielraum> ergebnis;
    if (dreieck >= loesung.Dreiecke.size()) {
        return ergebnis;
    }
    const LoesungsDreieck& d = loesung.Dreiecke[dreieck];
    Routenhuelle huelle =
        Erkunde(loesung, dreieck, GegebenerStand(loesung, dreieck), rundung, reihenfolge);
    const L halbeEinheit = Lang80(Lang{0.5L} * Lang{Zehnerpotenz(-rundung.Ergebnis)});
    for (std::size_t f = 0; f < 6; ++f) {
        if (d.Wege[f] == Herkunft::Gegeben) {
            continue;
        }
        Spielraum s;
        s.Groesse = static_cast<Feld>(f);
        s.Genau = d.Werte[f];
        // The calculation's value is a double: its halves are missed by a double's units.
        s.Gerundet =
            RundeAuf(s.Genau, rundung.Ergebnis,
                     intern::Massstab * std::numeric_limits<double>::epsilon() / LangEpsilon);
        // The calculation's own value is the route of a pupil who never rounds.
        s.Unten = Lang80(Lang{std::min(huelle.Min[f], s.Gerundet)} - halbeEinheit);
        s.Oben = Lang80(Lang{std::max(huelle.Max[f], s.Gerundet)} + halbeEinheit);
        s.Routen = huelle.Anzahl[f];
        s.Erreicht = huelle.Erreicht[f];
        if (!std::binary_search(s.Erreicht.begin(), s.Erreicht.end(), s.Gerundet)) {
            s.Erreicht.insert(std::lower_bound(s.Erreicht.begin(), s.Erreicht.end(), s.Gerundet),
                              s.Gerundet);
        }
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

} // namespace kalotri::routen
