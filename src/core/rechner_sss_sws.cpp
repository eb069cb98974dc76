// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleitkomma.h"
#include "rechner.h"
#include "winkel.h"

#include <algorithm>
#include <cmath>

namespace kalotri {

namespace {

// The law-of-cosines angle opposite `gegenueber`, in degrees. In exact arithmetic the
// argument lies within -1..1 for every triangle that reaches here; only rounding (a flat
// SWS triangle, for instance) can push it past, so it is pulled back rather than letting
// ArcCosinus fault.
double CosinussatzWinkel(Lang neben1, Lang neben2, Lang gegenueber) {
    const Lang zaehler = neben1 * neben1 + neben2 * neben2 - gegenueber * gegenueber;
    const double argument = std::clamp(Speichere(Teile(zaehler, 2 * neben1 * neben2)), -1.0, 1.0);
    return BogenZuGrad(ArcCosinus(argument));
}

} // namespace

double DritteSeite(double s, double t, double zwischenWinkel) {
    const Lang a = s;
    const Lang b = t;
    const Lang cosZ = KosinusGrad(zwischenWinkel);
    // The radicand is at least (s - t)^2 >= 0 in exact arithmetic; for a flat triangle
    // with nearly equal sides rounding can push it a few ulps below 0, which must not
    // turn a valid answer into a floating-point fault.
    const Lang quadrat = std::max(a * a + b * b - 2 * a * b * cosZ, Lang{0});
    return Speichere(Wurzel(quadrat));
}

void TRechner::FallSSS() {
    SchreibeGegeben();
    LoeseSSS(pA.Wert, pB.Wert, pC.Wert);
}

void TRechner::LoeseSSS(double a, double b, double c) {
    // Angle by angle: each value line is written before the next angle is computed.
    const double alpha = CosinussatzWinkel(b, c, a);
    WinkelName(pAlpha);
    Zeile(Fest(alpha) + "° (Cosinussatz)");

    const double beta = CosinussatzWinkel(a, c, b);
    WinkelName(pBeta, " :");
    Zeile(Fest(beta) + "° (Cosinussatz)");

    const double gamma = Speichere(Lang{180} - alpha - beta);
    WinkelName(pGamma, " :");
    Zeile(Fest(gamma) + "° (Winkelsumme, besser: Cosinussatz)");
}

void TRechner::FallSWS() {
    // Rotation: which side pair encloses the given angle. Results go straight into the
    // records of the missing quantities.
    TPruef* s1;
    TPruef* w;
    TPruef* s2;
    TPruef* s3;
    TPruef* w1;
    TPruef* w2;
    if (pA.Status == StatusGegeben && pB.Status == StatusGegeben &&
        pGamma.Status == StatusGegeben) {
        s1 = &pA, w = &pGamma, s2 = &pB, s3 = &pC, w1 = &pAlpha, w2 = &pBeta;
    } else if (pA.Status == StatusGegeben && pC.Status == StatusGegeben &&
               pBeta.Status == StatusGegeben) {
        s1 = &pC, w = &pBeta, s2 = &pA, s3 = &pB, w1 = &pGamma, w2 = &pAlpha;
    } else {
        s1 = &pB, w = &pAlpha, s2 = &pC, s3 = &pA, w1 = &pBeta, w2 = &pGamma;
    }

    SchreibeGegeben();
    LoeseSWS(s1->Wert, w->Wert, s2->Wert, s3->Wert, w1->Wert, w2->Wert);

    SeitenName(*s3);
    Zeile(Fest(s3->Wert) + " (Cosinussatz)");
    WinkelName(*w1);
    Zeile(Fest(w1->Wert) + "° (Cosinussatz)");
    WinkelName(*w2);
    Zeile(Fest(w2->Wert) + "° (Winkelsumme)");
}

void TRechner::LoeseSWS(double s1, double w, double s2, double& s3, double& w1, double& w2) {
    const double seite = DritteSeite(s1, s2, w);
    s3 = seite;
    // From the third side as stored, not as computed.
    const double winkel1 = CosinussatzWinkel(seite, s2, s1);
    w1 = winkel1;
    w2 = Speichere(Lang{180} - w - winkel1);
}

} // namespace kalotri
