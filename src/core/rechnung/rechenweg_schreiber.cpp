// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechenweg_schreiber.h"

#include <utility>

namespace kalotri::weg {

namespace {

constexpr std::array<const char*, 6> UeblicheBuchstaben = {"a", "b", "c", "α", "β", "γ"};

// A negative number in a formula stands in brackets. Given values never are negative; a
// flat angle may come out a hair below 0.
std::string Einsetzbar(const std::string& zahl) {
    return !zahl.empty() && zahl.front() == '-' ? "(" + zahl + ")" : zahl;
}

const char* GesetzName(Herkunft weg) {
    switch (weg) {
    case Herkunft::Sinussatz:
        return "Sinussatz";
    case Herkunft::Cosinussatz:
        return "Cosinussatz";
    case Herkunft::Winkelsumme:
    case Herkunft::WinkelsummeBesserCosinussatz:
        return "Winkelsumme";
    case Herkunft::Gegeben:
        break;
    }
    return "";
}

} // namespace

std::string Tiefgestellt(int nummer) {
    return nummer == 1 ? "₁" : nummer == 2 ? "₂" : "";
}

std::string Schreiber::Buchstabe(Feld f) const {
    std::string b = Anzeigebuchstabe(L, f);
    return b.empty() ? UeblicheBuchstaben[Index(f)] : b;
}

std::string Schreiber::Zahl(double x) const {
    return FesteForm(x, format_.Maske, format_.Trennzeichen);
}

std::string Schreiber::WertText(Feld f, double wert, Herkunft weg) const {
    const bool allgemein = weg == Herkunft::Winkelsumme && L.Typ &&
                           (*L.Typ == Aufgabentyp::WSW || *L.Typ == Aufgabentyp::SWW);
    std::string text = allgemein ? AllgemeineForm(wert, format_.Trennzeichen) : Zahl(wert);
    if (IstWinkel(f)) {
        text += "°";
    }
    return text;
}

Tafel Schreiber::GegebeneTafel() const {
    Tafel t;
    for (std::size_t i = 0; i < t.Name.size(); ++i) {
        t.Name[i] = Buchstabe(static_cast<Feld>(i));
    }
    for (const GegebeneGroesse& g : L.Gegeben) {
        t.Text[Index(g.Groesse)] = WertText(g.Groesse, g.Wert, Herkunft::Gegeben);
    }
    return t;
}

void Schreiber::GegebenZeile() {
    std::string zeile = "Gegeben:";
    const char* trenner = " ";
    for (const GegebeneGroesse& g : L.Gegeben) {
        zeile.append(trenner)
            .append(Buchstabe(g.Groesse))
            .append(" = ")
            .append(WertText(g.Groesse, g.Wert, Herkunft::Gegeben));
        trenner = "; ";
    }
    Ueberschrift(std::move(zeile));
}

Rechenschritt Satz(SchrittArt art, std::string text) {
    Rechenschritt r;
    r.Art = art;
    r.Text = std::move(text);
    return r;
}

void Schreiber::Hinweis(std::string text) {
    Weg.push_back(Satz(SchrittArt::Hinweis, std::move(text)));
}

void Schreiber::Ueberschrift(std::string text) {
    Weg.push_back(Satz(SchrittArt::Ueberschrift, std::move(text)));
}

void Schreiber::Begruendung(std::string text) {
    Weg.push_back(Satz(SchrittArt::Begruendung, std::move(text)));
}

Rechenschritt& Schreiber::Rechnung(std::string gesetz, std::string formel, std::string einsetzung,
                                   std::string ergebnis) {
    Rechenschritt& r = Weg.emplace_back(Satz(SchrittArt::Rechnung, std::move(gesetz)));
    r.Formel = std::move(formel);
    r.Einsetzung = std::move(einsetzung);
    r.Ergebnis = std::move(ergebnis);
    return r;
}

void Schreiber::Berechnet(const Berechnung& b, Tafel& t, std::size_t dreieck) {
    const Feld f = b.Groesse;
    const std::string wert = WertText(f, b.Wert, b.Weg);
    const auto bekannt = [&t](std::initializer_list<Feld> felder) {
        for (const Feld g : felder) {
            if (!t.Text[Index(g)]) {
                return false;
            }
        }
        return true;
    };
    const auto n = [&t](Feld g) { return t.Name[Index(g)]; };
    const auto v = [&t](Feld g) { return Einsetzbar(*t.Text[Index(g)]); };
    std::string formel;
    std::string einsetzung;

    if (b.Weg == Herkunft::Cosinussatz && IstWinkel(f)) {
        const Feld x = Gegenueber(f);
        const auto [y, z] = Andere(x);
        if (bekannt({x, y, z})) {
            formel = "cos " + n(f) + " = (" + n(y) + "² + " + n(z) + "² − " + n(x) + "²) / (2·" +
                     n(y) + "·" + n(z) + ")";
            einsetzung = "cos " + n(f) + " = (" + v(y) + "² + " + v(z) + "² − " + v(x) +
                         "²) / (2·" + v(y) + "·" + v(z) + ")";
        }
    } else if (b.Weg == Herkunft::Cosinussatz) {
        const Feld w = Gegenueber(f);
        const auto [y, z] = Andere(f);
        if (bekannt({w, y, z})) {
            formel = n(f) + "² = " + n(y) + "² + " + n(z) + "² − 2·" + n(y) + "·" + n(z) + "·cos " +
                     n(w);
            einsetzung = n(f) + " = √(" + v(y) + "² + " + v(z) + "² − 2·" + v(y) + "·" + v(z) +
                         "·cos " + v(w) + ")";
        }
    } else if (b.Weg == Herkunft::Sinussatz && !IstWinkel(f)) {
        // WSW and SWW: from the one given side and the angle facing it.
        for (const GegebeneGroesse& g : L.Gegeben) {
            const Feld s = g.Groesse;
            if (IstWinkel(s) || !bekannt({s, Gegenueber(s), Gegenueber(f)})) {
                continue;
            }
            formel =
                n(f) + " = " + n(s) + "·sin " + n(Gegenueber(f)) + " / sin " + n(Gegenueber(s));
            einsetzung =
                n(f) + " = " + v(s) + "·sin " + v(Gegenueber(f)) + " / sin " + v(Gegenueber(s));
            break;
        }
    } else if (b.Weg == Herkunft::Winkelsumme || b.Weg == Herkunft::WinkelsummeBesserCosinussatz) {
        const auto [y, z] = Andere(f);
        if (bekannt({y, z})) {
            formel = n(f) + " = 180° − " + n(y) + " − " + n(z);
            einsetzung = n(f) + " = 180° − " + v(y) + " − " + v(z);
        }
    }

    Rechenschritt& schritt =
        Rechnung(GesetzName(b.Weg), std::move(formel), std::move(einsetzung), n(f) + " = " + wert);
    schritt.Groesse = f;
    schritt.Dreieck = dreieck;
    t.Text[Index(f)] = wert;
    if (b.Weg == Herkunft::WinkelsummeBesserCosinussatz) {
        const auto [y, z] = Andere(f);
        Begruendung("Besser wäre auch hier der Cosinussatz: Er braucht nur die gegebenen "
                    "Seiten, die Winkelsumme dagegen übernimmt jeden Fehler in " +
                    n(y) + " und " + n(z) + ".");
    }
}

void Schreiber::FlachBegruendung(std::size_t dreieck) {
    if (L.SSW && L.SSW->SGegenT == SSWBefund::Vergleich::Gleich) {
        const char* wo = L.Dreiecke.size() < 2 ? ""
                         : dreieck == 0        ? "in der ersten Lösung "
                                               : "in der zweiten Lösung ";
        Begruendung("Weil " + Buchstabe(L.SSW->S) + " und " + Buchstabe(L.SSW->T) +
                    " gleich lang sind, liegen sie " + wo + "aufeinander: Das Dreieck ist flach.");
    } else {
        Begruendung("Das Dreieck ist flach: Seine Ecken liegen auf einer Geraden.");
    }
}

} // namespace kalotri::weg
