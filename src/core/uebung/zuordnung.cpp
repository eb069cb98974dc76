// SPDX-License-Identifier: GPL-3.0-or-later
#include "zuordnung.h"

#include <algorithm>
#include <cmath>

namespace kalotri::uebung {

namespace {

using L = long double;

L Loesungswert(const Uebungsaufgabe& a, std::size_t dreieck, Feld f) {
    return a.Ergebnis.Dreiecke[dreieck].Werte[static_cast<std::size_t>(f)];
}

// Values the two solutions share (a given side, an angle both have) say nothing about the
// numbering; those apart by more than 1 % do.
bool Unterscheidet(const Uebungsaufgabe& a, Feld f) {
    const L x = Loesungswert(a, 0, f), y = Loesungswert(a, 1, f);
    return std::fabs(x - y) > 0.01L * std::max(std::fabs(x), std::fabs(y));
}

// The first value of triangle 1 the two solutions disagree on.
const Frage* ErsteUnterscheidende(const Uebungsaufgabe& a) {
    for (const Frage& f : a.Fragen) {
        if (f.Art == Frageart::Wert && f.Dreieck == 0 && Unterscheidet(a, f.Groesse)) {
            return &f;
        }
    }
    return nullptr;
}

} // namespace

Zugeordnet BewerteZugeordnet(const Uebungsaufgabe& aufgabe,
                             const std::vector<std::string>& antworten) {
    if (aufgabe.Ergebnis.Dreiecke.size() != 2) {
        return {Bewerte(aufgabe, antworten), false};
    }
    // Each typed value votes for the numbering under which it is nearer its solution.
    int stimmen = 0; // > 0: the other numbering
    for (std::size_t i = 0; i < aufgabe.Fragen.size() && i < antworten.size(); ++i) {
        const Frage& f = aufgabe.Fragen[i];
        if (f.Art != Frageart::Wert || !Unterscheidet(aufgabe, f.Groesse)) {
            continue;
        }
        if (const auto z = LiesAntwort(antworten[i], FormFuer(aufgabe, f))) {
            const L eigen = std::fabs(z->Wert - Loesungswert(aufgabe, f.Dreieck, f.Groesse));
            const L anders = std::fabs(z->Wert - Loesungswert(aufgabe, 1 - f.Dreieck, f.Groesse));
            stimmen += anders < eigen ? 1 : anders > eigen ? -1 : 0;
        }
    }
    if (stimmen <= 0) {
        return {Bewerte(aufgabe, antworten), false};
    }
    Uebungsaufgabe getauscht = aufgabe;
    for (Frage& f : getauscht.Fragen) {
        f.Dreieck = f.Art == Frageart::Wert ? 1 - f.Dreieck : f.Dreieck;
    }
    return {Bewerte(getauscht, antworten), true};
}

std::string WelchesDreieck(const Uebungsaufgabe& aufgabe) {
    if (aufgabe.Ergebnis.Dreiecke.size() != 2) {
        return {};
    }
    const Frage* f = ErsteUnterscheidende(aufgabe);
    if (f == nullptr) {
        return {};
    }
    const std::string name = Anzeigebuchstabe(aufgabe.Ergebnis, f->Groesse);
    const L x = Loesungswert(aufgabe, 0, f->Groesse), y = Loesungswert(aufgabe, 1, f->Groesse);
    const bool winkel = f->Groesse >= Feld::Alpha;
    const std::string art = winkel ? "Winkel " : "Seite ";
    std::string erstes, zweites;
    if (winkel && (x < 90) != (y < 90)) {
        erstes = x < 90 ? "spitzen" : "stumpfen";
        zweites = x < 90 ? "stumpfen" : "spitzen";
    } else {
        erstes = x < y ? "kleineren" : "größeren";
        zweites = x < y ? "größeren" : "kleineren";
    }
    const std::string artikel = winkel ? "dem " : "der ";
    return "Dreieck 1 ist hier das mit " + artikel + erstes + " " + art + name +
           ", Dreieck 2 das mit " + artikel + zweites + "; beide Reihenfolgen zählen.";
}

} // namespace kalotri::uebung
