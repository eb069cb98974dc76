// SPDX-License-Identifier: GPL-3.0-or-later
#include "drehungen.h"
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
    Zeile("Typ: SSS");
    SchreibeGegeben();
    LoeseSSS(pA.Wert, pB.Wert, pC.Wert);
}

void TRechner::LoeseSSS(double a, double b, double c) {
    // Angle by angle: each value line is written before the next angle is computed.
    const double alpha = CosinussatzWinkel(b, c, a);
    WinkelMitWert(pAlpha, alpha, " (Cosinussatz)");

    const double beta = CosinussatzWinkel(a, c, b);
    WinkelMitWert(pBeta, beta, " (Cosinussatz)", " :");

    const double gamma = Speichere(Lang{180} - alpha - beta);
    WinkelMitWert(pGamma, gamma, " (Winkelsumme, besser: Cosinussatz)", " :");
}

void TRechner::FallSWS() {
    Zeile("Typ: SWS");
    const Drehung& d = WaehleDrehung(SWSDrehungen, Groessen);
    const auto& [s1, w, s2] = d.Gegeben;
    const auto& [s3, w1, w2] = d.Ergebnis;

    SchreibeGegeben();
    // Results go straight into the records of the missing quantities.
    const SWSLoesung l = LoeseSWS(Groesse(s1).Wert, Groesse(w).Wert, Groesse(s2).Wert);
    Groesse(s3).Wert = l.DritteSeite;
    Groesse(w1).Wert = l.Winkel1;
    Groesse(w2).Wert = l.Winkel2;

    SeiteMitWert(Groesse(s3), l.DritteSeite, " (Cosinussatz)");
    WinkelMitWert(Groesse(w1), l.Winkel1, " (Cosinussatz)");
    WinkelMitWert(Groesse(w2), l.Winkel2, " (Winkelsumme)");
}

SWSLoesung TRechner::LoeseSWS(double s1, double w, double s2) {
    const double seite = DritteSeite(s1, s2, w);
    // From the third side as stored, not as computed.
    const double winkel1 = CosinussatzWinkel(seite, s2, s1);
    return {seite, winkel1, Speichere(Lang{180} - w - winkel1)};
}

} // namespace kalotri
