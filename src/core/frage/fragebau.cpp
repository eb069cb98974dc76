// SPDX-License-Identifier: GPL-3.0-or-later
#include "felder.h"
#include "frage.h"

#include <algorithm>

namespace kalotri::frage {

using intern::L;

namespace {

// The decimals go up until every typical wrong answer lies outside; so far at most.
constexpr int MehrHoechstens = 3;

} // namespace

std::vector<std::size_t> intern::Echte(const Loesung& l) {
    std::vector<std::size_t> echte;
    for (std::size_t i = 0; i < l.Dreiecke.size(); ++i) {
        if (l.Dreiecke[i].Zaehlt) {
            echte.push_back(i);
        }
    }
    return echte;
}

namespace {

bool Gefragt(const std::optional<std::vector<Feld>>& gefragt, Feld f) {
    return !gefragt || std::find(gefragt->begin(), gefragt->end(), f) != gefragt->end();
}

} // namespace

const Bereich& Richtig(const Antwortfeld& feld) {
    return *std::find_if(feld.Bereiche.begin(), feld.Bereiche.end(),
                         [](const Bereich& b) { return b.Wertung == Note::Richtig; });
}

std::string intern::Tiefgestellt(std::size_t nummer) {
    return nummer == 0 ? "₁" : "₂";
}

bool intern::AlleTrennscharf(const std::vector<Antwortfeld>& felder) {
    return std::all_of(felder.begin(), felder.end(),
                       [](const Antwortfeld& f) { return intern::Trennscharf(f); });
}

void intern::Dreiecksfelder(const Loesung& l, std::size_t dreieck, const routen::Rundung& rundung,
                            const std::optional<std::vector<Feld>>& gefragt,
                            const std::string& einheit, const std::string& zeiger,
                            std::vector<Antwortfeld>& felder) {
    const std::vector<Feld> folge = routen::Rechenfolge(l.Dreiecke[dreieck]);
    // The fields come in the worked steps' order; a pupil may take any other.
    const std::vector<routen::Spielraum> raeume = routen::Spielraeume(l, dreieck, rundung);
    for (const Feld g : folge) {
        if (!Gefragt(gefragt, g)) {
            continue;
        }
        const auto s = std::find_if(raeume.begin(), raeume.end(),
                                    [g](const routen::Spielraum& r) { return r.Groesse == g; });
        if (s == raeume.end()) {
            continue; // given, not asked
        }
        Antwortfeld f;
        f.Art = Feldart::Dreieck;
        f.Groesse = g;
        f.Dreieck = dreieck;
        const bool winkel = g >= Feld::Alpha;
        f.Worte = winkel ? "Winkel" : "Seite";
        f.Buchstabe = Anzeigebuchstabe(l, g) + zeiger;
        f.Einheit = winkel ? "°" : einheit;
        f.Dezimalen = rundung.Ergebnis;
        f.Wert = s->Genau;
        f.Gerundet = s->Gerundet;
        f.Text = intern::Zahltext(f.Gerundet, f.Dezimalen);
        intern::Setze(f, s->Unten, s->Oben);
        for (const routen::FalscheAntwort& falsch : s->Falsche) {
            f.Falsche.push_back({falsch.Art, falsch.Wert});
        }
        intern::StelleWeniger(f, s->Erreicht);
        f.Routen = s->Routen;
        felder.push_back(std::move(f));
    }
}

bool intern::Geloest(const Loesung& l) {
    return l.Ausgangscode == Code::Geloest && l.Typ && !l.Ausgang.Meldung && !l.Ausgang.Fehler;
}

std::optional<Frage> FrageAus(const Loesung& loesung, std::string text, int mindestDezimalen,
                              const std::optional<std::vector<Feld>>& gefragt,
                              const std::string& einheit) {
    if (!intern::Geloest(loesung)) {
        return std::nullopt;
    }
    Frage q;
    q.Text = std::move(text);
    q.Ergebnis = loesung;
    const std::vector<std::size_t> echte = intern::Echte(loesung);
    const bool ssw = loesung.Typ == Aufgabentyp::SSW;
    for (int d = std::max(mindestDezimalen, 0);; ++d) {
        q.Felder.clear();
        if (ssw) {
            Antwortfeld anzahl;
            anzahl.Art = Feldart::Anzahl;
            anzahl.Worte = "Anzahl der Dreiecke";
            anzahl.Dezimalen = 0;
            anzahl.Wert = anzahl.Gerundet = static_cast<L>(echte.size());
            anzahl.Text = std::to_string(echte.size());
            anzahl.Bereiche = {{anzahl.Wert, anzahl.Wert, Note::Richtig}};
            q.Felder.push_back(std::move(anzahl));
        }
        q.Anweisung.Rundung = routen::RundungFuer(d);
        for (std::size_t k = 0; k < echte.size(); ++k) {
            intern::Dreiecksfelder(loesung, echte[k], q.Anweisung.Rundung, gefragt, einheit,
                                   echte.size() > 1 ? intern::Tiefgestellt(k) : "", q.Felder);
        }
        if (intern::AlleTrennscharf(q.Felder) || d >= mindestDezimalen + MehrHoechstens) {
            break;
        }
    }
    if (q.Felder.empty()) {
        return std::nullopt;
    }
    q.Anweisung.Worte = routen::Rundungsanweisung(q.Anweisung.Rundung);
    if (echte.size() == 2) {
        const std::string w = Anzeigebuchstabe(loesung, loesung.SSW->SinusWinkel);
        q.Dreiecksreihenfolge =
            "Dreieck 1 ist das mit spitzem Winkel " + w + ", Dreieck 2 das mit stumpfem.";
    }
    return q;
}

std::string GegebenText(const Loesung& loesung, const Eingabe& felder) {
    std::string text = "Gegeben: ";
    bool erste = true;
    for (const GegebeneGroesse& g : loesung.Gegeben) {
        text += erste ? "" : ", ";
        erste = false;
        const auto i = static_cast<std::size_t>(g.Groesse);
        text += Anzeigebuchstabe(loesung, g.Groesse) + " = " + felder.Texte[i];
        text += g.Groesse >= Feld::Alpha ? "°" : "";
    }
    return text + ".";
}

} // namespace kalotri::frage
