// SPDX-License-Identifier: GPL-3.0-or-later
#include "skizzensvg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kalotri::web {

namespace {

constexpr double Breite = 70, Hoehe = 50, Schrift = 3.4, Zeile = 1.25 * Schrift;

struct P {
    double x = 0, y = 0;
};
P operator+(P a, P b) {
    return {a.x + b.x, a.y + b.y};
}
P operator-(P a, P b) {
    return {a.x - b.x, a.y - b.y};
}
P operator*(P a, double k) {
    return {a.x * k, a.y * k};
}

P Einheit(P v) {
    const double l = std::hypot(v.x, v.y);
    return l > 0 ? v * (1 / l) : P{0, -1};
}

std::string Z(double x) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.2f", x);
    return puffer;
}

std::string Xml(const std::string& text) {
    std::string aus;
    for (const char z : text) {
        aus += z == '&' ? "&amp;" : z == '<' ? "&lt;" : z == '>' ? "&gt;" : std::string(1, z);
    }
    return aus;
}

// Characters, not bytes: the width estimate counts "α" once.
double Textbreite(const std::string& text) {
    const auto zeichen = std::count_if(text.begin(), text.end(), [](char z) {
        return (static_cast<unsigned char>(z) & 0xC0U) != 0x80U;
    });
    return 0.58 * Schrift * static_cast<double>(zeichen);
}

// The middle of a text whose nearest edge lies `abstand` from punkt in direction richtung.
P Neben(const std::string& text, P punkt, P richtung, double abstand) {
    const P d = Einheit(richtung);
    const double halb = std::abs(d.x) * Textbreite(text) / 2 + std::abs(d.y) * Schrift / 2;
    return punkt + d * (abstand + halb);
}

std::string Text(P o, const std::string& text, const char* art = "") {
    return "<text x=\"" + Z(o.x) + "\" y=\"" + Z(o.y) + "\"" + art + ">" + Xml(text) + "</text>";
}

std::string Strich(P a, P b, const char* stil) {
    return "<line x1=\"" + Z(a.x) + "\" y1=\"" + Z(a.y) + "\" x2=\"" + Z(b.x) + "\" y2=\"" +
           Z(b.y) + "\" " + stil + "/>";
}

const char* Stil(Linienart art) {
    switch (art) {
    case Linienart::Gegeben:
        return R"(stroke="#1f3d7a" stroke-width="0.6")";
    case Linienart::Gesucht:
        return R"(stroke="#be3c28" stroke-width="0.6")";
    case Linienart::Gelaende:
        return R"(stroke="#000" stroke-width="0.3")";
    case Linienart::Hilfe:
        break;
    }
    return R"(stroke="#6e6e6e" stroke-width="0.25" stroke-dasharray="1.2 0.9")";
}

} // namespace

std::string SkizzenSvg(const Sachskizze& s) {
    if (s.Punkte.empty()) {
        return {};
    }
    const double links = 9, oben = 5, rechts = Breite - 9, unten = Hoehe - Zeile - 9;
    double x0 = s.Punkte[0].X, x1 = x0, y0 = s.Punkte[0].Y, y1 = y0;
    for (const Skizzenpunkt& q : s.Punkte) {
        x0 = std::min(x0, q.X), x1 = std::max(x1, q.X);
        y0 = std::min(y0, q.Y), y1 = std::max(y1, q.Y);
    }
    // One scale across and up, as on the sheet: an angle drawn is the angle the situation has.
    const double sx = x1 > x0 ? (rechts - links) / (x1 - x0) : 1e300;
    const double sy = y1 > y0 ? (unten - oben) / (y1 - y0) : 1e300;
    const double m = std::min(sx, sy) < 1e300 ? std::min(sx, sy) : 1;
    const auto lage = [&](double x, double y) {
        return P{(links + rechts) / 2 + (x - (x0 + x1) / 2) * m,
                 (oben + unten) / 2 - (y - (y0 + y1) / 2) * m};
    };
    const auto ort = [&](std::size_t i) { return lage(s.Punkte[i].X, s.Punkte[i].Y); };
    P mitte{(links + rechts) / 2, (oben + unten) / 2};
    P summe;
    int benannt = 0;
    for (std::size_t i = 0; i < s.Punkte.size(); ++i) {
        if (!s.Punkte[i].Name.empty()) {
            summe = summe + ort(i);
            ++benannt;
        }
    }
    mitte = benannt > 0 ? summe * (1.0 / benannt) : mitte;
    // The side of a line its label goes to: the one asked for, or away from the middle.
    const auto seitlich = [&](const Skizzenlinie& l, P a, P b) {
        P n = Einheit(P{(b - a).y, -(b - a).x});
        const P m = (a + b) * 0.5 - mitte;
        if (l.Seite < 0 || (l.Seite == 0 && n.x * m.x + n.y * m.y < 0)) {
            n = n * -1;
        }
        return n;
    };

    std::string svg =
        R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="-8 0 86 50" )"
        R"(width="860" height="500" font-family="Liberation Sans, Arial, sans-serif" )"
        R"(font-size="3.4" text-anchor="middle" dominant-baseline="central" )"
        R"(stroke-linecap="round" fill="none">)"
        R"(<rect x="-8" width="86" height="50" fill="#fff"/><g fill="#000">)";
    for (const Skizzenlinie& l : s.Linien) {
        P a = ort(l.Von), b = ort(l.Bis);
        if (l.Versatz != 0) {
            const P n = seitlich(l, a, b);
            a = a + n * l.Versatz, b = b + n * l.Versatz;
            svg += Strich(a - n, a + n, Stil(l.Art)) + Strich(b - n, b + n, Stil(l.Art));
        }
        if (l.Pfeil) {
            const P d = Einheit(b - a), q{-d.y, d.x};
            svg += Strich(a, b - d * 1.8, Stil(l.Art));
            const P s1 = b - d * 2.2 + q * 0.9, s2 = b - d * 2.2 - q * 0.9;
            svg += "<path d=\"M" + Z(b.x) + " " + Z(b.y) + "L" + Z(s1.x) + " " + Z(s1.y) + "L" +
                   Z(s2.x) + " " + Z(s2.y) + "Z\"/>";
        } else {
            svg += Strich(a, b, Stil(l.Art));
        }
    }
    std::vector<int> amScheitel(s.Punkte.size(), 0);
    for (const Skizzenwinkel& w : s.Winkel) {
        const P o = ort(w.Scheitel);
        const P u = Einheit(ort(w.Von) - o), v = Einheit(ort(w.Bis) - o);
        if (w.Rechter) {
            const double k = 2.2;
            const P p1 = o + u * k, p2 = o + (u + v) * k, p3 = o + v * k,
                    punkt = o + (u + v) * (k / 2);
            svg += "<path d=\"M" + Z(p1.x) + " " + Z(p1.y) + "L" + Z(p2.x) + " " + Z(p2.y) + "L" +
                   Z(p3.x) + " " + Z(p3.y) + R"(" stroke="#000" stroke-width="0.3" fill="none"/>)";
            svg += "<circle cx=\"" + Z(punkt.x) + "\" cy=\"" + Z(punkt.y) + "\" r=\"0.3\"/>";
            continue;
        }
        const double r = 5 + 6 * amScheitel[w.Scheitel]++;
        const P a = o + u * r, b = o + v * r;
        // The shorter way round: clockwise on the page where v lies clockwise of u.
        const bool uhrzeiger = u.x * v.y - u.y * v.x > 0;
        svg += "<path d=\"M" + Z(a.x) + " " + Z(a.y) + "A" + Z(r) + " " + Z(r) + " 0 0 " +
               (uhrzeiger ? "1 " : "0 ") + Z(b.x) + " " + Z(b.y) +
               R"(" stroke="#1f3d7a" stroke-width="0.3" fill="none"/>)";
        if (!w.Beschriftung.empty()) {
            const P halb = Einheit(u * (1 - w.Lage) + v * w.Lage);
            svg += Text(Neben(w.Beschriftung, o, halb, r + 0.8), w.Beschriftung);
        }
    }
    for (const Skizzenlinie& l : s.Linien) {
        if (!l.Beschriftung.empty()) {
            const P a = ort(l.Von), b = ort(l.Bis), n = seitlich(l, a, b);
            const P m = a + (b - a) * l.Lage + n * l.Versatz;
            svg += Text(Neben(l.Beschriftung, m, n, 1.2), l.Beschriftung);
        }
    }
    for (std::size_t i = 0; i < s.Punkte.size(); ++i) {
        const Skizzenpunkt& q = s.Punkte[i];
        if (!q.Name.empty()) {
            const P weg = q.NameX != 0 || q.NameY != 0 ? P{q.NameX, -q.NameY} : ort(i) - mitte;
            svg += Text(Neben(q.Name, ort(i), weg, 1.2), q.Name, R"( font-weight="bold")");
        }
    }
    for (const Skizzentext& t : s.Texte) {
        svg += Text(lage(t.X, t.Y), t.Text, R"( font-style="italic")");
    }
    svg += Text(P{Breite / 2, Hoehe - Zeile / 2}, s.Unterschrift);
    return svg + "</g></svg>";
}

std::string SkizzenText(const Sachskizze& s) {
    std::string text = s.Unterschrift + ": Punkte";
    const char* trenner = " ";
    for (const Skizzenpunkt& q : s.Punkte) {
        if (!q.Name.empty()) {
            text += trenner + q.Name;
            trenner = ", ";
        }
    }
    trenner = "; beschriftet ";
    for (const Skizzenlinie& l : s.Linien) {
        if (!l.Beschriftung.empty()) {
            text += trenner + l.Beschriftung;
            trenner = ", ";
        }
    }
    for (const Skizzenwinkel& w : s.Winkel) {
        if (!w.Beschriftung.empty()) {
            text += trenner + w.Beschriftung;
            trenner = ", ";
        }
    }
    return text + ".";
}

} // namespace kalotri::web
