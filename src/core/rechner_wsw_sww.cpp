// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleitkomma.h"
#include "rechner.h"
#include "winkel.h"
#include "zahlform.h"

namespace kalotri {

void TRechner::FallWSW() {
    TPruef* w1;
    TPruef* s;
    TPruef* w2;
    TPruef* r1;
    TPruef* r2;
    TPruef* dritterWinkel;
    if (pAlpha.Status == StatusGegeben && pBeta.Status == StatusGegeben &&
        pC.Status == StatusGegeben) {
        w1 = &pAlpha, s = &pC, w2 = &pBeta, r1 = &pA, r2 = &pB, dritterWinkel = &pGamma;
    } else if (pBeta.Status == StatusGegeben && pGamma.Status == StatusGegeben &&
               pA.Status == StatusGegeben) {
        w1 = &pBeta, s = &pA, w2 = &pGamma, r1 = &pB, r2 = &pC, dritterWinkel = &pAlpha;
    } else {
        w1 = &pGamma, s = &pB, w2 = &pAlpha, r1 = &pC, r2 = &pA, dritterWinkel = &pBeta;
    }

    SchreibeGegeben();
    LoeseWSW(w1->Wert, s->Wert, w2->Wert, r1->Wert, r2->Wert);
    SchreibeWinkelsummeUndSeiten(*dritterWinkel, *r1, *r2);
}

void TRechner::FallSWW() {
    TPruef* s;
    TPruef* w2;
    TPruef* w3;
    TPruef* r1;
    TPruef* r2;
    if (pC.Status == StatusGegeben && pGamma.Status == StatusGegeben) {
        s = &pC, w2 = &pBeta, w3 = &pGamma, r1 = &pA, r2 = &pB;
    } else if (pA.Status == StatusGegeben && pAlpha.Status == StatusGegeben) {
        s = &pA, w2 = &pGamma, w3 = &pAlpha, r1 = &pB, r2 = &pC;
    } else {
        s = &pB, w2 = &pAlpha, w3 = &pBeta, r1 = &pC, r2 = &pA;
    }
    // The angle the user left empty, whichever place it has in the rotation.
    TPruef* dritterWinkel = pAlpha.Status == StatusLeer  ? &pAlpha
                            : pBeta.Status == StatusLeer ? &pBeta
                                                         : &pGamma;

    SchreibeGegeben();
    LoeseSWW(s->Wert, w2->Wert, w3->Wert, r1->Wert, r2->Wert);
    SchreibeWinkelsummeUndSeiten(*dritterWinkel, *r1, *r2);
}

void TRechner::SchreibeWinkelsummeUndSeiten(const TPruef& dritterWinkel, const TPruef& erste,
                                            const TPruef& zweite) {
    // The angle-sum angle in the general form, so 90 reads "90°", not "90,000°".
    WinkelName(dritterWinkel);
    Zeile(AllgemeineForm(dritterWinkel.Wert, Format.Trennzeichen) + "° (Winkelsumme)");
    SeitenName(erste);
    Zeile(Fest(erste.Wert) + " (Sinussatz)");
    SeitenName(zweite);
    Zeile(Fest(zweite.Wert) + " (Sinussatz)");
}

void TRechner::LoeseWSW(double w1, double s, double w2, double& r1, double& r2) {
    // Two given angles summing to 180 leave sin t = 0: a division by zero, by design.
    const double t = Speichere(Lang{180} - w1 - w2);
    const Lang sinT = SinusGrad(t);
    const double erstes = Speichere(Teile(SinusGrad(w1) * s, sinT));
    const double zweites = Speichere(Teile(SinusGrad(w2) * s, sinT));
    r1 = erstes;
    r2 = zweites;
}

void TRechner::LoeseSWW(double s, double w2, double w3, double& r1, double& r2) {
    const double t = Speichere(Lang{180} - w2 - w3);
    const Lang sinW3 = SinusGrad(w3);
    const double erstes = Speichere(Teile(s * SinusGrad(t), sinW3));
    const double zweites = Speichere(Teile(s * SinusGrad(w2), sinW3));
    r1 = erstes;
    r2 = zweites;
}

} // namespace kalotri
