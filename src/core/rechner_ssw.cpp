// SPDX-License-Identifier: GPL-3.0-or-later
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

// One placement of two sides and an angle opposite one of them.
// The rotation holds when s, t and w are the three given quantities.
struct SSWRotation {
    TPruef TRechner::*s; // opposite the given angle
    TPruef TRechner::*t; // the other given side
    TPruef TRechner::*w;
    bool umgekehrt;
    TPruef TRechner::*sinusWinkel;
    TPruef TRechner::*summenWinkel;
    TPruef TRechner::*dritteSeite;
};

constexpr std::array<SSWRotation, 6> Rotationen = {{
    {&TRechner::pA, &TRechner::pB, &TRechner::pAlpha, false, &TRechner::pBeta, &TRechner::pGamma,
     &TRechner::pC},
    {&TRechner::pB, &TRechner::pC, &TRechner::pBeta, false, &TRechner::pGamma, &TRechner::pAlpha,
     &TRechner::pA},
    {&TRechner::pC, &TRechner::pA, &TRechner::pGamma, false, &TRechner::pAlpha, &TRechner::pBeta,
     &TRechner::pB},
    {&TRechner::pB, &TRechner::pA, &TRechner::pBeta, true, &TRechner::pAlpha, &TRechner::pGamma,
     &TRechner::pC},
    {&TRechner::pC, &TRechner::pB, &TRechner::pGamma, true, &TRechner::pBeta, &TRechner::pAlpha,
     &TRechner::pA},
    {&TRechner::pA, &TRechner::pC, &TRechner::pAlpha, true, &TRechner::pGamma, &TRechner::pBeta,
     &TRechner::pB},
}};

struct SSWLoesung {
    double sinusWinkel;
    double summenWinkel;
    double seite;
};

} // namespace

void TRechner::FallSSW() {
    const SSWRotation* rot = &Rotationen[0];
    for (const SSWRotation& r : Rotationen) {
        if ((this->*r.s).Status + (this->*r.t).Status + (this->*r.w).Status == 0) {
            rot = &r;
        }
    }

    SchreibeGegeben();

    const double s = (this->*rot->s).Wert;
    const double t = (this->*rot->t).Wert;
    const double w = (this->*rot->w).Wert;

    // A given angle of 180 or more leaves no room for the other two.
    std::vector<SSWLoesung> loesungen;
    if (w < 180) {
        double c1 = 0, c2 = 0, b1 = 0, b2 = 0, g1 = 0, g2 = 0;
        const int anzahl = rot->umgekehrt ? LoeseSSWUmgekehrt(w, t, s, b1, b2, c1, c2, g1, g2)
                                          : LoeseSSW(s, t, w, c1, c2, b1, b2, g1, g2);
        const std::array<SSWLoesung, 2> alle = {{{b1, g1, c1}, {b2, g2, c2}}};
        for (int i = 0; i < anzahl; ++i) {
            // Negative angles are no triangle; a flat one still counts. An angle that is
            // flat in exact arithmetic lands a few ulps either side of 0 (equal sides with
            // an obtuse angle: +2e-14 at 120 degrees, -7e-15 at 135), so rounding noise
            // must not decide between a flat solution and none.
            const SSWLoesung& l = alle[static_cast<std::size_t>(i)];
            if (l.sinusWinkel >= -FlachToleranz && l.summenWinkel >= -FlachToleranz) {
                loesungen.push_back(l);
            }
        }
    }

    TPruef& sinusWinkel = this->*rot->sinusWinkel;
    TPruef& summenWinkel = this->*rot->summenWinkel;
    TPruef& seite = this->*rot->dritteSeite;

    if (loesungen.empty()) {
        Zeile("Keine Lösung");
        return;
    }
    // The first surviving solution is what the records keep.
    sinusWinkel.Wert = loesungen[0].sinusWinkel;
    summenWinkel.Wert = loesungen[0].summenWinkel;
    seite.Wert = loesungen[0].seite;

    // A single solution stands without a header.
    const bool mitKopf = loesungen.size() > 1;
    for (std::size_t i = 0; i < loesungen.size(); ++i) {
        if (mitKopf) {
            Zeile(i == 0 ? "1. Lösung:" : "2. Lösung:");
        }
        SchreibeSSWLoesung(sinusWinkel, loesungen[i].sinusWinkel, summenWinkel,
                           loesungen[i].summenWinkel, seite, loesungen[i].seite);
    }
}

void TRechner::SchreibeSSWLoesung(const TPruef& sinusWinkel, double sinusWert,
                                  const TPruef& summenWinkel, double summenWert,
                                  const TPruef& seite, double seitenWert) {
    WinkelName(sinusWinkel);
    Zeile(Fest(sinusWert) + "° (Sinussatz)");
    WinkelName(summenWinkel);
    Zeile(Fest(summenWert) + "° (Winkelsumme)");
    SeitenName(seite);
    Zeile(Fest(seitenWert) + " (Cosinussatz)");
}

int TRechner::LoeseSSW(double s, double t, double w, double& c1, double& c2, double& b1, double& b2,
                       double& g1, double& g2) {
    // The ratio is rounded to double before it is compared, so that a = 5, b = 10,
    // alpha = 30 lands exactly on 1 and gives the single right-angled solution.
    const Lang sinW = SinusGrad(w);
    const double r = Speichere(sinW * Teile(t, s));
    const Lang rest = Lang{180} - w;

    if (s > t) {
        const double beta1 = BogenZuGrad(ArcSinus(r));
        const double gamma1 = Speichere(rest - beta1);
        c1 = DritteSeite(s, t, gamma1);
        b1 = beta1;
        g1 = gamma1;
        return 1;
    }
    if (r > 1) {
        return 0;
    }
    if (r == 1) {
        const double beta1 = 90;
        const double gamma1 = Speichere(rest - beta1);
        c1 = DritteSeite(s, t, gamma1);
        b1 = beta1;
        g1 = gamma1;
        return 1;
    }
    // Each value is used as stored by the steps after it.
    const double beta1 = BogenZuGrad(ArcSinus(r));
    const double gamma1 = Speichere(rest - beta1);
    const double seite1 = DritteSeite(s, t, gamma1);
    const double beta2 = Speichere(Lang{180} - beta1);
    const double gamma2 = Speichere(rest - beta2);
    const double seite2 = DritteSeite(s, t, gamma2);
    c1 = seite1;
    c2 = seite2;
    b1 = beta1;
    b2 = beta2;
    g1 = gamma1;
    g2 = gamma2;
    return 2;
}

int TRechner::LoeseSSWUmgekehrt(double w, double t, double s, double& b1, double& b2, double& c1,
                                double& c2, double& g1, double& g2) {
    return LoeseSSW(s, t, w, c1, c2, b1, b2, g1, g2);
}

} // namespace kalotri
