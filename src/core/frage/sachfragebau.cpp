// SPDX-License-Identifier: GPL-3.0-or-later
// A word problem as a question: the story's quantities by the same routes as the triangle's,
// worked out from each route's triangle as the situation says.
#include "felder.h"
#include "frage.h"

#include <algorithm>
#include <cmath>

namespace kalotri::frage {

using intern::L;

namespace {

constexpr int MehrHoechstens = 3;

bool Abgedeckt(const Sachaufgabe& s, Feld f, std::size_t dreieck) {
    return std::any_of(s.Gesuchte.begin(), s.Gesuchte.end(),
                       [&](const Gesucht& g) { return g.Groesse == f && g.Dreieck == dreieck; });
}

std::string Ecken(const Eingabe& dreieck) {
    std::string ecken;
    for (std::size_t i = 0; i < 3; ++i) {
        for (const char z : dreieck.Buchstaben[i]) {
            ecken += static_cast<char>(std::toupper(static_cast<unsigned char>(z)));
        }
    }
    return ecken;
}

Antwortfeld Sachfeld(const Sachaufgabe& s, std::size_t i, const Loesung& l,
                     const routen::Rundung& rundung, int mehr) {
    const Gesucht& g = s.Gesuchte[i];
    Antwortfeld f;
    f.Art = Feldart::Sache;
    f.Sachgroesse = i;
    f.Worte = g.Worte;
    f.Buchstabe = g.Name;
    f.Einheit = g.Einheit;
    f.Groesse = g.Groesse.value_or(Feld::A);
    f.Dreieck = g.Dreieck;
    f.Dezimalen = g.Dezimalen + mehr;
    f.Wert = g.Wert;
    f.Gerundet = routen::RundeAuf(g.Wert, f.Dezimalen, 180);
    f.Text = intern::Zahltext(f.Gerundet, f.Dezimalen);
    const L halb = intern::Einheit(f.Dezimalen) / 2;
    std::vector<L> erreicht = {f.Gerundet};
    if (!g.Groesse && !g.Aus) {
        // A situation that does not say how its answer follows: the few tenths of a percent
        // that rounding along the way moves such an answer, as before there were routes.
        const Lang spiel = std::max(halb, Lang80(Lang{0.003L} * Lang{std::abs(g.Wert)}));
        intern::Setze(f, Lang80(Lang{f.Gerundet} - spiel), Lang80(Lang{f.Gerundet} + spiel));
    } else {
        const intern::Huelle h =
            intern::Sachhuelle(l, g, routen::GegebenerStand(l, g.Dreieck), rundung, f.Dezimalen);
        intern::Setze(f, Lang80(Lang{std::min(h.Min, f.Gerundet)} - Lang{halb}),
                      Lang80(Lang{std::max(h.Max, f.Gerundet)} + Lang{halb}));
        f.Routen = h.Anzahl;
        erreicht.insert(erreicht.end(), h.Erreicht.begin(), h.Erreicht.end());
    }
    const auto dazu = [&](routen::Fehlerart art, L wert) {
        if (std::isfinite(wert)) {
            f.Falsche.push_back({art, routen::RundeAuf(wert, f.Dezimalen, 180)});
        }
    };
    if (g.Groesse && s.Loesungen == 2) {
        dazu(routen::Fehlerart::AndereLoesung,
             l.Dreiecke[1 - g.Dreieck].Werte[static_cast<std::size_t>(*g.Groesse)]);
    }
    if (const auto bogen = routen::ImBogenmass(l, g.Dreieck)) {
        const L x = g.Groesse ? (*bogen)[static_cast<std::size_t>(*g.Groesse)]
                    : g.Aus   ? g.Aus(*bogen, intern::Taschenrechner(true, -1))
                              : g.Wert;
        if (std::abs(x - g.Wert) > 1e-9L * std::max<L>(1, std::abs(g.Wert))) {
            dazu(routen::Fehlerart::Bogenmass, x);
        }
    }
    dazu(routen::Fehlerart::ProzentMehr, Lang80(Lang{g.Wert} * Lang{1.01L}));
    dazu(routen::Fehlerart::ProzentWeniger, Lang80(Lang{g.Wert} * Lang{0.99L}));
    intern::StelleWeniger(f, erreicht);
    return f;
}

} // namespace

std::optional<Frage> SachfrageAus(const Sachaufgabe& s) {
    Frage q;
    q.Ergebnis = Berechne(s.Dreieck);
    const Loesung& l = q.Ergebnis;
    if (!intern::Geloest(l) || s.Gesuchte.empty()) {
        return std::nullopt;
    }
    q.Text = s.Text;
    for (const std::string& frage : s.Fragen) {
        q.Text += " " + frage;
    }
    int tragen = 0;
    for (const Gesucht& g : s.Gesuchte) {
        tragen = std::max(tragen, g.Dezimalen);
    }
    const std::vector<std::size_t> echte = intern::Echte(l);
    for (int mehr = 0;; ++mehr) {
        q.Felder.clear();
        q.Anweisung.Rundung = routen::RundungFuer(tragen + mehr);
        // The triangle's quantities the answers are worked out from: optional steps on the way.
        for (std::size_t k = 0; k < echte.size(); ++k) {
            std::vector<Feld> zwischen;
            for (const Feld f : s.Dreiecksfragen) {
                if (!Abgedeckt(s, f, echte[k])) {
                    zwischen.push_back(f);
                }
            }
            if (zwischen.empty()) {
                continue;
            }
            const std::size_t ab = q.Felder.size();
            intern::Dreiecksfelder(l, echte[k], q.Anweisung.Rundung, zwischen, s.Einheit,
                                   echte.size() > 1 ? intern::Tiefgestellt(k) : "", q.Felder);
            for (std::size_t i = ab; i < q.Felder.size(); ++i) {
                q.Felder[i].Zwischenwert = true;
                q.Felder[i].Worte = q.Felder[i].Worte + " im Dreieck " + Ecken(s.Dreieck);
            }
        }
        for (std::size_t i = 0; i < s.Gesuchte.size(); ++i) {
            q.Felder.push_back(Sachfeld(s, i, l, q.Anweisung.Rundung, mehr));
        }
        if (intern::AlleTrennscharf(q.Felder) || mehr >= MehrHoechstens) {
            break;
        }
    }
    q.Anweisung.Worte = routen::Rundungsanweisung(q.Anweisung.Rundung, true);
    q.Sache = s;
    return q;
}

} // namespace kalotri::frage
