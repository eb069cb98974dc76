// SPDX-License-Identifier: GPL-3.0-or-later
#include "urteil.h"

#include "felder.h"

#include <algorithm>
#include <cmath>

namespace kalotri::frage {

using intern::L;

namespace {

bool Gleich(L a, L b) {
    return std::abs(a - b) <= 1e-9L * std::max(L{1}, std::abs(a));
}

// A pupil's own earlier value is an attempt at its quantity only where it could be one: a
// positive side, an angle strictly between 0° and 180°, and not a given value typed again.
bool Plausibel(const Loesung& l, Feld groesse, L wert) {
    const bool winkel = groesse >= Feld::Alpha;
    if (!(wert > 0) || (winkel && wert >= 180)) {
        return false;
    }
    return std::none_of(l.Gegeben.begin(), l.Gegeben.end(),
                        [&](const GegebeneGroesse& g) { return Gleich(g.Wert, wert); });
}

// Which field answer i is judged against: the same, or for SSW the one of the other
// triangle when the pupil's blocks are swapped.
std::size_t Ziel(const Frage& q, std::size_t i, bool getauscht) {
    const Antwortfeld& f = q.Felder[i];
    if (!getauscht || f.Art != Feldart::Dreieck) {
        return i;
    }
    for (std::size_t k = 0; k < q.Felder.size(); ++k) {
        const Antwortfeld& g = q.Felder[k];
        if (g.Art == Feldart::Dreieck && g.Groesse == f.Groesse && g.Dreieck != f.Dreieck) {
            return k;
        }
    }
    return i;
}

class Richter {
  public:
    Richter(const Frage& q, const std::vector<Antwort>& a, bool getauscht)
        : q_(q), a_(a), getauscht_(getauscht) {}

    std::vector<Urteil> Alle() {
        for (std::size_t i = 0; i < q_.Felder.size(); ++i) {
            urteile_.push_back(Eins(i));
        }
        return urteile_;
    }

  private:
    const Frage& q_;
    const std::vector<Antwort>& a_;
    bool getauscht_;
    std::vector<Urteil> urteile_;

    Antwort Von(std::size_t i) const { return i < a_.size() ? a_[i] : Antwort{}; }

    Urteil Eins(std::size_t i) const {
        const Antwortfeld& f = q_.Felder[Ziel(q_, i, getauscht_)];
        Urteil u;
        u.Dreieck = f.Dreieck;
        const Antwort a = Von(i);
        if (a.Art != Antwort::Lage::Zahl) {
            u.Wertung = a.Art == Antwort::Lage::Leer ? Note::Leer : Note::KeineZahl;
            return u;
        }
        u.Wertung = Wertung(f, a, u);
        if (u.Wertung == Note::Falsch && Folgt(i, f, a)) {
            u.Wertung = Note::Folgefehler;
            u.Fehler.reset();
        }
        return u;
    }

    static Note Wertung(const Antwortfeld& f, const Antwort& a, Urteil& u) {
        const int d = f.Dezimalen;
        if (f.Art == Feldart::Anzahl) {
            return a.Dezimalen == 0 && a.Wert == f.Wert ? Note::Richtig : Note::Falsch;
        }
        const Bereich& richtig = Richtig(f);
        for (const Bereich& b : f.Bereiche) {
            if (&b == &richtig) {
                break;
            }
            // A number no route gives, inside the hull: one decimal fewer than asked.
            if (std::abs(a.Wert - b.Unten) < intern::Einheit(d) / 10) {
                u.Fehler = routen::Fehlerart::StelleWeniger;
                return b.Wertung;
            }
        }
        if (a.Dezimalen <= d && intern::Drin(richtig, a.Wert)) {
            return Note::Richtig;
        }
        const L aufD = routen::RundeAuf(a.Wert, d, 180);
        for (const FalscheAntwort& falsch : f.Falsche) {
            if (a.Dezimalen >= d && falsch.Art != routen::Fehlerart::StelleWeniger &&
                Gleich(aufD, falsch.Wert)) {
                u.Fehler = falsch.Art;
                return Note::Falsch;
            }
        }
        // Too few decimals: right when the value rounds like a right answer would.
        if (a.Dezimalen < d && a.Wert >= routen::RundeAuf(richtig.Unten, a.Dezimalen, 180) &&
            a.Wert <= routen::RundeAuf(richtig.Oben, a.Dezimalen, 180)) {
            u.Fehler = routen::Fehlerart::StelleWeniger;
            return Note::NurRundung;
        }
        if (a.Dezimalen > d && intern::Drin(richtig, aufD)) {
            return Note::NurRundung;
        }
        for (auto b = std::find_if(f.Bereiche.begin(), f.Bereiche.end(),
                                   [&](const Bereich& x) { return &x == &richtig; });
             b != f.Bereiche.end(); ++b) {
            if (b->Wertung != Note::Richtig && a.Dezimalen >= d && intern::Drin(*b, a.Wert)) {
                return b->Wertung;
            }
        }
        return Note::Falsch;
    }

    // Right from the pupil's own plausible earlier values of the same triangle, at least one
    // of them not right.
    bool Folgt(std::size_t i, const Antwortfeld& f, const Antwort& a) const {
        if (f.Art == Feldart::Anzahl || a.Dezimalen > f.Dezimalen) {
            return false;
        }
        const Loesung& l = q_.Ergebnis;
        routen::Anfangsstand anfang = routen::GegebenerStand(l, f.Dreieck);
        bool eigenFalsch = false;
        for (std::size_t j = 0; j < i; ++j) {
            const Antwortfeld& frueher = q_.Felder[Ziel(q_, j, getauscht_)];
            const Antwort w = Von(j);
            // A right value may equal a given one (an isosceles triangle); a wrong one may not.
            const bool richtig = urteile_[j].Wertung == Note::Richtig;
            if (frueher.Art != Feldart::Dreieck || frueher.Dreieck != f.Dreieck ||
                w.Art != Antwort::Lage::Zahl ||
                (!richtig && !Plausibel(l, frueher.Groesse, w.Wert))) {
                continue;
            }
            anfang.Werte[static_cast<std::size_t>(frueher.Groesse)] = w.Wert;
            eigenFalsch = eigenFalsch || urteile_[j].Wertung != Note::Richtig;
        }
        if (!eigenFalsch) {
            return false;
        }
        const routen::Rundung rundung{f.Dezimalen, q_.Anweisung.Rundung.Zwischen};
        L unten = 0;
        L oben = -1;
        if (f.Art == Feldart::Sache) {
            const Gesucht& g = q_.Sache->Gesuchte[f.Sachgroesse];
            if (!g.Groesse && !g.Aus) {
                return false;
            }
            const intern::Huelle h =
                intern::Sachhuelle(l, g, anfang, q_.Anweisung.Rundung, f.Dezimalen);
            unten = h.Min;
            oben = h.Max;
        } else {
            const auto k = static_cast<std::size_t>(f.Groesse);
            if (anfang.Werte[k]) {
                return false;
            }
            const routen::Routenhuelle h = routen::Erkunde(l, f.Dreieck, anfang, rundung);
            unten = h.Min[k];
            oben = h.Max[k];
        }
        const L halb = intern::Einheit(f.Dezimalen) / 2;
        return intern::Drin(
            {Lang80(Lang{unten} - Lang{halb}), Lang80(Lang{oben} + Lang{halb}), Note::Folgefehler},
            a.Wert);
    }
};

int Summe(const std::vector<Urteil>& urteile) {
    int summe = 0;
    for (const Urteil& u : urteile) {
        summe += Punkte(u.Wertung);
    }
    return summe;
}

} // namespace

int Punkte(Note note) {
    switch (note) {
    case Note::Richtig:
        return PunkteJeFeld;
    case Note::NurRundung:
    case Note::Folgefehler:
        return PunkteJeFeld / 2;
    default:
        return 0;
    }
}

std::vector<Urteil> Beurteile(const Frage& frage, const std::vector<Antwort>& antworten) {
    std::vector<Urteil> urteile = Richter(frage, antworten, false).Alle();
    // Two SSW triangles in either order: the pupil's blocks go with the nearer triangles.
    if (intern::Echte(frage.Ergebnis).size() == 2 && frage.Sache == std::nullopt) {
        std::vector<Urteil> getauscht = Richter(frage, antworten, true).Alle();
        if (Summe(getauscht) > Summe(urteile)) {
            urteile = std::move(getauscht);
        }
    }
    return urteile;
}

} // namespace kalotri::frage
