// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cmath>

namespace kalotri {

// Plane geometry for the figures, in page units: x grows to the right, y downwards.
struct Punkt {
    double x = 0;
    double y = 0;
};

inline Punkt operator+(Punkt p, Punkt q) {
    return {p.x + q.x, p.y + q.y};
}
inline Punkt operator-(Punkt p, Punkt q) {
    return {p.x - q.x, p.y - q.y};
}
inline Punkt operator*(double f, Punkt p) {
    return {f * p.x, f * p.y};
}
inline double Skalar(Punkt p, Punkt q) {
    return p.x * q.x + p.y * q.y;
}
inline double Laenge(Punkt p) {
    return std::hypot(p.x, p.y);
}
inline Punkt Einheit(Punkt p) {
    const double l = Laenge(p);
    return l > 0 ? (1 / l) * p : Punkt{0, 0};
}

struct Ausmass {
    double Breite = 0;
    double Hoehe = 0;
};

struct Rechteck {
    double x = 0;
    double y = 0;
    double Breite = 0;
    double Hoehe = 0;

    static Rechteck UmMitte(Punkt mitte, Ausmass a) {
        return {mitte.x - a.Breite / 2, mitte.y - a.Hoehe / 2, a.Breite, a.Hoehe};
    }
    Punkt Mitte() const { return {x + Breite / 2, y + Hoehe / 2}; }
    double Rechts() const { return x + Breite; }
    double Unten() const { return y + Hoehe; }
    bool Schneidet(const Rechteck& r) const {
        return x < r.Rechts() && r.x < Rechts() && y < r.Unten() && r.y < Unten();
    }
    bool Enthaelt(const Rechteck& r) const {
        return r.x >= x && r.y >= y && r.Rechts() <= Rechts() && r.Unten() <= Unten();
    }
    // Distance from p to the nearest point of the rectangle (0 inside).
    double Abstand(Punkt p) const {
        const double dx = std::max({x - p.x, 0.0, p.x - Rechts()});
        const double dy = std::max({y - p.y, 0.0, p.y - Unten()});
        return std::hypot(dx, dy);
    }
    Punkt Ecke(int i) const { return {i % 2 == 0 ? x : Rechts(), i < 2 ? y : Unten()}; }
};

// Half the extent of a box of this size along the unit direction n.
inline double HalbeAusdehnung(Ausmass a, Punkt n) {
    return (a.Breite * std::fabs(n.x) + a.Hoehe * std::fabs(n.y)) / 2;
}

// The smallest rectangle holding both.
inline Rechteck Vereinigung(const Rechteck& r, const Rechteck& s) {
    const double x = std::min(r.x, s.x);
    const double y = std::min(r.y, s.y);
    return {x, y, std::max(r.Rechts(), s.Rechts()) - x, std::max(r.Unten(), s.Unten()) - y};
}

} // namespace kalotri
