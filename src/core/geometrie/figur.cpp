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

using L = long double;

std::size_t Laengste(const Groessen& g) {
    const auto& s = g.Seiten;
    const L laengste = std::max({s[0], s[1], s[2]});
    if (s[2] >= laengste) {
        return 2;
    }
    return s[0] >= s[1] ? 0 : 1;
}

std::size_t Basis(const Groessen& g, const std::optional<Figurlage>& lage) {
    return lage && g.Seiten[lage->Basis] > 0 ? lage->Basis : Laengste(g);
}

// The corners with the base as the unit, in page orientation (y downwards): the base from
// (0, 0) to (1, 0), the third corner above it (or below, as `lage` says) at the height the
// area gives.
std::array<Punkt, 3> Form(const Groessen& g, const std::optional<Figurlage>& lage) {
    const std::size_t k = Basis(g, lage);
    const L basis = g.Seiten[k];
    // Going from the left base corner to the right one and on to the apex keeps the
    // corners in their usual turning order.
    const std::size_t links =
        lage && lage->Basis == k && lage->Links != k ? lage->Links : (k + 1) % 3;
    const std::size_t rechts = 3 - k - links;
    const L zuLinks = g.Seiten[rechts] / basis;
    const L zuRechts = g.Seiten[links] / basis;
    const L x = ((zuLinks - zuRechts) * (zuLinks + zuRechts) + 1) / 2;
    const L y = g.Flach ? 0 : 2 * (g.Flaeche / basis) / basis;
    // Over the longest side no corner stands higher than about 0.87; over another, a
    // sliver's apex may stand high, but not beyond what a page can hold.
    const double hoehe = static_cast<double>(std::clamp<L>(y, 0, lage ? 50 : 1));
    std::array<Punkt, 3> p;
    p[links] = {0, 0};
    p[rechts] = {1, 0};
    p[k] = {static_cast<double>(x), lage && !lage->Oben ? hoehe : -hoehe};
    return p;
}

Rechteck Huelle(const std::array<Punkt, 3>& p) {
    const double x0 = std::min({p[0].x, p[1].x, p[2].x});
    const double y0 = std::min({p[0].y, p[1].y, p[2].y});
    const double x1 = std::max({p[0].x, p[1].x, p[2].x});
    const double y1 = std::max({p[0].y, p[1].y, p[2].y});
    return {x0, y0, x1 - x0, y1 - y0};
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

// The corners at `proEinheit` page units per longest side, their hull centred across the
// frame and far enough below its top for the name of the upper corner.
void Lege(Figur& f, const std::array<Punkt, 3>& form, double proEinheit, const Rechteck& rahmen,
          const FigurEtiketten& e) {
    for (std::size_t i = 0; i < 3; ++i) {
        f.Ecken[i] = proEinheit * form[i];
    }
    const Rechteck h = Huelle(f.Ecken);
    double oben = 0;
    for (const Ausmass& m : e.Ecken) {
        oben = std::max(oben, m.Hoehe);
    }
    Verschiebe(f, {rahmen.Mitte().x - h.Mitte().x, rahmen.y + oben + e.Abstand - h.y});
}

} // namespace

bool Zeichenbar(const Groessen& g) {
    const auto& s = g.Seiten;
    for (const L x : s) {
        if (!std::isfinite(x) || x < 0) {
            return false;
        }
    }
    return std::max({s[0], s[1], s[2]}) > 0 && std::isfinite(g.Flaeche) && g.Flaeche >= 0;
}

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

long double PassenderMassstab(const Groessen& g, const Rechteck& rahmen, const FigurEtiketten& e,
                              const std::optional<Figurlage>& lage) {
    const std::array<Punkt, 3> form = Form(g, lage);
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
    const double kleinste = rahmen.Breite * 1e-3;
    double massstab = std::max(passend(0, 0) * 0.7, kleinste);
    double besterPassender = 0;
    Figur f;
    f.Flach = g.Flach;
    for (int runde = 0; runde < 12; ++runde) {
        Lege(f, form, massstab, rahmen, e);
        SetzeEtiketten(f, e, std::nullopt);
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
        massstab = std::max(massstab, kleinste);
    }
    const double pro = besterPassender > 0 ? besterPassender : massstab;
    return pro / g.Seiten[Basis(g, lage)];
}

Figur LegeFigur(const Groessen& g, const Rechteck& rahmen, const FigurEtiketten& e,
                long double massstab, const std::optional<Figurlage>& lage) {
    Figur f;
    f.Flach = g.Flach;
    f.Massstab = massstab;
    const L proEinheit = massstab * g.Seiten[Basis(g, lage)];
    Lege(f, Form(g, lage), static_cast<double>(std::min<L>(proEinheit, 1e6L * rahmen.Breite)),
         rahmen, e);
    // Centred as it would be with the shortest texts, which the scale was chosen for; then
    // every longer text that stays within the frame's width replaces its letter. Below
    // the frame the column grows as needed.
    SetzeEtiketten(f, e, std::nullopt);
    const Rechteck kurz = Umriss(f);
    Verschiebe(f, {rahmen.Mitte().x - kurz.Mitte().x, rahmen.y - kurz.y});
    constexpr double Weit = 1e12;
    SetzeEtiketten(f, e, Rechteck{rahmen.x, rahmen.y - Weit, rahmen.Breite, 2 * Weit});
    Verschiebe(f, {0, rahmen.y - Umriss(f).y});
    return f;
}

} // namespace kalotri
