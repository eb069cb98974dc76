// SPDX-License-Identifier: GPL-3.0-or-later
#include "uebungsaufgabe.h"

#include <algorithm>

namespace kalotri::uebung {

namespace {

// Subscripts tell the two triangles of an SSW exercise apart, as in the worked steps.
std::string Name(const Loesung& l, Feld f, std::size_t dreieck) {
    std::string name = Anzeigebuchstabe(l, f);
    if (l.Dreiecke.size() > 1) {
        name += dreieck == 0 ? "₁" : "₂";
    }
    return name;
}

bool Gefragt(const std::optional<std::vector<Feld>>& gefragt, Feld f) {
    return !gefragt || std::find(gefragt->begin(), gefragt->end(), f) != gefragt->end();
}

} // namespace

std::optional<Uebungsaufgabe> UebungsaufgabeAus(std::string text, const Eingabe& felder,
                                                const std::optional<std::vector<Feld>>& gefragt) {
    Uebungsaufgabe a;
    a.Text = std::move(text);
    a.Felder = felder;
    a.Ergebnis = Berechne(felder);
    const Loesung& l = a.Ergebnis;
    if (l.Ausgangscode != Code::Geloest || !l.Typ || l.Ausgang.Meldung || l.Ausgang.Fehler) {
        return std::nullopt;
    }
    if (*l.Typ == Aufgabentyp::SSW) {
        a.Fragen.push_back({Frageart::Anzahl, Feld::A, 0, "Anzahl der Dreiecke"});
    }
    for (std::size_t d = 0; d < l.Dreiecke.size(); ++d) {
        for (const Berechnung& b : l.Dreiecke[d].Schritte) {
            if (Gefragt(gefragt, b.Groesse)) {
                a.Fragen.push_back({Frageart::Wert, b.Groesse, d, Name(l, b.Groesse, d)});
            }
        }
    }
    if (a.Fragen.empty()) {
        return std::nullopt;
    }
    a.Dezimalen = AntwortDezimalen(l);
    return a;
}

std::string AufgabenText(const Loesung& loesung, const Eingabe& felder) {
    std::string text = "Gegeben: ";
    bool erste = true;
    for (const GegebeneGroesse& g : loesung.Gegeben) {
        text += erste ? "" : ", ";
        erste = false;
        const auto i = static_cast<std::size_t>(g.Groesse);
        text += Anzeigebuchstabe(loesung, g.Groesse) + " = " + felder.Texte[i];
        text += g.Groesse >= Feld::Alpha ? "°" : "";
    }
    text += ". ";
    text += loesung.Typ == Aufgabentyp::SSW
                ? "Wie viele Dreiecke gibt es? Berechne dann die fehlenden Größen jedes Dreiecks."
                : "Berechne die fehlenden Größen.";
    return text;
}

} // namespace kalotri::uebung
