// SPDX-License-Identifier: GPL-3.0-or-later
// Perimeter, area, heights and radii as steps: each from numbers already shown, arriving
// at the value the figure's lines state.
#include "rechenweg_gesetze.h"
#include "rechenweg_schreiber.h"

#include <cmath>

namespace kalotri::weg {

namespace {

// The relative error a product of these sides and the sine of this angle carries from the
// numbers shown: none from a given value, half a unit of the last digit from a rounded one,
// which a small sine magnifies. The formula with the least is taken.
long double Fehler(const Tafel& t, std::initializer_list<Feld> seiten, Feld winkel) {
    const auto halb = [&t](Feld f) {
        const Zahl& z = *t.Wert[Index(f)];
        return t.Schluessel[Index(f)].empty() || z.Dezimalen < 0
                   ? 0.0L
                   : std::pow(10.0L, static_cast<long double>(-z.Dezimalen)) / 2;
    };
    long double fehler = 0;
    for (const Feld f : seiten) {
        fehler += halb(f) / std::fabs(t.Wert[Index(f)]->Wert);
    }
    const long double w = Bogen(t.Wert[Index(winkel)]->Wert);
    return fehler + std::fabs(std::cos(w) / std::sin(w)) * Bogen(halb(winkel));
}

Feld Seite(std::size_t i) {
    return static_cast<Feld>(i);
}
Feld Winkel(std::size_t i) {
    return static_cast<Feld>(3 + i);
}

} // namespace

void Schreiber::Weitere(const Tafel& t, std::size_t dreieck, int nummer) {
    if (dreieck >= A.Mehr.size() || !A.Mehr[dreieck] || L.Dreiecke[dreieck].Flach) {
        return;
    }
    const WeitereGroessen& g = *A.Mehr[dreieck];
    const std::size_t anfang = Weg.size();
    const std::string nr = Tiefgestellt(nummer);
    const std::string laenge = Einheit(Feld::A);
    const std::string flaeche = A.Einheit.empty() ? "" : laenge + "²";
    const std::string d = std::to_string(dreieck);
    const auto n = [&t](Feld f) { return t.Name[Index(f)]; };
    const auto z = [&t](Feld f) { return *t.Wert[Index(f)]; };
    const auto e = [&t](Feld f) { return Eingesetzt(*t.Wert[Index(f)], IstWinkel(f)); };
    const auto q = [&t](Feld f) { return t.Schluessel[Index(f)]; };
    const auto sinus = [&t](Feld f) { return Sinus(t.Wert[Index(f)]->Wert); };

    Ausdruck u;
    u.Formel = "U" + nr + " = " + n(Feld::A) + " + " + n(Feld::B) + " + " + n(Feld::C);
    u.Einsetzung = "U" + nr + " = " + e(Feld::A) + " + " + e(Feld::B) + " + " + e(Feld::C);
    u.Wert = Lang80(Lang{z(Feld::A).Wert} + Lang{z(Feld::B).Wert} + Lang{z(Feld::C).Wert});
    u.Genau = z(Feld::A).Dezimalen >= 0 && z(Feld::B).Dezimalen >= 0 && z(Feld::C).Dezimalen >= 0;
    u.Dezimalen = std::max({z(Feld::A).Dezimalen, z(Feld::B).Dezimalen, z(Feld::C).Dezimalen});
    u.Quellen = {q(Feld::A), q(Feld::B), q(Feld::C)};
    const Zahl umfang = Ergebnis("Umfang", "U" + nr, "U" + d, u, laenge, LangZiel(g.Umfang));

    // The area from two sides and the angle between them, as given as possible.
    std::size_t j = 0;
    for (std::size_t i = 1; i < 3; ++i) {
        const auto [y, x] = Andere(Seite(i));
        const auto [y0, x0] = Andere(Seite(j));
        if (Fehler(t, {y, x}, Winkel(i)) < Fehler(t, {y0, x0}, Winkel(j))) {
            j = i;
        }
    }
    const auto [p, r] = Andere(Seite(j));
    Ausdruck a;
    a.Formel = "A" + nr + " = ½·" + n(p) + "·" + n(r) + "·sin " + n(Winkel(j));
    a.Einsetzung = "A" + nr + " = ½·" + e(p) + "·" + e(r) + "·sin " + e(Winkel(j));
    a.Wert = Lang80(Lang{z(p).Wert} * Lang{z(r).Wert} * Lang{sinus(Winkel(j))} / 2);
    a.Quellen = {q(p), q(r), q(Winkel(j))};
    const Zahl inhalt =
        Ergebnis("Flächeninhalt", "A" + nr, "A" + d, a, flaeche, LangZiel(g.Flaeche));

    for (std::size_t i = 0; i < 3; ++i) {
        if (!g.Hoehen[i]) {
            continue;
        }
        // h_a = c·sin β = b·sin γ: a side next to a and the angle at its far end.
        const auto [k, m] = Andere(Seite(i));
        const bool erste = Fehler(t, {k}, Gegenueber(m)) <= Fehler(t, {m}, Gegenueber(k));
        const Feld s = erste ? k : m;
        const Feld w = Gegenueber(erste ? m : k);
        const std::string h = "h_" + Buchstabe(Seite(i)) + nr;
        Ausdruck ha;
        ha.Formel = h + " = " + n(s) + "·sin " + n(w);
        ha.Einsetzung = h + " = " + e(s) + "·sin " + e(w);
        ha.Wert = Lang80(Lang{z(s).Wert} * Lang{sinus(w)});
        ha.Quellen = {q(s), q(w)};
        Ergebnis("Höhe auf " + n(Seite(i)), h, "h" + std::to_string(i) + "." + d, ha, laenge,
                 LangZiel(*g.Hoehen[i]));
    }

    if (g.Umkreisradius) {
        std::size_t k = 0;
        for (std::size_t i = 1; i < 3; ++i) {
            if (Fehler(t, {Seite(i)}, Winkel(i)) < Fehler(t, {Seite(k)}, Winkel(k))) {
                k = i;
            }
        }
        Ausdruck ru;
        ru.Formel = "R" + nr + " = " + n(Seite(k)) + " / (2·sin " + n(Winkel(k)) + ")";
        ru.Einsetzung = "R" + nr + " = " + e(Seite(k)) + " / (2·sin " + e(Winkel(k)) + ")";
        ru.Wert = Lang80(Lang{z(Seite(k)).Wert} / (2 * Lang{sinus(Winkel(k))}));
        ru.Quellen = {q(Seite(k)), q(Winkel(k))};
        Ergebnis("Umkreisradius", "R" + nr, "R" + d, ru, laenge, LangZiel(*g.Umkreisradius));
    }

    Ausdruck ri;
    ri.Formel = "r" + nr + " = 2·A" + nr + " / U" + nr;
    ri.Einsetzung =
        "r" + nr + " = 2·" + Eingesetzt(inhalt, false) + " / " + Eingesetzt(umfang, false);
    ri.Wert = Lang80(2 * Lang{inhalt.Wert} / Lang{umfang.Wert});
    const int stellen = std::max(inhalt.Dezimalen, umfang.Dezimalen);
    const long double faktor = std::pow(10.0L, static_cast<long double>(std::max(stellen, 0)));
    // Only what fits a whole number by far: a perimeter of 10^300 is no numerator.
    if (std::min(inhalt.Dezimalen, umfang.Dezimalen) >= 0 && inhalt.Wert >= 0 && umfang.Wert > 0 &&
        std::max(inhalt.Wert, umfang.Wert) * faktor < 1e15L) {
        // Two decimals shown: their ratio may end, and is then exact.
        ri.Zaehler = 2 * std::llround(inhalt.Wert * faktor);
        ri.Nenner = std::llround(umfang.Wert * faktor);
    }
    ri.Quellen = {"A" + d, "U" + d};
    Ergebnis("Inkreisradius", "r" + nr, "r" + d, ri, laenge, LangZiel(g.Inkreisradius));
    // These steps belong to this triangle, the second SSW solution's too.
    for (std::size_t i = anfang; i < Weg.size(); ++i) {
        Weg[i].Dreieck = dreieck;
    }
}

} // namespace kalotri::weg
