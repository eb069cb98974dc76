// SPDX-License-Identifier: GPL-3.0-or-later
#include "drehungen.h"
#include "gleitkomma.h"
#include "lauf.h"
#include "winkel.h"

namespace kalotri {

SSWLoesungen LoeseSSW(double s, double t, double w) {
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
    SSWLoesungen ergebnis;
    ergebnis.Sinus = r;
    if (s > t) {
        ergebnis.Anzahl = 1;
        ergebnis.Loesung[0] = loesung(BogenZuGrad(ArcSinus(r)));
    } else if (r == 1) {
        ergebnis.Anzahl = 1;
        ergebnis.Loesung[0] = loesung(90);
    } else if (r < 1) {
        const double beta1 = BogenZuGrad(ArcSinus(r));
        ergebnis.Anzahl = 2;
        ergebnis.Loesung[0] = loesung(beta1);
        ergebnis.Loesung[1] = loesung(Speichere(Lang{180} - beta1));
    }
    return ergebnis;
}

SSWLoesungen LoeseSSWUmgekehrt(double w, double t, double s) {
    return LoeseSSW(s, t, w);
}

namespace intern {

namespace {

using Kandidat = SSWBefund::Kandidat;
using Art = SSWBefund::Kandidatenart;

// Negative angles are no triangle. With s longer than t the one candidate is a triangle
// however thin (its sine angle is small but never 0 in exact arithmetic). With s shorter,
// an angle within rounding noise of 0 stands for one that is 0 or negative in exact
// arithmetic (nearly equal sides), so that candidate is flat and no solution.
Art Einordnen(const SSWLoesung& l, bool sLaenger) {
    if (l.SinusWinkel < -FlachToleranz || l.SummenWinkel < -FlachToleranz) {
        return Art::Verworfen;
    }
    if (!sLaenger && (l.SinusWinkel <= FlachToleranz || l.SummenWinkel <= FlachToleranz)) {
        return Art::Flach;
    }
    return Art::Gueltig;
}

// Two equal sides make the triangle isosceles: the sine angle equals w exactly, and the
// obtuse candidate of the same sine leaves 0 for the angle sum, a flat figure. Under 90
// degrees that gives exactly one triangle, from 90 on none.
void Gleichschenklig(SSWBefund& befund, double s, double t, double w) {
    if (w >= 90) {
        for (Kandidat& k : befund.Kandidaten) {
            k.Art = k.Art == Art::Verworfen ? Art::Verworfen : Art::Flach;
        }
        return;
    }
    befund.Kandidaten.clear();
    const double summenWinkel = Speichere(Lang{180} - w - w);
    befund.Kandidaten.push_back({w, summenWinkel, DritteSeite(s, t, summenWinkel), Art::Gueltig});
    befund.Kandidaten.push_back({Speichere(Lang{180} - w), 0, 0, Art::Flach});
}

} // namespace

void FallSSW(Lauf& lauf) {
    const Drehung& d = WaehleDrehung(SSWDrehungen, lauf.Groessen);
    const bool umgekehrt = &d >= &SSWDrehungen[SSWErsteUmgekehrte];
    const auto& [s, t, w] = d.Gegeben;
    SSWBefund& befund = lauf.Ergebnis.SSW.emplace();
    befund.S = s;
    befund.T = t;
    befund.W = w;
    befund.SinusWinkel = d.Ergebnis[0];
    befund.SummenWinkel = d.Ergebnis[1];
    befund.Seite = d.Ergebnis[2];
    const double sWert = lauf.Groesse(s).Wert;
    const double tWert = lauf.Groesse(t).Wert;
    const double wWert = lauf.Groesse(w).Wert;
    befund.SGegenT = sWert > tWert    ? SSWBefund::Vergleich::Laenger
                     : sWert == tWert ? SSWBefund::Vergleich::Gleich
                                      : SSWBefund::Vergleich::Kuerzer;

    // A given angle of 180 or more leaves no room for the other two.
    if (wWert >= 180) {
        befund.WinkelZuGross = true;
        return;
    }
    const SSWLoesungen alle =
        umgekehrt ? LoeseSSWUmgekehrt(wWert, tWert, sWert) : LoeseSSW(sWert, tWert, wWert);
    befund.Sinus = alle.Sinus;
    for (int i = 0; i < alle.Anzahl; ++i) {
        const SSWLoesung& l = alle.Loesung[static_cast<std::size_t>(i)];
        befund.Kandidaten.push_back(
            {l.SinusWinkel, l.SummenWinkel, l.Seite,
             Einordnen(l, befund.SGegenT == SSWBefund::Vergleich::Laenger)});
    }
    if (befund.SGegenT == SSWBefund::Vergleich::Gleich) {
        Gleichschenklig(befund, sWert, tWert, wWert);
    }

    bool erste = true;
    for (const Kandidat& k : befund.Kandidaten) {
        if (k.Art != Art::Gueltig) {
            continue;
        }
        // The first surviving solution is what the records keep.
        if (erste) {
            lauf.Groesse(befund.SinusWinkel).Wert = k.SinusWinkel;
            lauf.Groesse(befund.SummenWinkel).Wert = k.SummenWinkel;
            lauf.Groesse(befund.Seite).Wert = k.Seite;
            erste = false;
        }
        LoesungsDreieck& dreieck = lauf.NeuesDreieck();
        Trage(dreieck, befund.SinusWinkel, k.SinusWinkel, Herkunft::Sinussatz);
        Trage(dreieck, befund.SummenWinkel, k.SummenWinkel, Herkunft::Winkelsumme);
        Trage(dreieck, befund.Seite, k.Seite, Herkunft::Cosinussatz);
        // A triangle too thin to draw is still a solution.
        PruefeFlach(dreieck);
    }
}

} // namespace intern

} // namespace kalotri
