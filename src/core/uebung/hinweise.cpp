// SPDX-License-Identifier: GPL-3.0-or-later
#include "hinweise.h"

#include "rechenweg.h"
#include "rundformat.h"

namespace kalotri::uebung {

namespace {

// Where the worked steps begin, from the solution's records: the first law and what it gives.
std::string ErsterSatz(const Loesung& l) {
    if (l.SSW) {
        return "Beginne mit dem Sinussatz für sin " + Anzeigebuchstabe(l, l.SSW->SinusWinkel) + ".";
    }
    if (l.Dreiecke.empty() || l.Dreiecke[0].Schritte.empty()) {
        return "";
    }
    const Berechnung& b = l.Dreiecke[0].Schritte.front();
    const char* satz = b.Weg == Herkunft::Sinussatz     ? "dem Sinussatz"
                       : b.Weg == Herkunft::Cosinussatz ? "dem Cosinussatz"
                                                        : "der Winkelsumme";
    return std::string("Beginne mit ") + satz + " für " + Anzeigebuchstabe(l, b.Groesse) + ".";
}

void Anhaengen(std::vector<std::string>& ziel, const std::vector<std::string>& zeilen) {
    ziel.insert(ziel.end(), zeilen.begin(), zeilen.end());
}

// A value step without an equation of its own (an SSW angle from its sine) leans on
// the intermediate step before it.
FragenHinweise FuerWert(const Rechenweg& weg, const Frage& f) {
    FragenHinweise h;
    const Rechenschritt* zwischen = nullptr;
    for (const Rechenschritt& s : weg) {
        if (s.Art != SchrittArt::Rechnung) {
            continue;
        }
        if (!s.Groesse) {
            zwischen = &s;
            continue;
        }
        if (*s.Groesse != f.Groesse || s.Dreieck != f.Dreieck) {
            continue;
        }
        const Rechenschritt& mit = s.Formel.empty() && zwischen ? *zwischen : s;
        h.Formel = mit.Formel.empty() ? mit.Ergebnis : mit.Formel;
        h.Zahlen = mit.Einsetzung.empty() ? mit.Ergebnis : mit.Einsetzung;
        if (&mit != &s) {
            Anhaengen(h.Schritt, SchrittZeilen(mit));
        }
        Anhaengen(h.Schritt, SchrittZeilen(s));
        break;
    }
    return h;
}

// SSW's count: the sine, and every sentence that weighs the candidates.
FragenHinweise FuerAnzahl(const Rechenweg& weg) {
    FragenHinweise h;
    for (const Rechenschritt& s : weg) {
        if (s.Art == SchrittArt::Rechnung && !s.Groesse && h.Formel.empty()) {
            h.Formel = s.Formel;
            h.Zahlen = s.Einsetzung;
            Anhaengen(h.Schritt, SchrittZeilen(s));
        } else if (s.Art == SchrittArt::Begruendung) {
            Anhaengen(h.Schritt, SchrittZeilen(s));
        }
    }
    return h;
}

} // namespace

Hinweise HinweiseFuer(const Uebungsaufgabe& aufgabe) {
    Zahlformat format;
    format.Maske = MaskeFuerAnzahl(aufgabe.Dezimalen);
    format.Trennzeichen = ",";
    const Rechenweg weg = ErstelleRechenweg(aufgabe.Ergebnis, format);
    Hinweise h;
    if (aufgabe.Ergebnis.Typ) {
        h.Typ = TypSatz(*aufgabe.Ergebnis.Typ);
    }
    h.ErsterSatz = ErsterSatz(aufgabe.Ergebnis);
    for (const Frage& f : aufgabe.Fragen) {
        h.JeFrage.push_back(f.Art == Frageart::Anzahl ? FuerAnzahl(weg)
                            : f.Art == Frageart::Wert ? FuerWert(weg, f)
                                                      : FragenHinweise{});
    }
    return h;
}

} // namespace kalotri::uebung
