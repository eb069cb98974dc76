// SPDX-License-Identifier: GPL-3.0-or-later
#include "drehungen.h"
#include "gleitkomma.h"
#include "rechner.h"
#include "winkel.h"

#include <array>
#include <cmath>
#include <vector>

namespace kalotri {

namespace {

// Degrees; far below what the fixed form can show, far above the rounding of a flat angle.
constexpr double FlachToleranz = 1e-9;

} // namespace

void TRechner::FallSSW() {
    Zeile("Typ: SSW");
    const Drehung& d = WaehleDrehung(SSWDrehungen, Groessen);
    const bool umgekehrt = &d >= &SSWDrehungen[SSWErsteUmgekehrte];
    const auto& [s, t, w] = d.Gegeben;
    SchreibeGegeben();

    // A given angle of 180 or more leaves no room for the other two.
    std::vector<SSWLoesung> loesungen;
    if (Groesse(w).Wert < 180) {
        const SSWLoesungen alle =
            umgekehrt ? LoeseSSWUmgekehrt(Groesse(w).Wert, Groesse(t).Wert, Groesse(s).Wert)
                      : LoeseSSW(Groesse(s).Wert, Groesse(t).Wert, Groesse(w).Wert);
        for (int i = 0; i < alle.Anzahl; ++i) {
            // Negative angles are no triangle; a flat one still counts. An angle that is
            // flat in exact arithmetic lands a few ulps either side of 0 (equal sides with
            // an obtuse angle: +2e-14 at 120 degrees, -7e-15 at 135), so rounding noise
            // must not decide between a flat solution and none.
            const SSWLoesung& l = alle.Loesung[static_cast<std::size_t>(i)];
            if (l.SinusWinkel >= -FlachToleranz && l.SummenWinkel >= -FlachToleranz) {
                loesungen.push_back(l);
            }
        }
    }

    if (loesungen.empty()) {
        Zeile("Keine Lösung");
        return;
    }
    TPruef& sinusWinkel = Groesse(d.Ergebnis[0]);
    TPruef& summenWinkel = Groesse(d.Ergebnis[1]);
    TPruef& seite = Groesse(d.Ergebnis[2]);
    // The first surviving solution is what the records keep.
    sinusWinkel.Wert = loesungen[0].SinusWinkel;
    summenWinkel.Wert = loesungen[0].SummenWinkel;
    seite.Wert = loesungen[0].Seite;

    // A single solution stands without a header.
    const bool mitKopf = loesungen.size() > 1;
    for (std::size_t i = 0; i < loesungen.size(); ++i) {
        if (mitKopf) {
            Zeile(i == 0 ? "1. Lösung:" : "2. Lösung:");
        }
        WinkelMitWert(sinusWinkel, loesungen[i].SinusWinkel, " (Sinussatz)");
        WinkelMitWert(summenWinkel, loesungen[i].SummenWinkel, " (Winkelsumme)");
        SeiteMitWert(seite, loesungen[i].Seite, " (Cosinussatz)");
    }
}

SSWLoesungen TRechner::LoeseSSW(double s, double t, double w) {
    // The ratio is rounded to double before it is compared, so that a = 5, b = 10,
    // alpha = 30 lands exactly on 1 and gives the single right-angled solution.
    const Lang sinW = SinusGrad(w);
    const double r = Speichere(sinW * Teile(t, s));
    const Lang rest = Lang{180} - w;

    // Each value is used as stored by the steps after it.
    const auto loesung = [&](double sinusWinkel) {
        const double summenWinkel = Speichere(rest - sinusWinkel);
        return SSWLoesung{sinusWinkel, summenWinkel, DritteSeite(s, t, summenWinkel)};
    };
    if (s > t) {
        return {1, {loesung(BogenZuGrad(ArcSinus(r)))}};
    }
    if (r > 1) {
        return {};
    }
    if (r == 1) {
        return {1, {loesung(90)}};
    }
    const double beta1 = BogenZuGrad(ArcSinus(r));
    const SSWLoesung erste = loesung(beta1);
    return {2, {erste, loesung(Speichere(Lang{180} - beta1))}};
}

SSWLoesungen TRechner::LoeseSSWUmgekehrt(double w, double t, double s) {
    return LoeseSSW(s, t, w);
}

} // namespace kalotri
