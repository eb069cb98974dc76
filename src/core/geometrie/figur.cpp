// SPDX-License-Identifier: GPL-3.0-or-later
#include "figur.h"

#include "figur_etiketten.h"
#include "winkel.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace kalotri {

namespace {

// The corners at scale 1 in page orientation (y downwards): the base from (0, 0) to the
// right, the third corner above it.
std::array<Punkt, 3> Form(const Dreieck& d, bool flach) {
    const auto& s = d.Seiten;
    const long double laengste = std::max({s[0], s[1], s[2]});
    std::size_t k = 2;
    if (s[2] < laengste) {
        k = s[0] >= s[1] ? 0 : 1;
    }
    // Going from the left base corner to the right one and on to the apex keeps the
    // corners in their usual turning order.
    const std::size_t links = (k + 1) % 3;
    const std::size_t rechts = (k + 2) % 3;
    const long double w = d.Winkel[links] * EinGrad;
    std::array<Punkt, 3> p;
    p[links] = {0, 0};
    p[rechts] = {static_cast<double>(s[k]), 0};
    p[k] = {static_cast<double>(s[rechts] * std::cos(w)),
            flach ? 0.0 : -static_cast<double>(s[rechts] * std::sin(w))};
    return p;
}

Rechteck Huelle(const std::array<Punkt, 3>& p) {
    const double x0 = std::min({p[0].x, p[1].x, p[2].x});
    const double y0 = std::min({p[0].y, p[1].y, p[2].y});
    const double x1 = std::max({p[0].x, p[1].x, p[2].x});
    const double y1 = std::max({p[0].y, p[1].y, p[2].y});
    return {x0, y0, x1 - x0, y1 - y0};
}

void Lege(Figur& f, const std::array<Punkt, 3>& form, double massstab, const FigurEtiketten& e) {
    f.Massstab = massstab;
    for (std::size_t i = 0; i < 3; ++i) {
        f.Ecken[i] = massstab * form[i];
    }
    SetzeEtiketten(f, e);
}

void Verschiebe(Figur& f, Punkt um) {
    const auto schiebe = [&](Rechteck& r) {
        r.x += um.x;
        r.y += um.y;
    };
    for (std::size_t i = 0; i < 3; ++i) {
        f.Ecken[i] = f.Ecken[i] + um;
        schiebe(f.EckenEtiketten[i]);
        schiebe(f.SeitenEtiketten[i]);
        if (f.WinkelEtiketten[i]) {
            schiebe(*f.WinkelEtiketten[i]);
        }
    }
}

} // namespace

Rechteck Umriss(const Figur& f) {
    Rechteck u = Huelle(f.Ecken);
    for (std::size_t i = 0; i < 3; ++i) {
        u = Vereinigung(u, f.EckenEtiketten[i]);
        u = Vereinigung(u, f.SeitenEtiketten[i]);
        if (f.WinkelEtiketten[i]) {
            u = Vereinigung(u, *f.WinkelEtiketten[i]);
        }
    }
    return u;
}

Figur LegeFigur(const Dreieck& dreieck, const Rechteck& rahmen, const FigurEtiketten& e,
                bool obenBuendig) {
    Figur f;
    f.Flach = IstFlach(dreieck);
    const std::array<Punkt, 3> form = Form(dreieck, f.Flach);
    const Rechteck huelle = Huelle(form);

    // The labels keep their size whatever the scale, so the scale that fits is found by
    // a few rounds: the labels' overhang of one round sets the room for the next.
    constexpr double Unendlich = std::numeric_limits<double>::infinity();
    const auto passend = [&](double ueberBreite, double ueberHoehe) {
        const double mb =
            huelle.Breite > 0 ? (rahmen.Breite - ueberBreite) / huelle.Breite : Unendlich;
        const double mh = huelle.Hoehe > 0 ? (rahmen.Hoehe - ueberHoehe) / huelle.Hoehe : Unendlich;
        const double m = std::min(mb, mh);
        return std::isfinite(m) ? m : 1.0;
    };
    double massstab = std::max(passend(0, 0) * 0.7, 1e-9);
    double besterPassender = 0;
    for (int runde = 0; runde < 12; ++runde) {
        Lege(f, form, massstab, e);
        const Rechteck u = Umriss(f);
        const bool passt = u.Breite <= rahmen.Breite + 1e-9 && u.Hoehe <= rahmen.Hoehe + 1e-9;
        const double ziel =
            passend(u.Breite - huelle.Breite * massstab, u.Hoehe - huelle.Hoehe * massstab);
        if (passt) {
            besterPassender = std::max(besterPassender, massstab);
            if (ziel <= massstab * 1.01) {
                break;
            }
        }
        massstab = passt ? ziel : std::min(ziel, massstab * 0.95);
        massstab = std::max(massstab, 1e-9);
    }
    if (besterPassender > 0 && besterPassender != f.Massstab) {
        Lege(f, form, besterPassender, e);
    }

    const Rechteck u = Umriss(f);
    Punkt um = rahmen.Mitte() - u.Mitte();
    if (obenBuendig) {
        um.y = rahmen.y - u.y;
    }
    Verschiebe(f, um);
    return f;
}

} // namespace kalotri
