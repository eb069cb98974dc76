// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechenweg_schreiber.h"

#include "rechenweg_gesetze.h"

#include "zahlform.h"
#include "zahlform_lang.h"
#include "ziffern.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace kalotri::weg {

namespace {

constexpr std::array<const char*, 6> UeblicheBuchstaben = {"a", "b", "c", "α", "β", "γ"};

// Significant digits long double computes alike on every platform: of its 19, the last
// two may differ between one library's sine and another's.
constexpr int SichereStellen = 17;

// Digits of an exact decimal sum long double still holds to the last one.
constexpr int GenaueStellen = 18;

// The decimals after which zaehler / nenner ends, if it does: only a denominator of twos
// and fives makes a decimal that ends. Decided on whole numbers, the same on every machine.
std::optional<int> Endet(std::int64_t zaehler, std::int64_t nenner) {
    if (nenner == 0) {
        return std::nullopt;
    }
    nenner /= std::gcd(zaehler, nenner);
    nenner = nenner < 0 ? -nenner : nenner;
    int zweien = 0;
    int fuenfen = 0;
    for (; nenner % 2 == 0; nenner /= 2) {
        ++zweien;
    }
    for (; nenner % 5 == 0; nenner /= 5) {
        ++fuenfen;
    }
    return nenner == 1 ? std::optional<int>(std::max(zweien, fuenfen)) : std::nullopt;
}

} // namespace

long double UmkehrUnsicherheit(const Zahl& x) {
    const long double rest = 1 - x.Wert * x.Wert;
    // At ±1 the angle is exact (0°, 90°, 180°) or the argument is not (and says so).
    return rest > 0 ? Grad(4 * LangEpsilon * std::fabs(x.Wert) / std::sqrt(rest)) : 0;
}

std::string Tiefgestellt(int nummer) {
    return nummer == 1 ? "₁" : nummer == 2 ? "₂" : "";
}

std::string Angezeigt(const std::string& zahl) {
    return !zahl.empty() && zahl.front() == '-' ? "−" + zahl.substr(1) : zahl;
}

std::string Eingesetzt(const Zahl& z, bool winkel) {
    const std::string text = Angezeigt(z.Text) + (winkel ? "°" : "");
    // Given values never are negative; a cosine may be, a flat angle a hair below 0.
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

Zahl Schreiber::Ergebnis(std::string gesetz, const std::string& name, const std::string& schluessel,
                         const Ausdruck& a, const std::string& einheit,
                         const std::optional<Ziel>& ziel, int mehrStellen) {
    std::set<std::string>& oben = quellen_[schluessel];
    for (const std::string& q : a.Quellen) {
        oben.insert(q);
        const std::set<std::string>& weiter = quellen_[q];
        oben.insert(weiter.begin(), weiter.end());
    }
    if (!std::isfinite(a.Wert)) {
        // Beyond what floating-point numbers hold: a sentence says so rather than NAN.
        Begruendung("Mit Gleitkommazahlen lässt sich " + name +
                    " hier nicht berechnen: Die Zahlen sind zu groß oder zu klein.");
        if (!ziel) {
            return Zahl{"?", a.Wert, -1};
        }
        Rechnung(std::move(gesetz), "", "", name + " ≈ " + Angezeigt(ziel->Text) + einheit);
        return Gelesen(ziel->Text, Trenner());
    }
    const auto plan = plan_.find(schluessel);
    // Digits beyond what long double carries would be noise, not precision.
    const int hoch = a.Wert != 0 && std::isfinite(a.Wert)
                         ? static_cast<int>(std::floor(std::log10(std::fabs(a.Wert))))
                         : 0;
    int stellen = std::max(
        Dezimalen(), std::min(Dezimalen() + mehrStellen + (plan == plan_.end() ? 0 : plan->second),
                              SichereStellen - 1 - hoch));
    if (a.Unsicherheit > 0) {
        // Digits beyond what long double decides would not follow from the numbers put in.
        const auto sicher = static_cast<int>(std::floor(-std::log10(2 * a.Unsicherheit)));
        stellen = std::max(Dezimalen(), std::min(stellen, sicher));
    }

    Zahl w;
    bool genau = a.Genau && a.Dezimalen >= 0 && a.Dezimalen + hoch + 1 <= GenaueStellen;
    if (genau) {
        w = Gerundet(a.Wert, a.Dezimalen, Trenner());
    } else {
        w = Gerundet(a.Wert, stellen, Trenner());
        if (const std::optional<int> ende = Endet(a.Zaehler, a.Nenner); ende && *ende <= stellen) {
            w = Gerundet(a.Wert, *ende, Trenner());
            genau = true;
        } else if (w.Wert == 0 && a.Wert != 0 && hoch < -(Dezimalen() + MaxMehrStellen)) {
            // Too small for any decimals the steps may add (a side of 10^-200): its digits,
            // with the exponent, so that the steps after it divide by what it is, not by 0.
            w = Wissenschaftlich(a.Wert, Trenner());
        }
    }
    // What the numbers shown give, where it is not the output's number.
    std::optional<std::string> folgt;
    if (ziel && ziel->Fest && Dezimalen() + hoch + 1 > SichereStellen) {
        // The output's digits alone ask more than long double computes alike everywhere:
        // the Script's number stands, there is nothing more exact to show.
        if (const Zahl z = Gerundet(a.Wert, Dezimalen(), Trenner()); z.Text != ziel->Text) {
            folgt = z.Text;
        }
        w = Gelesen(ziel->Text, Trenner());
        genau = false;
    }
    if (ziel && ziel->Fest && w.Wert == ziel->Wert) {
        // The same number in the output's digits: "7,000" rather than "7" or "7,0000".
        w = Gelesen(ziel->Text, Trenner());
    }
    const std::string wert = name + (genau ? " = " : " ≈ ") + Angezeigt(w.Text) + einheit;
    // The general form of the Script's angle sum may show the double's last bits
    // (8,64999999999998 for 180 − 129,83 − 41,52): the exact sum is what it means.
    const bool gleich =
        ziel && (w.Wert == ziel->Wert ||
                 (!ziel->Fest && genau &&
                  std::fabs(w.Wert - ziel->Wert) <= 1e-12L * std::max(1.0L, std::fabs(w.Wert))));
    // The reader rounds the number shown to the output's digits and must arrive at the
    // value the Script (or the figure's line) states.
    const bool passt = gleich || (ziel && ziel->Fest &&
                                  Gerundet(w.Wert, Dezimalen(), Trenner()).Text == ziel->Text);
    if (ziel && !passt) {
        MehrStellen(schluessel);
        if (ziel->Fest && plan != plan_.end() && plan->second >= MaxMehrStellen) {
            folgt = Gerundet(w.Wert, Dezimalen(), Trenner()).Text;
        }
    }
    if (folgt) {
        // No more digits help: the output's last digit is the floating-point calculation's
        // own, and the steps say so (before the step, which stays the last one written)
        // rather than pretend it follows.
        Begruendung(name + " steht unten, wie die Rechnung mit Gleitkommazahlen es ergibt; " +
                    "aus den gezeigten Zahlen folgt " + name + " ≈ " + Angezeigt(*folgt) + einheit +
                    ".");
    }
    Rechenschritt& r = Rechnung(std::move(gesetz), a.Formel, a.Einsetzung, wert);
    if (ziel && !gleich) {
        r.Zwischenwert = wert;
        r.Ergebnis = name + " ≈ " + Angezeigt(ziel->Text) + einheit;
    }
    return w;
}

void Schreiber::FlachBegruendung() {
    // SSW's flat candidates are named where they drop out; this is any other flat result.
    Begruendung("Das Dreieck ist flach: Seine Ecken liegen auf einer Geraden.");
}

} // namespace kalotri::weg
