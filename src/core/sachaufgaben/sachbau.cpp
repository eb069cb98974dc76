// SPDX-License-Identifier: GPL-3.0-or-later
#include "sachbau.h"

#include "rechenweg_zahl.h"
#include "rundformat.h"
#include "zahlform.h"
#include "zahlform_lang.h"

#include <algorithm>
#include <cmath>

namespace kalotri::sach {

Zehntel Laenge(Wuerfel& w, int von, int bis, int stufe) {
    if (stufe >= 2 && w.Zahl(0, 2) == 0) {
        return {w.Zahl(10 * von, 10 * bis), false};
    }
    return {10 * w.Zahl(von, bis), true};
}

Zehntel Grad(Wuerfel& w, int von, int bis, int stufe) {
    if (stufe >= 3 && w.Zahl(0, 1) == 0) {
        return {w.Zahl(10 * von, 10 * bis), false};
    }
    return {10 * w.Zahl(von, bis), true};
}

std::string Text(Zehntel z, const std::string& trennzeichen) {
    const std::string ganz = std::to_string(z.Wert / 10);
    if (z.Wert % 10 == 0) {
        return ganz;
    }
    return ganz + trennzeichen + std::to_string(z.Wert % 10);
}

std::string Gerundet(L x, int dezimalen, const std::string& trennzeichen) {
    return FesteFormLang(x, MaskeFuerAnzahl(dezimalen), trennzeichen);
}

namespace {

std::string MitEinheit(const std::string& zahl, const std::string& einheit,
                       const char* zwischen = " ") {
    return einheit == "°" ? zahl + einheit : zahl + zwischen + einheit;
}

// No line of the sheet ends between a number and its unit, nor inside "α = 28°".
constexpr const char* Fest = "\u00A0";

std::string FesteLeerzeichen(std::string text) {
    const std::string gleich = std::string(Fest) + "=" + Fest;
    for (auto i = text.find(" = "); i != std::string::npos; i = text.find(" = ", i)) {
        text.replace(i, 3, gleich);
    }
    return text;
}

} // namespace

Bau::Bau(Situation art, const Sachregeln& regeln) : R(regeln) {
    A.Art = art;
    A.Titel = SituationsTitel(art);
}

std::string Bau::Gib(const std::string& name, Zehntel z, const std::string& einheit) {
    const std::string text = Text(z, R.Format.Trennzeichen);
    A.Angaben.push_back({name, text, einheit, z.Zahl()});
    return MitEinheit(text, einheit, Fest);
}

std::string Bau::Marke(const std::string& name, Zehntel z, const std::string& einheit) const {
    return name + " = " + MitEinheit(Text(z, R.Format.Trennzeichen), einheit);
}

std::optional<Loesung> Bau::Rechne(const std::array<std::string, 6>& buchstaben,
                                   const std::array<std::optional<L>, 6>& werte,
                                   const std::string& einheit, int loesungen) {
    Eingabe e;
    e.Buchstaben = buchstaben;
    for (std::size_t i = 0; i < 6; ++i) {
        if (werte[i]) {
            e.Texte[i] = RundreiseForm(static_cast<double>(*werte[i]));
        }
    }
    Loesung l = Berechne(e);
    if (l.Ausgangscode != Code::Geloest || !l.Typ ||
        l.Dreiecke.size() != static_cast<std::size_t>(loesungen)) {
        return std::nullopt;
    }
    for (const LoesungsDreieck& d : l.Dreiecke) {
        // A sliver would make a sketch and a situation no one believes.
        if (d.Flach || d.Werte[3] < 5 || d.Werte[4] < 5 || d.Werte[5] < 5) {
            return std::nullopt;
        }
    }
    A.Dreieck = e;
    A.Einheit = einheit;
    A.Typ = *l.Typ;
    A.Loesungen = loesungen;
    loesung_ = l;
    return l;
}

std::string Bau::Zahl(L x) const {
    return FesteFormLang(x, R.Format.Maske, R.Format.Trennzeichen);
}

void Bau::Satz(std::string text) {
    Rechenschritt s;
    s.Art = SchrittArt::Begruendung;
    s.Text = std::move(text);
    A.Loesungsweg.push_back(std::move(s));
}

void Bau::Rechnung(std::string gesetz, std::string formel, std::string einsetzung,
                   std::string ergebnis) {
    Rechenschritt s;
    s.Art = SchrittArt::Rechnung;
    // "h = … ≈ 42,3 m" on one line with the numbers put in, as the calculation chains "=".
    const auto ungefaehr = ergebnis.find(" ≈ ");
    if (ungefaehr != std::string::npos &&
        einsetzung.compare(0, ungefaehr + 1, ergebnis, 0, ungefaehr + 1) == 0) {
        einsetzung += ergebnis.substr(ungefaehr);
        ergebnis.clear();
    }
    s.Text = std::move(gesetz);
    s.Formel = std::move(formel);
    s.Einsetzung = std::move(einsetzung);
    s.Ergebnis = std::move(ergebnis);
    A.Loesungsweg.push_back(std::move(s));
}

void Bau::Rechenweg(const Loesung& loesung) {
    Wegangaben angaben;
    angaben.Einheit = A.Einheit;
    for (Rechenschritt& s : ErstelleRechenweg(loesung, R.Format, angaben)) {
        A.Loesungsweg.push_back(std::move(s));
    }
}

std::string Bau::Weiter(L wert, std::initializer_list<std::function<L(L)>> folgen) const {
    const int basis = std::max(static_cast<int>(R.Format.Maske.size()) - 2, 0);
    // Beyond a few more digits a long double has nothing left to tell.
    constexpr int Mehr = 8;
    for (int d = basis;; ++d) {
        const weg::Zahl z = weg::Gerundet(wert, d, R.Format.Trennzeichen);
        bool folgt = true;
        for (const auto& folge : folgen) {
            folgt = folgt && Zahl(folge(z.Wert)) == Zahl(folge(wert));
        }
        if (folgt || d >= basis + Mehr) {
            return z.Text;
        }
    }
}

std::string Bau::Frage(const std::string& name, L wert, const std::string& einheit, int dezimalen,
                       const std::string& worte, Folgerung aus) {
    const std::string text = Gerundet(wert, dezimalen, R.Format.Trennzeichen);
    const int gezeigt = std::max(static_cast<int>(R.Format.Maske.size()) - 2, 0);
    if (gezeigt > dezimalen) {
        const L wieGezeigt = weg::Gerundet(wert, gezeigt, R.Format.Trennzeichen).Wert;
        zweideutig_ = zweideutig_ || Gerundet(wieGezeigt, dezimalen, R.Format.Trennzeichen) != text;
    }
    Gesucht g{name, einheit, dezimalen, wert, text, worte, std::nullopt, 0, std::move(aus)};
    for (std::size_t d = 0; loesung_ && !g.Aus && d < loesung_->Dreiecke.size(); ++d) {
        for (std::size_t f = 0; f < 6 && !g.Groesse; ++f) {
            if (static_cast<L>(loesung_->Dreiecke[d].Werte[f]) == wert &&
                loesung_->Dreiecke[d].Wege[f] != Herkunft::Gegeben) {
                g.Groesse = static_cast<Feld>(f);
                g.Dreieck = d;
            }
        }
    }
    A.Gesuchte.push_back(std::move(g));
    return MitEinheit(text, einheit, Fest);
}

void Bau::Antwort(std::string satz) {
    A.Antwort.push_back(std::move(satz));
}

std::optional<Sachaufgabe> Bau::Fertig() {
    if (zweideutig_) {
        return std::nullopt;
    }
    A.Text = FesteLeerzeichen(A.Text);
    // The answer closes the solution, all its sentences under one heading.
    Rechenschritt s;
    s.Art = SchrittArt::Ueberschrift;
    s.Text = "Antwort:";
    for (const std::string& satz : A.Antwort) {
        s.Text += " " + satz;
    }
    A.Loesungsweg.push_back(std::move(s));
    return std::move(A);
}

} // namespace kalotri::sach
