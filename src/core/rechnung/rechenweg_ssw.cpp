// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechenweg_schreiber.h"

#include <optional>
#include <string>
#include <vector>

namespace kalotri::weg {

namespace {

using Kandidat = SSWBefund::Kandidat;
using Vergleich = SSWBefund::Vergleich;

// The letters of the exercise in the roles of SSW.
struct Rollen {
    std::string S, T, W, SinusWinkel, SummenWinkel;
};

// Why the law of sines leaves one angle or two, before they are computed.
void WinkelAuswahl(Schreiber& s, const SSWBefund& b, const Rollen& r) {
    if (b.SGegenT == Vergleich::Laenger) {
        s.Begruendung("Weil " + r.S + " länger ist als " + r.T + ", ist " + r.SinusWinkel +
                      " kleiner als " + r.W + " und damit spitz.");
    } else if (b.Kandidaten.size() == 1) {
        s.Begruendung(
            "Der Sinus ist genau 1, also ist " + r.SinusWinkel + " ein rechter Winkel: " + r.S +
            " reicht gerade bis zum zweiten Schenkel von " + r.W + " und steht senkrecht auf ihm.");
    } else {
        s.Begruendung(
            (b.SGegenT == Vergleich::Gleich ? "Weil " + r.S + " und " + r.T + " gleich lang sind"
                                            : "Weil " + r.S + " kürzer ist als " + r.T) +
            ", kommen für " + r.SinusWinkel + " ein spitzer und ein stumpfer Winkel in Frage.");
    }
}

// Whether a candidate leaves room for the third angle. That the acute one does goes without
// saying; `immer` says it for the obtuse one all the same.
void Urteil(Schreiber& s, const Kandidat& k, const std::string& name, const Rollen& r, bool immer) {
    const std::string summe = r.W + " + " + name;
    switch (k.Art) {
    case SSWBefund::Kandidatenart::Gueltig:
        if (immer) {
            s.Begruendung(summe + " < 180°: Auch mit " + name + " bleibt Platz für " +
                          r.SummenWinkel + ".");
        }
        break;
    case SSWBefund::Kandidatenart::Flach:
        s.Begruendung(summe + " = 180°: Für " + r.SummenWinkel + " bleibt 0°.");
        break;
    case SSWBefund::Kandidatenart::Verworfen:
        s.Begruendung(summe + " > 180°: Für " + r.SummenWinkel + " bleibt kein Platz, " + name +
                      " scheidet aus.");
        break;
    }
}

} // namespace

void SSWSchritte(Schreiber& s) {
    const Loesung& l = s.L;
    const SSWBefund& b = *l.SSW;
    const Rollen r{s.Buchstabe(b.S), s.Buchstabe(b.T), s.Buchstabe(b.W), s.Buchstabe(b.SinusWinkel),
                   s.Buchstabe(b.SummenWinkel)};
    if (b.WinkelZuGross) {
        s.Begruendung("Jeder Winkel eines Dreiecks ist kleiner als 180°; " + r.W +
                      " ist es nicht, für die beiden anderen Winkel bleibt kein Platz.");
        s.Ueberschrift("Keine Lösung");
        return;
    }

    const Tafel gegeben = s.GegebeneTafel();
    const auto wert = [&gegeben](Feld f) { return gegeben.Text[Index(f)].value_or("?"); };
    const std::string sinus = "sin " + r.SinusWinkel;
    // A ratio a hair above 1 may look like 1 in the fixed form; it must not read "= 1".
    const bool ueber1 = b.Sinus > 1 && s.Zahl(b.Sinus) == s.Zahl(1);
    s.Rechnung("Sinussatz", sinus + " = " + r.T + "·sin " + r.W + " / " + r.S,
               sinus + " = " + wert(b.T) + "·sin " + wert(b.W) + " / " + wert(b.S),
               ueber1 ? sinus + " > 1" : sinus + " = " + s.Zahl(b.Sinus));
    const std::vector<Kandidat>& kandidaten = b.Kandidaten;
    if (kandidaten.empty()) {
        s.Begruendung("Ein Sinus ist nie größer als 1: Die Seite " + r.S +
                      " ist zu kurz, um den zweiten Schenkel von " + r.W + " zu erreichen.");
        s.Ueberschrift("Keine Lösung");
        return;
    }
    WinkelAuswahl(s, b, r);

    // The candidates in turn; those not dropped became the triangles, in the same order.
    const bool zwei = kandidaten.size() == 2;
    std::vector<std::string> namen;
    std::vector<std::string> texte;
    std::vector<std::optional<std::size_t>> dreieck;
    std::size_t anzahl = 0;
    for (std::size_t i = 0; i < kandidaten.size(); ++i) {
        namen.push_back(r.SinusWinkel + Tiefgestellt(zwei ? static_cast<int>(i) + 1 : 0));
        texte.push_back(s.WertText(b.SinusWinkel, kandidaten[i].SinusWinkel, Herkunft::Sinussatz));
        const std::string ergebnis = namen[i] + " = " + texte[i];
        Rechenschritt& schritt = i == 0 ? s.Rechnung("", "", "", ergebnis)
                                        : s.Rechnung("", namen[i] + " = 180° − " + namen[0],
                                                     namen[i] + " = 180° − " + texte[0], ergebnis);
        dreieck.emplace_back();
        if (kandidaten[i].Art != SSWBefund::Kandidatenart::Verworfen &&
            anzahl < l.Dreiecke.size()) {
            dreieck[i] = anzahl++;
            schritt.Groesse = b.SinusWinkel;
            schritt.Dreieck = *dreieck[i];
        }
    }
    for (std::size_t i = 0; i < kandidaten.size(); ++i) {
        Urteil(s, kandidaten[i], namen[i], r, i == 1);
    }

    if (anzahl == 0) {
        if (b.SGegenT != Vergleich::Laenger) {
            s.Begruendung(
                "Ein Winkel von 90° oder mehr ist der größte im Dreieck und liegt der "
                "längsten Seite gegenüber; " +
                r.W + " liegt aber " + r.S + " gegenüber, und " + r.S +
                (b.SGegenT == Vergleich::Gleich ? " ist nicht länger als " : " ist kürzer als ") +
                r.T + ".");
        }
        s.Ueberschrift("Keine Lösung");
        return;
    }
    s.Begruendung(anzahl == 2 ? "Es gibt zwei Lösungen." : "Es gibt genau eine Lösung.");

    for (std::size_t i = 0; i < kandidaten.size(); ++i) {
        if (!dreieck[i]) {
            continue;
        }
        const std::size_t d = *dreieck[i];
        const int nummer = anzahl == 2 ? static_cast<int>(d) + 1 : 0;
        if (nummer != 0) {
            s.Ueberschrift(nummer == 1 ? "1. Lösung:" : "2. Lösung:");
        }
        Tafel t = gegeben;
        t.Name[Index(b.SummenWinkel)] += Tiefgestellt(nummer);
        t.Name[Index(b.Seite)] += Tiefgestellt(nummer);
        t.Name[Index(b.SinusWinkel)] = namen[i];
        t.Text[Index(b.SinusWinkel)] = texte[i];
        // The sine angle was shown with the candidates.
        for (const Berechnung& schritt : l.Dreiecke[d].Schritte) {
            if (schritt.Groesse != b.SinusWinkel) {
                s.Berechnet(schritt, t, d);
            }
        }
        if (l.Dreiecke[d].Flach) {
            s.FlachBegruendung(d);
        }
    }
}

} // namespace kalotri::weg
