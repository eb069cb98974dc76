// SPDX-License-Identifier: GPL-3.0-or-later
// One step per law, computed again from the numbers the steps have shown: that is what a
// pupil with a calculator gets, and what the digits of those numbers are chosen for.
#include "rechenweg_gesetze.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kalotri::weg {

namespace {

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

// (y² + z² − x²) / (2·y·z) into c. Sides typed with few decimals are whole numbers of one
// power of ten: then the cosine is a ratio of whole numbers, exact, and a flat triangle's
// is exactly −1.
void CosinusAusSeiten(const Zahl& x, const Zahl& y, const Zahl& z, Ausdruck& c) {
    const int stellen = std::max({x.Dezimalen, y.Dezimalen, z.Dezimalen});
    const long double faktor = std::pow(10.0L, static_cast<long double>(std::max(stellen, 0)));
    // Squares of whole numbers below 2^31 and their sums stay exact in 64 bits.
    const bool ganz = std::min({x.Dezimalen, y.Dezimalen, z.Dezimalen}) >= 0 &&
                      std::max({x.Wert, y.Wert, z.Wert}) * faktor < 2e9L;
    if (!ganz) {
        const Lang lx = x.Wert, ly = y.Wert, lz = z.Wert;
        const long double quadrate = Lang80(ly * ly + lz * lz);
        c.Wert = Lang80((Lang{quadrate} - lx * lx) / (2 * ly * lz));
        // The squares cancel where the angle is near 0° or 180°: their rounding, not the
        // quotient's, limits the digits that follow.
        c.Unsicherheit =
            4 * LangEpsilon * (quadrate + x.Wert * x.Wert) / std::fabs(2 * y.Wert * z.Wert);
        return;
    }
    const auto gx = static_cast<std::int64_t>(std::llround(x.Wert * faktor));
    const auto gy = static_cast<std::int64_t>(std::llround(y.Wert * faktor));
    const auto gz = static_cast<std::int64_t>(std::llround(z.Wert * faktor));
    c.Zaehler = gy * gy + gz * gz - gx * gx;
    c.Nenner = 2 * gy * gz;
    c.Wert = Lang80(Lang{static_cast<long double>(c.Zaehler)} /
                    Lang{static_cast<long double>(c.Nenner)});
}

} // namespace

long double Bogen(long double grad) {
    return Lang80(Lang{grad} * (Lang{std::acos(-1.0L)} / 180));
}

long double Grad(long double bogen) {
    return Lang80(Lang{bogen} * (180 / Lang{std::acos(-1.0L)}));
}

long double Sinus(long double grad) {
    using std::sin;
    return Lang80(sin(Lang{Bogen(grad)}));
}

long double Kosinus(long double grad) {
    using std::cos;
    return Lang80(cos(Lang{Bogen(grad)}));
}

std::string Schluessel(std::size_t dreieck, Feld f) {
    return std::to_string(dreieck) + "." + std::to_string(Index(f));
}

Ausdruck Winkelsumme(const Tafel& t, Feld f) {
    const auto [y, z] = Andere(f);
    const Zahl& wy = *t.Wert[Index(y)];
    const Zahl& wz = *t.Wert[Index(z)];
    Ausdruck a;
    a.Formel = t.Name[Index(f)] + " = 180° − " + t.Name[Index(y)] + " − " + t.Name[Index(z)];
    a.Einsetzung =
        t.Name[Index(f)] + " = 180° − " + Eingesetzt(wy, true) + " − " + Eingesetzt(wz, true);
    a.Wert = Lang80(180 - Lang{wy.Wert} - Lang{wz.Wert});
    a.Genau = wy.Dezimalen >= 0 && wz.Dezimalen >= 0;
    a.Dezimalen = std::max(wy.Dezimalen, wz.Dezimalen);
    a.Quellen = {t.Schluessel[Index(y)], t.Schluessel[Index(z)]};
    return a;
}

Ausdruck CosinussatzSeite(const Tafel& t, Feld f) {
    const Feld w = Gegenueber(f);
    const auto [y, z] = Andere(f);
    const auto n = [&t](Feld g) { return t.Name[Index(g)]; };
    const Zahl& wy = *t.Wert[Index(y)];
    const Zahl& wz = *t.Wert[Index(z)];
    const Zahl& ww = *t.Wert[Index(w)];
    Ausdruck a;
    a.Formel = n(f) + "² = " + n(y) + "² + " + n(z) + "² − 2·" + n(y) + "·" + n(z) + "·cos " + n(w);
    const std::string y1 = Eingesetzt(wy, false), z1 = Eingesetzt(wz, false);
    a.Einsetzung = n(f) + " = √(" + y1 + "² + " + z1 + "² − 2·" + y1 + "·" + z1 + "·cos " +
                   Eingesetzt(ww, true) + ")";
    const Lang ly = wy.Wert, lz = wz.Wert;
    const long double quadrat = Lang80(ly * ly + lz * lz - 2 * ly * lz * Lang{Kosinus(ww.Wert)});
    using std::sqrt;
    a.Wert = Lang80(sqrt(Lang{std::max(quadrat, 0.0L)}));
    a.Quellen = {t.Schluessel[Index(y)], t.Schluessel[Index(z)], t.Schluessel[Index(w)]};
    return a;
}

bool Schreiber::CosinusSchritte(const Tafel& t, Feld f, const std::string& schluessel,
                                Ausdruck& a) {
    const auto n = [&t](Feld g) { return t.Name[Index(g)]; };
    const Feld x = Gegenueber(f);
    const auto [y, z] = Andere(x);
    // The cosine first, with the digits its angle needs, then the angle from it.
    const Zahl& wx = *t.Wert[Index(x)];
    const Zahl& wy = *t.Wert[Index(y)];
    const Zahl& wz = *t.Wert[Index(z)];
    const std::string x1 = Eingesetzt(wx, false), y1 = Eingesetzt(wy, false),
                      z1 = Eingesetzt(wz, false);
    Ausdruck c;
    c.Formel = "cos " + n(f) + " = (" + n(y) + "² + " + n(z) + "² − " + n(x) + "²) / (2·" + n(y) +
               "·" + n(z) + ")";
    c.Einsetzung =
        "cos " + n(f) + " = (" + y1 + "² + " + z1 + "² − " + x1 + "²) / (2·" + y1 + "·" + z1 + ")";
    CosinusAusSeiten(wx, wy, wz, c);
    const long double groesste = std::max({wx.Wert, wy.Wert, wz.Wert});
    const long double kleinste = std::min({wx.Wert, wy.Wert, wz.Wert});
    if (!(std::fabs(c.Wert) <= 1) || groesste > 1e15L * kleinste) {
        // Squares of sides this different cancel to nothing in 15 digits: any cosine shown
        // would contradict the angle, which then stands as the calculation has it.
        Begruendung("Die Seiten unterscheiden sich um mehr als das 10¹⁵-Fache; mit "
                    "Gleitkommazahlen gibt der Cosinussatz hier keinen sinnvollen Zwischenwert, " +
                    n(f) + " steht, wie die Rechnung es ergibt.");
        return false;
    }
    c.Quellen = {t.Schluessel[Index(x)], t.Schluessel[Index(y)], t.Schluessel[Index(z)]};
    const std::string cosSchluessel = "cos" + schluessel;
    const Zahl cosinus =
        Ergebnis("Cosinussatz", "cos " + n(f), cosSchluessel, c, "", std::nullopt, 2);
    a.Einsetzung = n(f) + " = cos⁻¹(" + Angezeigt(cosinus.Text) + ")";
    a.Wert = Grad(Lang80(Lang{std::acos(std::clamp(cosinus.Wert, -1.0L, 1.0L))}));
    a.Quellen = {cosSchluessel};
    a.Unsicherheit = UmkehrUnsicherheit(cosinus);
    if (cosinus.Wert == 1 || cosinus.Wert == 0 || cosinus.Wert == -1) {
        // cos⁻¹ of 1, 0 and −1 is 0°, 90° and 180°, exactly.
        a.Wert = cosinus.Wert == 1 ? 0 : cosinus.Wert == 0 ? 90 : 180;
        a.Genau = true;
    }
    return true;
}

void Schreiber::Berechnet(const Berechnung& b, Tafel& t, std::size_t dreieck) {
    const Feld f = b.Groesse;
    const auto n = [&t](Feld g) { return t.Name[Index(g)]; };
    const auto bekannt = [&t](std::initializer_list<Feld> felder) {
        for (const Feld g : felder) {
            if (!t.Wert[Index(g)]) {
                return false;
            }
        }
        return true;
    };
    const std::string schluessel = Schluessel(dreieck, f);
    const std::optional<Ziel> ziel = ScriptZiel(b.Wert, b.Weg);
    Ausdruck a;
    a.Wert = b.Wert;

    if (b.Weg == Herkunft::Cosinussatz && IstWinkel(f)) {
        const Feld x = Gegenueber(f);
        const auto [y, z] = Andere(x);
        if (bekannt({x, y, z}) && CosinusSchritte(t, f, schluessel, a)) {
            const Zahl w = Ergebnis("", n(f), schluessel, a, "°", ziel);
            Weg.back().Groesse = f;
            Weg.back().Dreieck = dreieck;
            t.Wert[Index(f)] = w;
            t.Schluessel[Index(f)] = schluessel;
            return;
        }
    } else if (b.Weg == Herkunft::Cosinussatz) {
        if (bekannt({Gegenueber(f), Andere(f)[0], Andere(f)[1]})) {
            a = CosinussatzSeite(t, f);
        }
    } else if (b.Weg == Herkunft::Sinussatz && !IstWinkel(f)) {
        // WSW and SWW: from the one given side and the angle facing it.
        for (const GegebeneGroesse& g : L.Gegeben) {
            const Feld s = g.Groesse;
            if (IstWinkel(s) || !bekannt({s, Gegenueber(s), Gegenueber(f)})) {
                continue;
            }
            const Zahl& ws = *t.Wert[Index(s)];
            const Zahl& wf = *t.Wert[Index(Gegenueber(f))];
            const Zahl& wg = *t.Wert[Index(Gegenueber(s))];
            a.Formel =
                n(f) + " = " + n(s) + "·sin " + n(Gegenueber(f)) + " / sin " + n(Gegenueber(s));
            a.Einsetzung = n(f) + " = " + Eingesetzt(ws, false) + "·sin " + Eingesetzt(wf, true) +
                           " / sin " + Eingesetzt(wg, true);
            a.Wert = Lang80(Lang{ws.Wert} * Lang{Sinus(wf.Wert)} / Lang{Sinus(wg.Wert)});
            a.Quellen = {t.Schluessel[Index(s)], t.Schluessel[Index(Gegenueber(f))],
                         t.Schluessel[Index(Gegenueber(s))]};
            break;
        }
    } else if (b.Weg == Herkunft::Winkelsumme || b.Weg == Herkunft::WinkelsummeBesserCosinussatz) {
        if (bekannt({Andere(f)[0], Andere(f)[1]})) {
            a = Winkelsumme(t, f);
        }
    }

    const Zahl w = Ergebnis(GesetzName(b.Weg), n(f), schluessel, a, Einheit(f), ziel);
    Weg.back().Groesse = f;
    Weg.back().Dreieck = dreieck;
    t.Wert[Index(f)] = w;
    t.Schluessel[Index(f)] = schluessel;
    if (b.Weg == Herkunft::WinkelsummeBesserCosinussatz) {
        const auto [y, z] = Andere(f);
        Begruendung("Besser wäre auch hier der Cosinussatz: Er braucht nur die gegebenen "
                    "Seiten, die Winkelsumme dagegen übernimmt jeden Fehler in " +
                    n(y) + " und " + n(z) + ".");
    }
}

} // namespace kalotri::weg
