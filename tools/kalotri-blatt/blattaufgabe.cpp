// SPDX-License-Identifier: GPL-3.0-or-later
#include "blattaufgabe.h"

#include "fehler.h"
#include "groessen.h"
#include "loesung.h"
#include "pruef.h"
#include "scriptausgabe.h"
#include "scriptprotokoll.h"
#include "scripttext.h"
#include "symbol.h"
#include "zahlform.h"

namespace kalotri::blatt {

namespace {

std::string GegebenText(const Eingabe& e, const Darstellung& d) {
    std::string text;
    for (std::size_t i = 0; i < 6; ++i) {
        const TPruef p = LiesWert(e.Texte[i]);
        if (p.Status == StatusLeer) {
            continue;
        }
        const bool winkel = i >= 3;
        // A value that reads is shown in the general form, so "7,0" and "7.0" both read
        // "7"; anything else as typed, since that is what the exercise says.
        std::string wert =
            p.Status == StatusGegeben ? AllgemeineForm(p.Wert, d.Format.Trennzeichen) : e.Texte[i];
        if (winkel) {
            wert += "°";
        } else if (!d.Einheit.empty()) {
            wert += " " + d.Einheit;
        }
        const std::string name = winkel ? SymbolZuUnicode(e.Buchstaben[i]) : e.Buchstaben[i];
        text += (text.empty() ? "" : ", ") + name + " = " + wert;
    }
    return text;
}

// The corner opposite a side is called by the side's letter in capitals, as in school.
std::string EckenName(const std::string& seite, char sonst) {
    if (seite.size() == 1 && seite[0] >= 'a' && seite[0] <= 'z') {
        return std::string(1, static_cast<char>(seite[0] - 'a' + 'A'));
    }
    return std::string(1, sonst);
}

} // namespace

Loesungsfigur Figurtexte(const Loesung& l, std::size_t nummer, const Eingabe& e,
                         const Darstellung& d) {
    const LoesungsDreieck& dreieck = l.Dreiecke[nummer];
    Loesungsfigur f;
    f.Form = BerechneGroessen(l, e, nummer);
    // The labels show the values as the Script writes them.
    const auto fest = [&](double x) { return FesteForm(x, d.Format.Maske, d.Format.Trennzeichen); };
    std::array<std::string, 3> seitenNamen;
    for (std::size_t i = 0; i < 3; ++i) {
        seitenNamen[i] = e.Buchstaben[i];
        f.Ecken[i] = EckenName(e.Buchstaben[i], static_cast<char>('A' + i));
        const std::string einheit = d.Einheit.empty() ? "" : " " + d.Einheit;
        f.Seiten[i] = {e.Buchstaben[i] + " = " + fest(dreieck.Werte[i]) + einheit, e.Buchstaben[i]};
        const std::string griechisch = SymbolZuUnicode(e.Buchstaben[3 + i]);
        f.Winkel[i] = {griechisch + " = " + fest(dreieck.Werte[3 + i]) + "°", griechisch};
        f.Rechtwinklig[i] = dreieck.Werte[3 + i] == 90;
    }
    if (d.Mehr) {
        f.Groessen = GroessenZeilen(f.Form, seitenNamen, d.Format, d.Einheit);
    }
    return f;
}

BlattAufgabe Bearbeite(const Eingabe& eingabe, const Darstellung& darstellung) {
    BlattAufgabe a;
    a.Einheit = darstellung.Einheit;
    a.Gegeben = GegebenText(eingabe, darstellung);
    const Loesung loesung = Berechne(eingabe);
    ScriptProtokoll script;
    const Ausgang ausgang = SchreibeScript(loesung, darstellung.Format, script);
    a.Loesungsweg = SichtbareZeilen(script, ausgang);
    if (ausgang.Fehler) {
        // The number form failed while the Script was written: no figure could say more.
        return a;
    }
    try {
        if (!loesung.Ausgang.Meldung && !loesung.Ausgang.Fehler) {
            for (std::size_t i = 0; i < loesung.Dreiecke.size(); ++i) {
                a.Figuren.push_back(Figurtexte(loesung, i, eingabe, darstellung));
            }
        }
    } catch (const KalotriFehler&) {
        // A mask too long for the fixed form already ended the calculation in an error,
        // so no figure is missed here.
        a.Figuren.clear();
    }
    return a;
}

} // namespace kalotri::blatt
