// SPDX-License-Identifier: GPL-3.0-or-later
#include "felder.h"

#include "rundformat.h"
#include "zahlform_lang.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace kalotri::frage::intern {

L Einheit(int dezimalen) {
    return Zehnerpotenz(-dezimalen);
}

std::string Zahltext(L wert, int dezimalen) {
    return FesteFormLang(wert, MaskeFuerAnzahl(dezimalen), ",");
}

bool Drin(const Bereich& b, L x) {
    // As Moodle widens its intervals: decimals read into binary, nothing more.
    const Lang spiel = Lang{1e-14L} * Lang{std::max(L{1}, std::abs(x))};
    return x >= Lang80(Lang{b.Unten} - spiel) && x <= Lang80(Lang{b.Oben} + spiel);
}

void Setze(Antwortfeld& feld, L unten, L oben) {
    // A value 1 % off is no rounding slip, whatever the decimals.
    // Through Lang, as the routes, so that the page's intervals are the quiz's.
    const Lang band =
        std::min(Einheit(feld.Dezimalen), Lang80(Lang{0.005L} * Lang{std::abs(feld.Wert)}));
    feld.Bereiche = {{unten, oben, Note::Richtig},
                     {Lang80(Lang{unten} - band), unten, Note::NurRundung},
                     {oben, Lang80(Lang{oben} + band), Note::NurRundung}};
}

bool Trennscharf(const Antwortfeld& feld) {
    return std::none_of(feld.Falsche.begin(), feld.Falsche.end(), [&](const FalscheAntwort& f) {
        return f.Art != routen::Fehlerart::StelleWeniger && Drin(Richtig(feld), f.Wert);
    });
}

void StelleWeniger(Antwortfeld& feld, const std::vector<L>& erreicht) {
    if (feld.Dezimalen == 0) {
        return;
    }
    const L weniger = routen::RundeAuf(feld.Wert, feld.Dezimalen - 1, 180);
    const L spiel = Einheit(feld.Dezimalen) / 10;
    if (std::any_of(erreicht.begin(), erreicht.end(),
                    [&](L x) { return std::abs(x - weniger) < spiel; })) {
        return;
    }
    feld.Falsche.push_back({routen::Fehlerart::StelleWeniger, weniger});
    if (Drin(Richtig(feld), weniger)) {
        feld.Bereiche.insert(feld.Bereiche.begin(), {weniger, weniger, Note::NurRundung});
    }
}

Tasten Taschenrechner(bool bogenmass, int zwischen) {
    // Through Lang, as the judge's own calculator, so that the page's marks are the native ones.
    const Lang grad = bogenmass ? Lang{1} : Lang{std::numbers::pi_v<L>} / Lang{180};
    const auto runde = [zwischen](Lang x) {
        return zwischen < 0 ? Lang80(x) : routen::RundeAuf(Lang80(x), zwischen);
    };
    return {[=](L w) { return runde(std::sin(Lang80(Lang{w} * grad))); },
            [=](L w) { return runde(std::cos(Lang80(Lang{w} * grad))); }};
}

Huelle Sachhuelle(const Loesung& loesung, const Gesucht& gesucht,
                  const routen::Anfangsstand& anfang, const routen::Rundung& rundung,
                  int dezimalen) {
    Huelle h{std::numeric_limits<L>::infinity(), -std::numeric_limits<L>::infinity(), 0, {}};
    const Tasten genau = Taschenrechner(false, -1);
    const Tasten gerundet = Taschenrechner(false, rundung.Zwischen);
    const auto ende = [&](const routen::Werte& w, bool zwischen) {
        const L x = gesucht.Groesse ? w[static_cast<std::size_t>(*gesucht.Groesse)]
                                    : gesucht.Aus(w, zwischen ? gerundet : genau);
        if (std::isfinite(x)) {
            const L r = routen::RundeAuf(x, dezimalen, 180);
            h.Min = std::min(h.Min, r);
            h.Max = std::max(h.Max, r);
            ++h.Anzahl;
            if (std::find(h.Erreicht.begin(), h.Erreicht.end(), r) == h.Erreicht.end()) {
                h.Erreicht.push_back(r);
            }
        }
    };
    routen::Erkunde(loesung, gesucht.Dreieck, anfang, rundung, {}, ende);
    return h;
}

} // namespace kalotri::frage::intern
