// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechenweg.h"

#include "fehler.h"
#include "rechenweg_schreiber.h"
#include "ziffern.h"

#include <algorithm>

namespace kalotri {

namespace {

using weg::Andere;
using weg::Schreiber;

} // namespace

const char* TypSatz(Aufgabentyp typ) {
    switch (typ) {
    case Aufgabentyp::SSS:
        return "Typ SSS: Die drei Seiten sind gegeben.";
    case Aufgabentyp::SWS:
        return "Typ SWS: Zwei Seiten und der Winkel zwischen ihnen sind gegeben.";
    case Aufgabentyp::SSW:
        return "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.";
    case Aufgabentyp::WSW:
        return "Typ WSW: Eine Seite und die beiden Winkel an ihr sind gegeben.";
    case Aufgabentyp::SWW:
        return "Typ SWW: Eine Seite, der Winkel gegenüber und ein Winkel an ihr sind gegeben.";
    }
    return "";
}

namespace {

// The three messages that judge given values: which value, and why it makes no triangle.
void MeldungMitGrund(Schreiber& s) {
    const Loesung& l = s.L;
    s.GegebenZeile();
    if (l.Anlass) {
        const Feld f = *l.Anlass;
        const auto [y, z] = Andere(f);
        const std::string x = s.Buchstabe(f);
        switch (l.Ausgangscode) {
        case Code::KeinDreieck:
            s.Begruendung("Jede Seite eines Dreiecks ist kürzer als die beiden anderen zusammen; " +
                          x + " ist aber nicht kürzer als " + s.Buchstabe(y) + " + " +
                          s.Buchstabe(z) + ".");
            break;
        case Code::WinkelZuGross:
            s.Begruendung("Jeder Winkel eines Dreiecks ist kleiner als 180°; " + x +
                          " ist aber größer.");
            break;
        default:
            s.Begruendung("Die Winkel " + s.Buchstabe(y) + " und " + s.Buchstabe(z) +
                          " sind zusammen schon größer als 180°: Für " + x + " bleibt kein Platz.");
            break;
        }
    }
    s.Hinweis(l.Ausgang.Meldung.value_or(""));
}

// Every case but SSW: the computed values one by one, in the Script's order.
void Berechnete(Schreiber& s) {
    const Loesung& l = s.L;
    for (std::size_t d = 0; d < l.Dreiecke.size(); ++d) {
        weg::Tafel t = s.GegebeneTafel();
        for (const Berechnung& b : l.Dreiecke[d].Schritte) {
            s.Berechnet(b, t, d);
        }
        if (l.Dreiecke[d].Flach && l.Ausgangscode == Code::Geloest) {
            s.FlachBegruendung();
        } else if (l.Ausgangscode == Code::Geloest) {
            s.Weitere(t, d, 0);
        }
    }
}

void Schritte(Schreiber& s) {
    const Loesung& l = s.L;
    const Code code = l.Ausgangscode;
    if (code == Code::KeinDreieck || code == Code::WinkelZuGross || code == Code::Winkelsumme) {
        MeldungMitGrund(s);
        return;
    }
    if (IstMeldung(code) && l.Ausgang.Meldung) {
        s.Hinweis(*l.Ausgang.Meldung);
        return;
    }
    if (l.Typ) {
        s.GegebenZeile();
        s.Ueberschrift(TypSatz(*l.Typ));
        if (*l.Typ == Aufgabentyp::SSW && l.SSW && code == Code::Geloest) {
            weg::SSWSchritte(s);
        } else {
            Berechnete(s);
        }
    }
    if (l.Ausgang.Fehler) {
        s.Hinweis(FehlerAnzeigeText(*l.Ausgang.Fehler));
    }
}

// Rounds of writing the steps: each gives the numbers that fell short one digit more.
// Two or three suffice for ordinary exercises; a ratio a hair below 1 may need ten.
constexpr int MaxRunden = 24;
constexpr int MaxMehrStellen = 12;

Rechenweg Einmal(const Loesung& loesung, const Zahlformat& format, const Wegangaben& angaben,
                 weg::Stellenplan& plan, bool& fertig) {
    Schreiber s(loesung, format, angaben, plan);
    try {
        Schritte(s);
    } catch (const KalotriFehler& fehler) {
        // A mask too long for the fixed form. The Script ends with the same error, but a
        // message, which shows no number, is still a message.
        fertig = true;
        s.Weg.clear();
        if (IstMeldung(loesung.Ausgangscode) && loesung.Ausgang.Meldung) {
            s.Hinweis(*loesung.Ausgang.Meldung);
        } else {
            s.Hinweis(FehlerAnzeigeText(fehler.what()));
        }
        return std::move(s.Weg);
    }
    fertig = true;
    for (const std::string& schluessel : s.Mehr) {
        int& mehr = plan[schluessel];
        if (mehr < MaxMehrStellen) {
            ++mehr;
            fertig = false;
        }
    }
    return std::move(s.Weg);
}

} // namespace

Rechenweg ErstelleRechenweg(const Loesung& loesung, const Zahlformat& format,
                            const Wegangaben& angaben) {
    weg::Stellenplan plan;
    bool fertig = false;
    Rechenweg weg;
    for (int runde = 0; runde < MaxRunden && !fertig; ++runde) {
        weg = Einmal(loesung, format, angaben, plan, fertig);
    }
    return weg;
}

std::string RundungsHinweis(const Zahlformat& format) {
    const int n = DezimalenAusMaske(format.Maske);
    const std::string stellen = n == 0   ? "auf ganze Zahlen gerundet"
                                : n == 1 ? "mit 1 Dezimale"
                                         : "mit " + std::to_string(n) + " Dezimalen";
    return "So wird gerundet: Gegebene Werte stehen, wie sie gegeben sind, Ergebnisse " + stellen +
           ". Zahlen, mit denen weitergerechnet wird, haben so viele Stellen mehr, dass jede "
           "Zeile aus den gezeigten Zahlen folgt. „≈“ steht, wo gerundet ist, „=“, wo es genau "
           "stimmt.";
}

void MitRundungsHinweis(Rechenweg& weg, const Zahlformat& format) {
    // Iterators rather than ranges: the browser build's libc++ has no ranges algorithms.
    const bool gerechnet = std::any_of(weg.begin(), weg.end(), [](const Rechenschritt& r) {
        return r.Art == SchrittArt::Rechnung;
    });
    if (gerechnet) {
        weg.insert(weg.begin(), weg::Satz(SchrittArt::Hinweis, RundungsHinweis(format)));
    }
}

namespace {

// Where an equation's left side ends: at its " = " or " ≈ ".
std::size_t Relation(const std::string& gleichung) {
    const auto gleich = gleichung.find(" = ");
    const auto ungefaehr = gleichung.find(" ≈ ");
    return std::min(gleich, ungefaehr);
}

} // namespace

std::vector<std::string> SchrittZeilen(const Rechenschritt& schritt) {
    if (schritt.Art != SchrittArt::Rechnung) {
        return {schritt.Text};
    }
    std::vector<std::string> zeilen;
    std::string links; // the left side of the line so far
    for (const std::string* gleichung :
         {&schritt.Formel, &schritt.Einsetzung, &schritt.Zwischenwert, &schritt.Ergebnis}) {
        if (gleichung->empty()) {
            continue;
        }
        const auto gleich = Relation(*gleichung);
        const std::string seite = gleichung->substr(0, gleich);
        if (!zeilen.empty() && gleich != std::string::npos && seite == links) {
            zeilen.back() += gleichung->substr(gleich);
        } else {
            zeilen.push_back(*gleichung);
            links = seite;
        }
    }
    if (!schritt.Text.empty() && !zeilen.empty()) {
        zeilen.front().insert(0, schritt.Text + ": ");
    }
    return zeilen;
}

std::vector<std::string> RechenwegZeilen(const Rechenweg& weg) {
    std::vector<std::string> zeilen;
    for (const Rechenschritt& schritt : weg) {
        for (std::string& zeile : SchrittZeilen(schritt)) {
            zeilen.push_back(std::move(zeile));
        }
    }
    return zeilen;
}

} // namespace kalotri
