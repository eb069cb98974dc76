// SPDX-License-Identifier: GPL-3.0-or-later
#include "figur_etiketten.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace kalotri {

namespace {

bool Frei(const Rechteck& r, const std::vector<Rechteck>& belegt) {
    return std::none_of(belegt.begin(), belegt.end(),
                        [&](const Rechteck& b) { return r.Schneidet(b); });
}

// Where labels may go, and from which of their texts on.
struct Regel {
    std::optional<Rechteck> Grenze;
    bool Erlaubt(const Rechteck& r) const { return !Grenze || Grenze->Enthaelt(r); }
    std::size_t Erste(const std::vector<Ausmass>& texte) const {
        return Grenze || texte.empty() ? 0 : texte.size() - 1;
    }
};

// The distance from corner i to the line through the other two.
double HoeheAnEcke(const std::array<Punkt, 3>& p, std::size_t i) {
    const Punkt u = p[(i + 1) % 3] - p[i];
    const Punkt v = p[(i + 2) % 3] - p[i];
    const double basis = Laenge(p[(i + 2) % 3] - p[(i + 1) % 3]);
    return basis > 0 ? std::fabs(u.x * v.y - u.y * v.x) / basis : 0;
}

// Moves r by schritt until it overlaps nothing already placed.
Rechteck Ausweichen(Rechteck r, Punkt schritt, const std::vector<Rechteck>& belegt) {
    for (int i = 0; i < 12 && !Frei(r, belegt); ++i) {
        r.x += schritt.x;
        r.y += schritt.y;
    }
    return r;
}

// The unit vector from corner i into the triangle, halving its angle.
Punkt Winkelhalbierende(const std::array<Punkt, 3>& p, std::size_t i) {
    const Punkt zuJ = Einheit(p[(i + 1) % 3] - p[i]);
    const Punkt zuK = Einheit(p[(i + 2) % 3] - p[i]);
    const Punkt summe = zuJ + zuK;
    if (Laenge(summe) > 1e-12) {
        return Einheit(summe);
    }
    // An angle of 180° drawn as a straight line: only the apex, above the base, has one,
    // and its inside lies below it.
    const Punkt quer{-zuJ.y, zuJ.x};
    return quer.y >= 0 ? quer : -1 * quer;
}

// The unit normal of side i (between the other two corners), pointing away from corner i.
Punkt AussenNormale(const std::array<Punkt, 3>& p, std::size_t i) {
    const Punkt von = p[(i + 1) % 3];
    const Punkt richtung = Einheit(p[(i + 2) % 3] - von);
    Punkt n{-richtung.y, richtung.x};
    if (Skalar(n, p[i] - von) > 0) {
        n = -1 * n;
    }
    return n;
}

// Whether the whole rectangle lies inside the triangle, at least abstand from every side.
bool Innen(const Rechteck& r, const std::array<Punkt, 3>& p, double abstand) {
    for (std::size_t i = 0; i < 3; ++i) {
        const Punkt n = AussenNormale(p, i);
        const Punkt auf = p[(i + 1) % 3];
        for (int e = 0; e < 4; ++e) {
            if (Skalar(r.Ecke(e) - auf, n) > -abstand) {
                return false;
            }
        }
    }
    return true;
}

void FlachEtiketten(Figur& f, const FigurEtiketten& e, const Regel& regel,
                    std::vector<Rechteck>& belegt) {
    const double a = e.Abstand;
    // Corner names above the segment, side labels below; stacked where they meet.
    for (std::size_t i = 0; i < 3; ++i) {
        const Ausmass m = e.Ecken[i];
        const Punkt mitte{f.Ecken[i].x, f.Ecken[i].y - a - m.Hoehe / 2};
        f.EckenEtiketten[i] =
            Ausweichen(Rechteck::UmMitte(mitte, m), {0, -(m.Hoehe + a / 2)}, belegt);
        belegt.push_back(f.EckenEtiketten[i]);
    }
    // The longest side spans the others, so its label goes a row below theirs.
    std::size_t laengste = 0;
    for (std::size_t i = 1; i < 3; ++i) {
        const auto laenge = [&](std::size_t j) {
            return Laenge(f.Ecken[(j + 1) % 3] - f.Ecken[(j + 2) % 3]);
        };
        laengste = laenge(i) > laenge(laengste) ? i : laengste;
    }
    for (const std::size_t i : {(laengste + 1) % 3, (laengste + 2) % 3, laengste}) {
        const Punkt von = f.Ecken[(i + 1) % 3];
        const Punkt bis = f.Ecken[(i + 2) % 3];
        const auto& texte = e.Seiten[i];
        for (std::size_t v = regel.Erste(texte); v < texte.size(); ++v) {
            const Ausmass m = texte[v];
            const double zeile = i == laengste ? m.Hoehe + a / 2 : 0;
            const Punkt mitte{(von.x + bis.x) / 2, von.y + a + m.Hoehe / 2 + zeile};
            const Rechteck r =
                Ausweichen(Rechteck::UmMitte(mitte, m), {0, m.Hoehe + a / 2}, belegt);
            f.SeitenEtiketten[i] = r;
            f.SeitenVariante[i] = static_cast<int>(v);
            if (regel.Erlaubt(r) && Frei(r, belegt)) {
                break;
            }
        }
        belegt.push_back(f.SeitenEtiketten[i]);
    }
}

void SeitenEtikett(Figur& f, const FigurEtiketten& e, std::size_t i, const Regel& regel,
                   std::vector<Rechteck>& belegt) {
    const Punkt von = f.Ecken[(i + 1) % 3];
    const Punkt bis = f.Ecken[(i + 2) % 3];
    const Punkt n = AussenNormale(f.Ecken, i);
    const auto& texte = e.Seiten[i];
    // Along the side first, then further out: the middle is where a reader looks first.
    constexpr double Stellen[] = {0.5, 0.4, 0.6, 0.3, 0.7, 0.2, 0.8};
    for (std::size_t v = regel.Erste(texte); v < texte.size(); ++v) {
        const Ausmass m = texte[v];
        const double weg = e.Abstand + HalbeAusdehnung(m, n);
        f.SeitenVariante[i] = static_cast<int>(v);
        f.SeitenEtiketten[i] = Rechteck::UmMitte(von + 0.5 * (bis - von) + weg * n, m);
        for (int stufe = 0; stufe < 4; ++stufe) {
            for (const double t : Stellen) {
                const Punkt mitte = von + t * (bis - von) + (weg + stufe * m.Hoehe) * n;
                const Rechteck r = Rechteck::UmMitte(mitte, m);
                if (regel.Erlaubt(r) && Frei(r, belegt)) {
                    f.SeitenEtiketten[i] = r;
                    belegt.push_back(r);
                    return;
                }
            }
        }
    }
    belegt.push_back(f.SeitenEtiketten[i]);
}

bool WinkelEtikett(Figur& f, const FigurEtiketten& e, std::size_t i, const Regel& regel,
                   std::vector<Rechteck>& belegt) {
    const std::array<Punkt, 3>& p = f.Ecken;
    const Punkt u = Winkelhalbierende(p, i);
    const double zuJ = Laenge(p[(i + 1) % 3] - p[i]);
    const double zuK = Laenge(p[(i + 2) % 3] - p[i]);
    if (e.Winkel[i].empty()) {
        return false;
    }
    // How much farther from its own corner than from another a label may stand. The full
    // text must sit clearly at its corner; the letter alone may go as far as the nearest
    // other corner, and deep into a narrow corner, past the middle of its sides.
    const std::size_t kurz = e.Winkel[i].size() - 1;
    const std::array<std::pair<std::size_t, double>, 3> Versuche = {
        {{0, 0.8}, {kurz, 1.0}, {kurz, 1.5}}};
    // On the bisector first, else a little to either side where another label sits on it.
    const Punkt quer{-u.y, u.x};
    constexpr double Seitlich[] = {0, 0.5, -0.5, 1, -1};
    constexpr int Schritte = 80;
    for (const auto& versuch : Versuche) {
        // Named copies: a lambda below uses them, which clang 14 refuses for bindings.
        const std::size_t v = versuch.first;
        if (v < regel.Erste(e.Winkel[i])) {
            continue;
        }
        const double grenze = versuch.second;
        const Ausmass m = e.Winkel[i][v];
        for (int s = 1; s <= Schritte; ++s) {
            const Punkt aufHalbierender = p[i] + (std::max(zuJ, zuK) * s / Schritte) * u;
            const auto zuWeit = [&](Punkt q) {
                return Laenge(q - p[i]) >=
                       grenze * std::min(Laenge(q - p[(i + 1) % 3]), Laenge(q - p[(i + 2) % 3]));
            };
            if (zuWeit(aufHalbierender)) {
                break;
            }
            std::optional<Rechteck> frei;
            for (const double o : Seitlich) {
                const Punkt mitte = aufHalbierender + (o * m.Hoehe) * quer;
                const Rechteck r = Rechteck::UmMitte(mitte, m);
                if (!zuWeit(mitte) && Innen(r, p, e.Abstand / 2) && Frei(r, belegt)) {
                    frei = r;
                    break;
                }
            }
            if (frei) {
                const Rechteck r = *frei;
                f.WinkelEtiketten[i] = r;
                f.WinkelVariante[i] = static_cast<int>(v);
                belegt.push_back(r);
                // The arc runs between the corner and its label, short of both sides' ends
                // and of the opposite side, which a very obtuse corner has close by.
                const double radius = std::min({r.Abstand(p[i]) - e.Abstand / 2,
                                                0.3 * std::min(zuJ, zuK), 0.6 * HoeheAnEcke(p, i)});
                f.BogenRadius[i] = radius >= e.Abstand ? radius : 0;
                return true;
            }
        }
    }
    return false;
}

// Where a corner has no room inside, its angle label goes beyond its corner name, on the
// far side of the corner from the triangle, so it still cannot touch a side.
void WinkelAussen(Figur& f, const FigurEtiketten& e, std::size_t i, std::vector<Rechteck>& belegt) {
    const Punkt u = Winkelhalbierende(f.Ecken, i);
    const Ausmass m = e.Winkel[i].back();
    const double start = e.Abstand + HalbeAusdehnung(m, u);
    Rechteck r = Rechteck::UmMitte(f.Ecken[i] - start * u, m);
    for (int stufe = 1; stufe < 40 && !Frei(r, belegt); ++stufe) {
        r = Rechteck::UmMitte(f.Ecken[i] - (start + stufe * e.Abstand) * u, m);
    }
    f.WinkelEtiketten[i] = r;
    f.WinkelVariante[i] = static_cast<int>(e.Winkel[i].size()) - 1;
    f.WinkelAussen[i] = true;
    const double kurz = std::min(Laenge(f.Ecken[(i + 1) % 3] - f.Ecken[i]),
                                 Laenge(f.Ecken[(i + 2) % 3] - f.Ecken[i]));
    const double radius = std::min(0.3 * kurz, 0.6 * HoeheAnEcke(f.Ecken, i));
    f.BogenRadius[i] = radius >= e.Abstand / 2 ? radius : 0;
    belegt.push_back(r);
}

// Angle labels compete for the middle of a flat triangle; the first order of corners in
// which all three fit wins, else the one that fits the most.
void WinkelEtiketten(Figur& f, const FigurEtiketten& e, const Regel& regel,
                     std::vector<Rechteck>& belegt) {
    std::array<std::size_t, 3> reihe = {0, 1, 2};
    Figur beste = f;
    int besteAnzahl = -1;
    do {
        Figur versuch = f;
        std::vector<Rechteck> innen;
        int anzahl = 0;
        for (const std::size_t i : reihe) {
            anzahl += WinkelEtikett(versuch, e, i, regel, innen) ? 1 : 0;
        }
        if (anzahl > besteAnzahl) {
            beste = versuch;
            besteAnzahl = anzahl;
        }
    } while (besteAnzahl < 3 && std::next_permutation(reihe.begin(), reihe.end()));
    f = beste;
    for (std::size_t i = 0; i < 3; ++i) {
        if (!f.WinkelEtiketten[i] && !e.Winkel[i].empty()) {
            WinkelAussen(f, e, i, belegt);
        }
    }
}

} // namespace

void SetzeEtiketten(Figur& f, const FigurEtiketten& e, const std::optional<Rechteck>& grenze) {
    const Regel regel{grenze};
    f.WinkelEtiketten = {};
    f.WinkelVariante = {};
    f.SeitenVariante = {};
    f.BogenRadius = {};
    f.WinkelAussen = {};
    std::vector<Rechteck> belegt;
    if (f.Flach) {
        FlachEtiketten(f, e, regel, belegt);
        return;
    }
    // Labels outside the triangle cannot meet those inside, so each group checks its own.
    for (std::size_t i = 0; i < 3; ++i) {
        const Punkt u = Winkelhalbierende(f.Ecken, i);
        const Ausmass m = e.Ecken[i];
        f.EckenEtiketten[i] =
            Rechteck::UmMitte(f.Ecken[i] - (e.Abstand + HalbeAusdehnung(m, u)) * u, m);
        belegt.push_back(f.EckenEtiketten[i]);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        SeitenEtikett(f, e, i, regel, belegt);
    }
    WinkelEtiketten(f, e, regel, belegt);
}

} // namespace kalotri
