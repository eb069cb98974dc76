// SPDX-License-Identifier: GPL-3.0-or-later
#include "drehungen.h"
#include "gleitkomma.h"
#include "lauf.h"
#include "winkel.h"

#include <algorithm>

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

SWSLoesung LoeseSWS(double s1, double w, double s2) {
    const double seite = DritteSeite(s1, s2, w);
    // From the third side as stored, not as computed.
    const double winkel1 = CosinussatzWinkel(seite, s2, s1);
    return {seite, winkel1, Speichere(Lang{180} - w - winkel1)};
}

namespace intern {

void FallSSS(Lauf& lauf) {
    // Angle by angle: a fault in a later angle leaves the earlier ones standing. The
    // records keep no angle.
    LoesungsDreieck& d = lauf.NeuesDreieck();
    const double a = lauf.Groesse(Feld::A).Wert;
    const double b = lauf.Groesse(Feld::B).Wert;
    const double c = lauf.Groesse(Feld::C).Wert;
    const double alpha = CosinussatzWinkel(b, c, a);
    Trage(d, Feld::Alpha, alpha, Herkunft::Cosinussatz);
    const double beta = CosinussatzWinkel(a, c, b);
    Trage(d, Feld::Beta, beta, Herkunft::Cosinussatz);
    const double gamma = Speichere(Lang{180} - alpha - beta);
    Trage(d, Feld::Gamma, gamma, Herkunft::WinkelsummeBesserCosinussatz);
    PruefeFlach(d);
}

void FallSWS(Lauf& lauf) {
    const Drehung& dr = WaehleDrehung(SWSDrehungen, lauf.Groessen);
    const auto& [s1, w, s2] = dr.Gegeben;
    const auto& [s3, w1, w2] = dr.Ergebnis;
    LoesungsDreieck& d = lauf.NeuesDreieck();
    const SWSLoesung l =
        LoeseSWS(lauf.Groesse(s1).Wert, lauf.Groesse(w).Wert, lauf.Groesse(s2).Wert);
    // Results go straight into the records of the missing quantities.
    lauf.Groesse(s3).Wert = l.DritteSeite;
    lauf.Groesse(w1).Wert = l.Winkel1;
    lauf.Groesse(w2).Wert = l.Winkel2;
    Trage(d, s3, l.DritteSeite, Herkunft::Cosinussatz);
    Trage(d, w1, l.Winkel1, Herkunft::Cosinussatz);
    Trage(d, w2, l.Winkel2, Herkunft::Winkelsumme);
    PruefeFlach(d);
}

} // namespace intern

} // namespace kalotri
