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

// Negative angles are no triangle; a flat one still counts. An angle that is flat in
// exact arithmetic lands a few ulps either side of 0 (equal sides with an obtuse angle:
// +2e-14 at 120 degrees, -7e-15 at 135), so rounding noise must not decide between a
// flat solution and none.
Art Einordnen(const SSWLoesung& l) {
    if (l.SinusWinkel < -FlachToleranz || l.SummenWinkel < -FlachToleranz) {
        return Art::Verworfen;
    }
    if (l.SinusWinkel <= FlachToleranz || l.SummenWinkel <= FlachToleranz) {
        return Art::Flach;
    }
    return Art::Gueltig;
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
        befund.Kandidaten.push_back({l.SinusWinkel, l.SummenWinkel, l.Seite, Einordnen(l)});
    }

    bool erste = true;
    for (const Kandidat& k : befund.Kandidaten) {
        if (k.Art == Art::Verworfen) {
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
        dreieck.Flach = k.Art == Art::Flach;
        dreieck.Zaehlt = !dreieck.Flach;
    }
}

} // namespace intern

} // namespace kalotri
