// SPDX-License-Identifier: GPL-3.0-or-later
#include "drehungen.h"
#include "gleitkomma.h"
#include "rechner.h"
#include "winkel.h"
#include "zahlform.h"

namespace kalotri {

void TRechner::FallWSW() {
    Zeile("Typ: WSW");
    const Drehung& d = WaehleDrehung(WSWDrehungen, Groessen);
    const auto& [w1, s, w2] = d.Gegeben;
    SchreibeGegeben();
    const Seitenpaar l = LoeseWSW(Groesse(w1).Wert, Groesse(s).Wert, Groesse(w2).Wert);
    SchreibeWinkelsummeUndSeiten(d.Ergebnis[2], {d.Ergebnis[0], d.Ergebnis[1]}, l);
}

void TRechner::FallSWW() {
    Zeile("Typ: SWW");
    const SWWDrehung& d = WaehleDrehung(SWWDrehungen, Groessen);
    const auto& [s, w3] = d.Gegeben;
    // The angle the user left empty, whichever place it has in the rotation.
    const Feld dritterWinkel = pAlpha.Status == StatusLeer  ? Feld::Alpha
                               : pBeta.Status == StatusLeer ? Feld::Beta
                                                            : Feld::Gamma;
    SchreibeGegeben();
    const Seitenpaar l = LoeseSWW(Groesse(s).Wert, Groesse(d.W2).Wert, Groesse(w3).Wert);
    SchreibeWinkelsummeUndSeiten(dritterWinkel, d.Ergebnis, l);
}

void TRechner::SchreibeWinkelsummeUndSeiten(Feld dritterWinkel, const std::array<Feld, 2>& seiten,
                                            const Seitenpaar& l) {
    TPruef& erste = Groesse(seiten[0]);
    TPruef& zweite = Groesse(seiten[1]);
    erste.Wert = l.Erste;
    zweite.Wert = l.Zweite;
    // The angle-sum angle in the general form, so 90 reads "90°", not "90,000°".
    const TPruef& winkel = Groesse(dritterWinkel);
    WinkelName(winkel);
    Zeile(AllgemeineForm(winkel.Wert, format_.Trennzeichen) + "° (Winkelsumme)");
    SeiteMitWert(erste, l.Erste, " (Sinussatz)");
    SeiteMitWert(zweite, l.Zweite, " (Sinussatz)");
}

Seitenpaar TRechner::LoeseWSW(double w1, double s, double w2) {
    // Two given angles summing to 180 leave sin t = 0: a division by zero, by design.
    const double t = Speichere(Lang{180} - w1 - w2);
    const Lang sinT = SinusGrad(t);
    const double erstes = Speichere(Teile(SinusGrad(w1) * s, sinT));
    const double zweites = Speichere(Teile(SinusGrad(w2) * s, sinT));
    return {erstes, zweites};
}

Seitenpaar TRechner::LoeseSWW(double s, double w2, double w3) {
    const double t = Speichere(Lang{180} - w2 - w3);
    const Lang sinW3 = SinusGrad(w3);
    const double erstes = Speichere(Teile(s * SinusGrad(t), sinW3));
    const double zweites = Speichere(Teile(s * SinusGrad(w2), sinW3));
    return {erstes, zweites};
}

} // namespace kalotri
