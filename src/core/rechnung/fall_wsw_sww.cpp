// SPDX-License-Identifier: GPL-3.0-or-later
#include "drehungen.h"
#include "gleitkomma.h"
#include "lauf.h"
#include "winkel.h"

namespace kalotri {

Seitenpaar LoeseWSW(double w1, double s, double w2) {
    // Two given angles summing to 180 leave sin t = 0: a division by zero, by design.
    const double t = Speichere(Lang{180} - w1 - w2);
    const Lang sinT = SinusGrad(t);
    const double erstes = Speichere(Teile(SinusGrad(w1) * s, sinT));
    const double zweites = Speichere(Teile(SinusGrad(w2) * s, sinT));
    return {erstes, zweites};
}

Seitenpaar LoeseSWW(double s, double w2, double w3) {
    const double t = Speichere(Lang{180} - w2 - w3);
    const Lang sinW3 = SinusGrad(w3);
    const double erstes = Speichere(Teile(s * SinusGrad(t), sinW3));
    const double zweites = Speichere(Teile(s * SinusGrad(w2), sinW3));
    return {erstes, zweites};
}

namespace intern {

namespace {

// The third angle, which the command already stored, and the two sides; the angle is
// recorded only once the sides are known, as the solution is written as one block.
void TrageWinkelsummeUndSeiten(Lauf& lauf, const std::array<Feld, 2>& seiten, const Seitenpaar& l) {
    lauf.Groesse(seiten[0]).Wert = l.Erste;
    lauf.Groesse(seiten[1]).Wert = l.Zweite;
    const Feld dritterWinkel = !lauf.Gegeben(Feld::Alpha)  ? Feld::Alpha
                               : !lauf.Gegeben(Feld::Beta) ? Feld::Beta
                                                           : Feld::Gamma;
    LoesungsDreieck& d = lauf.NeuesDreieck();
    Trage(d, dritterWinkel, lauf.Groesse(dritterWinkel).Wert, Herkunft::Winkelsumme);
    Trage(d, seiten[0], l.Erste, Herkunft::Sinussatz);
    Trage(d, seiten[1], l.Zweite, Herkunft::Sinussatz);
    PruefeFlach(d);
}

} // namespace

void FallWSW(Lauf& lauf) {
    const Drehung& d = WaehleDrehung(WSWDrehungen, lauf.Groessen);
    const auto& [w1, s, w2] = d.Gegeben;
    const Seitenpaar l =
        LoeseWSW(lauf.Groesse(w1).Wert, lauf.Groesse(s).Wert, lauf.Groesse(w2).Wert);
    TrageWinkelsummeUndSeiten(lauf, {d.Ergebnis[0], d.Ergebnis[1]}, l);
}

void FallSWW(Lauf& lauf) {
    const SWWDrehung& d = WaehleDrehung(SWWDrehungen, lauf.Groessen);
    const auto& [s, w3] = d.Gegeben;
    const Seitenpaar l =
        LoeseSWW(lauf.Groesse(s).Wert, lauf.Groesse(d.W2).Wert, lauf.Groesse(w3).Wert);
    TrageWinkelsummeUndSeiten(lauf, d.Ergebnis, l);
}

} // namespace intern

} // namespace kalotri
