// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechenweg_gesetze.h"
#include "rechenweg_schreiber.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace kalotri::weg {

namespace {

using Kandidat = SSWBefund::Kandidat;
using Vergleich = SSWBefund::Vergleich;

// The letters of the exercise in the roles of SSW.
struct Rollen {
    std::string S, T, W, SinusWinkel, SummenWinkel, Seite;
};

// Why the law of sines leaves one angle or two, before they are computed.
void WinkelAuswahl(Schreiber& s, const SSWBefund& b, const Rollen& r, long double w) {
    if (b.SGegenT == Vergleich::Laenger) {
        // An obtuse or right w is itself the largest angle: the reason is the angle sum.
        s.Begruendung(w < 90 ? "Weil " + r.S + " länger ist als " + r.T + ", ist " + r.SinusWinkel +
                                   " kleiner als " + r.W + " und damit spitz."
                             : r.W + " misst 90° oder mehr; weil " + r.W + " + " + r.SinusWinkel +
                                   " < 180° sein muss, ist " + r.SinusWinkel + " spitz.");
    } else if (b.Kandidaten.size() == 1) {
        s.Begruendung(
            "Der Sinus ist genau 1, also ist " + r.SinusWinkel + " ein rechter Winkel: " + r.S +
            " reicht gerade bis zum zweiten Schenkel von " + r.W + " und steht senkrecht auf ihm.");
    } else {
        s.Begruendung("Weil " + r.S + " kürzer ist als " + r.T + ", kommen für " + r.SinusWinkel +
                      " ein spitzer und ein stumpfer Winkel in Frage.");
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
        s.Begruendung(summe + " = 180°: Für " + r.SummenWinkel + " bleibt 0°, " + r.Seite +
                      " wäre 0. Eine flache Figur ist kein Dreieck, " + name + " scheidet aus.");
        break;
    case SSWBefund::Kandidatenart::Verworfen:
        s.Begruendung(summe + " > 180°: Für " + r.SummenWinkel + " bleibt kein Platz, " + name +
                      " scheidet aus.");
        break;
    }
}

// The rest of one triangle once its sine angle is known: angle sum, third side, extras.
void Loesungsschritte(Schreiber& s, Tafel t, std::size_t d, int nummer) {
    const Loesung& l = s.L;
    const SSWBefund& b = *l.SSW;
    t.Name[Index(b.SummenWinkel)] += Tiefgestellt(nummer);
    t.Name[Index(b.Seite)] += Tiefgestellt(nummer);
    for (const Berechnung& schritt : l.Dreiecke[d].Schritte) {
        if (schritt.Groesse != b.SinusWinkel) {
            s.Berechnet(schritt, t, d);
        }
    }
    s.Weitere(t, d, nummer);
}

// Two equal sides: the triangle is isosceles, and the angles facing them are equal.
void Gleichschenklig(Schreiber& s, const Rollen& r, Tafel t) {
    const Loesung& l = s.L;
    const SSWBefund& b = *l.SSW;
    const Zahl& w = *t.Wert[Index(b.W)];
    s.Begruendung("Weil " + r.S + " und " + r.T +
                  " gleich lang sind, ist das Dreieck "
                  "gleichschenklig: Die Winkel gegenüber " +
                  r.S + " und " + r.T + " sind gleich, " + r.SinusWinkel + " = " + r.W + ".");
    if (w.Wert >= 90 || l.Loesungszahl() == 0) {
        s.Begruendung("Mit " + r.W + " ≥ 90° wären " + r.W + " + " + r.SinusWinkel +
                      " ≥ 180°: Für " + r.SummenWinkel + " bliebe kein Platz, " + r.S + " und " +
                      r.T + " lägen höchstens aufeinander. Das ist kein Dreieck.");
        s.Ueberschrift("Keine Lösung");
        return;
    }
    Ausdruck gleich;
    gleich.Formel = r.SinusWinkel + " = " + r.W;
    gleich.Wert = w.Wert;
    gleich.Genau = true;
    gleich.Dezimalen = w.Dezimalen;
    const Zahl winkel =
        s.Ergebnis("", r.SinusWinkel, "k0", gleich, "°",
                   s.ScriptZiel(l.Dreiecke[0].Werte[Index(b.SinusWinkel)], Herkunft::Sinussatz));
    s.Letzter()->Groesse = b.SinusWinkel;
    const Zahl stumpf = w.Dezimalen >= 0
                            ? Gerundet(180 - w.Wert, w.Dezimalen, s.Trenner())
                            : Allgemein(static_cast<double>(180 - w.Wert), s.Trenner());
    s.Begruendung("Der stumpfe Winkel mit demselben Sinus, 180° − " + r.W + " = " + stumpf.Text +
                  "°, ließe für " + r.SummenWinkel + " nur 0°: " + r.S + " und " + r.T +
                  " lägen aufeinander, " + r.Seite +
                  " wäre 0. Eine solche flache Figur ist "
                  "kein Dreieck.");
    s.Begruendung("Es gibt genau eine Lösung.");
    t.Wert[Index(b.SinusWinkel)] = winkel;
    t.Schluessel[Index(b.SinusWinkel)] = "k0";
    Loesungsschritte(s, t, 0, 0);
}

} // namespace

void SSWSchritte(Schreiber& s) {
    const Loesung& l = s.L;
    const SSWBefund& b = *l.SSW;
    const Rollen r{s.Buchstabe(b.S),
                   s.Buchstabe(b.T),
                   s.Buchstabe(b.W),
                   s.Buchstabe(b.SinusWinkel),
                   s.Buchstabe(b.SummenWinkel),
                   s.Buchstabe(b.Seite)};
    if (b.WinkelZuGross) {
        s.Begruendung("Jeder Winkel eines Dreiecks ist kleiner als 180°; " + r.W +
                      " ist es nicht, für die beiden anderen Winkel bleibt kein Platz.");
        s.Ueberschrift("Keine Lösung");
        return;
    }
    const Tafel gegeben = s.GegebeneTafel();
    if (b.SGegenT == Vergleich::Gleich) {
        Gleichschenklig(s, r, gegeben);
        return;
    }

    const Zahl& ws = *gegeben.Wert[Index(b.S)];
    const Zahl& wt = *gegeben.Wert[Index(b.T)];
    const Zahl& ww = *gegeben.Wert[Index(b.W)];
    const std::string sinus = "sin " + r.SinusWinkel;
    Ausdruck q;
    q.Formel = sinus + " = " + r.T + "·sin " + r.W + " / " + r.S;
    q.Einsetzung = sinus + " = " + Eingesetzt(wt, false) + "·sin " + Eingesetzt(ww, true) + " / " +
                   Eingesetzt(ws, false);
    q.Wert = Lang80(Lang{wt.Wert} * Lang{Sinus(ww.Wert)} / Lang{ws.Wert});
    Zahl sinW;
    if (b.Sinus == 1) {
        // The calculation takes the ratio as exactly 1 and the angle as exactly 90°.
        const bool genau = std::fabs(q.Wert - 1) < 1e-15L;
        s.Rechnung("Sinussatz", q.Formel, q.Einsetzung, sinus + (genau ? " = 1" : " ≈ 1"));
        sinW = Gerundet(1, 0, s.Trenner());
    } else {
        sinW = s.Ergebnis("Sinussatz", sinus, "sin", q, "", std::nullopt, 2);
        // Whether the ratio exceeds 1 decides the count of solutions: its digits must show it.
        if ((b.Sinus > 1) != (sinW.Wert > 1) || sinW.Wert == 1) {
            s.MehrStellen("sin");
        }
        if ((b.Sinus > 1) != (sinW.Wert > 1) || (b.Sinus < 1 && sinW.Wert >= 1)) {
            // 1 to every digit shown (2·sin 150° / 1), but the calculation's binary quotient
            // fell a hair to one side: what follows is the calculation's, and says so.
            s.Begruendung("Auf " + std::to_string(sinW.Dezimalen) + " Dezimalen ist " + sinus +
                          " = 1; die Rechnung mit Gleitkommazahlen erhält einen Quotienten knapp " +
                          (b.Sinus > 1 ? "über 1 und findet keinen Winkel."
                                       : "unter 1 und findet zwei Winkel nahe 90°."));
        }
    }
    const std::vector<Kandidat>& kandidaten = b.Kandidaten;
    if (kandidaten.empty()) {
        s.Begruendung("Ein Sinus ist nie größer als 1: Die Seite " + r.S +
                      " ist zu kurz, um den zweiten Schenkel von " + r.W + " zu erreichen.");
        s.Ueberschrift("Keine Lösung");
        return;
    }
    WinkelAuswahl(s, b, r, ww.Wert);

    // The candidates in turn; the proper ones became the triangles, in the same order.
    const bool zwei = kandidaten.size() == 2;
    std::vector<std::string> namen;
    std::vector<Zahl> werte;
    std::vector<std::optional<std::size_t>> dreieck;
    std::size_t zahl = 0;
    for (std::size_t i = 0; i < kandidaten.size(); ++i) {
        namen.push_back(r.SinusWinkel + Tiefgestellt(zwei ? static_cast<int>(i) + 1 : 0));
        dreieck.emplace_back();
        if (kandidaten[i].Art == SSWBefund::Kandidatenart::Gueltig && zahl < l.Dreiecke.size()) {
            dreieck[i] = zahl++;
        }
        std::optional<Ziel> ziel;
        if (dreieck[i]) {
            ziel = s.ScriptZiel(kandidaten[i].SinusWinkel, Herkunft::Sinussatz);
        }
        Ausdruck a;
        if (i == 0) {
            a.Einsetzung = namen[0] + " = sin⁻¹(" + Angezeigt(sinW.Text) + ")";
            a.Wert = Grad(Lang80(Lang{std::asin(std::min(sinW.Wert, 1.0L))}));
            a.Quellen = {"sin"};
            a.Unsicherheit = UmkehrUnsicherheit(sinW);
            if (b.Sinus == 1) {
                a.Wert = 90; // the calculation's own right angle
                a.Genau = true;
            }
        } else {
            a.Formel = namen[i] + " = 180° − " + namen[0];
            a.Einsetzung = namen[i] + " = 180° − " + Eingesetzt(werte[0], true);
            a.Wert = Lang80(180 - Lang{werte[0].Wert});
            a.Genau = werte[0].Dezimalen >= 0;
            a.Dezimalen = werte[0].Dezimalen;
            a.Quellen = {"k0"};
        }
        werte.push_back(s.Ergebnis("", namen[i], "k" + std::to_string(i), a, "°", ziel));
        if (dreieck[i]) {
            s.Letzter()->Groesse = b.SinusWinkel;
            s.Letzter()->Dreieck = *dreieck[i];
        }
    }
    std::size_t anzahl = 0;
    for (std::size_t i = 0; i < kandidaten.size(); ++i) {
        Urteil(s, kandidaten[i], namen[i], r, i == 1);
        anzahl += dreieck[i] && l.Dreiecke[*dreieck[i]].Zaehlt ? 1 : 0;
    }

    if (anzahl == 0) {
        if (b.SGegenT != Vergleich::Laenger) {
            s.Begruendung("Ein Winkel von 90° oder mehr ist der größte im Dreieck und liegt der "
                          "längsten Seite gegenüber; " +
                          r.W + " liegt aber " + r.S + " gegenüber, und " + r.S +
                          " ist kürzer als " + r.T + ".");
        }
        s.Ueberschrift("Keine Lösung");
        return;
    }
    s.Begruendung(anzahl == 2 ? "Es gibt zwei Lösungen." : "Es gibt genau eine Lösung.");

    int nummer = 0;
    for (std::size_t i = 0; i < kandidaten.size(); ++i) {
        if (!dreieck[i] || !l.Dreiecke[*dreieck[i]].Zaehlt) {
            continue;
        }
        ++nummer;
        if (anzahl == 2) {
            s.Ueberschrift(nummer == 1 ? "1. Lösung:" : "2. Lösung:");
        }
        Tafel t = gegeben;
        t.Name[Index(b.SinusWinkel)] = namen[i];
        t.Wert[Index(b.SinusWinkel)] = werte[i];
        t.Schluessel[Index(b.SinusWinkel)] = "k" + std::to_string(i);
        Loesungsschritte(s, t, *dreieck[i], anzahl == 2 ? nummer : 0);
    }
}

} // namespace kalotri::weg
