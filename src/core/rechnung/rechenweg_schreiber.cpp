// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechenweg_schreiber.h"

#include "zahlform.h"
#include "zahlform_lang.h"
#include "ziffern.h"

#include <utility>

namespace kalotri::weg {

namespace {

constexpr std::array<const char*, 6> UeblicheBuchstaben = {"a", "b", "c", "α", "β", "γ"};

} // namespace

std::string Tiefgestellt(int nummer) {
    return nummer == 1 ? "₁" : nummer == 2 ? "₂" : "";
}

std::string Eingesetzt(const Zahl& z, bool winkel) {
    const std::string text = z.Text + (winkel ? "°" : "");
    // Given values never are negative; a flat angle may come out a hair below 0.
    return !z.Text.empty() && z.Text.front() == '-' ? "(" + text + ")" : text;
}

std::string Schreiber::Buchstabe(Feld f) const {
    std::string b = Anzeigebuchstabe(L, f);
    return b.empty() ? UeblicheBuchstaben[Index(f)] : b;
}

int Schreiber::Dezimalen() const {
    return DezimalenAusMaske(format_.Maske);
}

std::string Schreiber::Einheit(Feld f) const {
    if (IstWinkel(f)) {
        return "°";
    }
    return A.Einheit.empty() ? "" : " " + A.Einheit;
}

Ziel Schreiber::ScriptZiel(double wert, Herkunft weg) const {
    const bool allgemein = weg == Herkunft::Winkelsumme && L.Typ &&
                           (*L.Typ == Aufgabentyp::WSW || *L.Typ == Aufgabentyp::SWW);
    if (allgemein) {
        const Zahl z = Allgemein(wert, format_.Trennzeichen);
        return {z.Text, z.Wert, false};
    }
    const std::string text = FesteForm(wert, format_.Maske, format_.Trennzeichen);
    return {text, Gelesen(text, format_.Trennzeichen).Wert, true};
}

Ziel Schreiber::LangZiel(long double wert) const {
    const std::string text = FesteFormLang(wert, format_.Maske, format_.Trennzeichen);
    return {text, Gelesen(text, format_.Trennzeichen).Wert, true};
}

Tafel Schreiber::GegebeneTafel() const {
    Tafel t;
    for (std::size_t i = 0; i < t.Name.size(); ++i) {
        t.Name[i] = Buchstabe(static_cast<Feld>(i));
    }
    for (const GegebeneGroesse& g : L.Gegeben) {
        t.Wert[Index(g.Groesse)] = Getippt(g.Text, g.Wert, format_.Trennzeichen);
    }
    return t;
}

void Schreiber::GegebenZeile() {
    const Tafel t = GegebeneTafel();
    std::string zeile = "Gegeben:";
    const char* trenner = " ";
    for (const GegebeneGroesse& g : L.Gegeben) {
        zeile.append(trenner)
            .append(Buchstabe(g.Groesse))
            .append(" = ")
            .append(t.Wert[Index(g.Groesse)]->Text + Einheit(g.Groesse));
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

void Schreiber::MehrStellen(const std::string& schluessel) {
    Mehr.insert(schluessel);
    Mehr.insert(quellen_[schluessel].begin(), quellen_[schluessel].end());
}

Zahl Schreiber::Ergebnis(std::string gesetz, const std::string& name,
                         const std::string& schluessel, const Ausdruck& a,
                         const std::string& einheit, const std::optional<Ziel>& ziel,
                         int mehrStellen) {
    std::set<std::string>& oben = quellen_[schluessel];
    for (const std::string& q : a.Quellen) {
        oben.insert(q);
        const std::set<std::string>& weiter = quellen_[q];
        oben.insert(weiter.begin(), weiter.end());
    }
    const auto plan = plan_.find(schluessel);
    const int stellen = Dezimalen() + mehrStellen + (plan == plan_.end() ? 0 : plan->second);

    Zahl w;
    bool genau = a.Genau && a.Dezimalen >= 0;
    if (genau) {
        w = Gerundet(a.Wert, a.Dezimalen, Trenner());
    } else {
        w = Gerundet(a.Wert, stellen, Trenner());
        // A number that needs fewer digits is written with them, and is exact.
        for (int k = 0; k < stellen; ++k) {
            const Zahl kurz = Gerundet(a.Wert, k, Trenner());
            if (kurz.Wert == a.Wert) {
                w = kurz;
                genau = true;
                break;
            }
        }
    }
    const std::string wert = name + (genau ? " = " : " ≈ ") + w.Text + einheit;
    Rechenschritt& r = Rechnung(std::move(gesetz), a.Formel, a.Einsetzung, wert);
    if (ziel && w.Wert != ziel->Wert) {
        // The reader rounds the number shown to the output's digits and must arrive at
        // the value the Script (or the figure's line) states.
        const bool passt = ziel->Fest && Gerundet(w.Wert, Dezimalen(), Trenner()).Text == ziel->Text;
        if (!passt) {
            MehrStellen(schluessel);
        }
        r.Zwischenwert = wert;
        r.Ergebnis = name + " ≈ " + ziel->Text + einheit;
    }
    return w;
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
