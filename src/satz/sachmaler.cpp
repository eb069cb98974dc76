// SPDX-License-Identifier: GPL-3.0-or-later
#include "sachmaler.h"

#include "skizze.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalotri::blatt {

namespace {

const QColor Gegeben(31, 61, 122);
const QColor Gesucht(190, 60, 40);
const QColor Hilfe(110, 110, 110);

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QPointF Einheit(QPointF v) {
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF(0, -1);
}

// The rectangle of a text whose nearest edge lies `abstand` from punkt in direction richtung.
QRectF Neben(const QFontMetricsF& fm, const std::string& text, QPointF punkt, QPointF richtung,
             double abstand) {
    const double b = fm.horizontalAdvance(Q(text)), h = fm.height();
    const QPointF d = Einheit(richtung);
    const double halb = std::abs(d.x()) * b / 2 + std::abs(d.y()) * h / 2;
    const QPointF mitte = punkt + d * (abstand + halb);
    return {mitte.x() - b / 2, mitte.y() - h / 2, b, h};
}

double Richtung(QPointF von, QPointF nach) {
    return std::atan2(-(nach.y() - von.y()), nach.x() - von.x()) * 180 / std::numbers::pi;
}

void Pfeilspitze(QPainter& p, QPointF von, QPointF bis, double laenge) {
    const QPointF d = Einheit(bis - von);
    const QPointF n(-d.y(), d.x());
    QPainterPath spitze;
    spitze.moveTo(bis);
    spitze.lineTo(bis - d * laenge + n * laenge * 0.4);
    spitze.lineTo(bis - d * laenge - n * laenge * 0.4);
    spitze.closeSubpath();
    p.fillPath(spitze, p.pen().color());
}

// The unit normal towards a line's label: the side it asks for, or away from the middle.
QPointF Seitlich(const Skizzenlinie& l, QPointF a, QPointF b, QPointF mitte) {
    // Left of a→b on a page whose y runs down.
    QPointF n = Einheit(QPointF((b - a).y(), -(b - a).x()));
    if (l.Seite < 0 || (l.Seite == 0 && QPointF::dotProduct(n, (a + b) / 2 - mitte) < 0)) {
        n = -n;
    }
    return n;
}

} // namespace

std::function<QPointF(double, double)> Abbildung(const Sachskizze& s, const QRectF& flaeche) {
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    for (std::size_t i = 0; i < s.Punkte.size(); ++i) {
        const Skizzenpunkt& q = s.Punkte[i];
        x0 = i == 0 ? q.X : std::min(x0, q.X), x1 = i == 0 ? q.X : std::max(x1, q.X);
        y0 = i == 0 ? q.Y : std::min(y0, q.Y), y1 = i == 0 ? q.Y : std::max(y1, q.Y);
    }
    // One scale across and up: an angle drawn is the angle the situation has.
    const double sx = x1 > x0 ? flaeche.width() / (x1 - x0) : 1e300;
    const double sy = y1 > y0 ? flaeche.height() / (y1 - y0) : 1e300;
    const double m = std::min(sx, sy) < 1e300 ? std::min(sx, sy) : 1;
    const QPointF mitte = flaeche.center();
    const double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
    return [=](double x, double y) { return mitte + QPointF((x - mx) * m, -(y - my) * m); };
}

std::vector<QPointF> SkizzenOrte(const Sachskizze& s, const QRectF& flaeche) {
    const auto abb = Abbildung(s, flaeche);
    std::vector<QPointF> orte;
    for (const Skizzenpunkt& q : s.Punkte) {
        orte.push_back(abb(q.X, q.Y));
    }
    return orte;
}

void MaleSachskizze(QPainter& p, const Sachskizze& s, const QRectF& rahmen, double proMm,
                    const QFont& schrift) {
    if (s.Punkte.empty()) {
        return;
    }
    p.save();
    p.setFont(schrift);
    const QFontMetricsF fm(schrift, p.device());
    const double mm = proMm;
    // Room around the shape for the names and labels, and the caption below.
    const QRectF flaeche = rahmen.adjusted(9 * mm, 5 * mm, -9 * mm, -fm.lineSpacing() - 9 * mm);
    const std::vector<QPointF> orte = SkizzenOrte(s, flaeche);
    const auto ort = [&](std::size_t i) { return orte[i]; };
    // Labels go away from the middle of the named points.
    QPointF mitte(0, 0);
    int benannt = 0;
    for (std::size_t i = 0; i < s.Punkte.size(); ++i) {
        if (!s.Punkte[i].Name.empty()) {
            mitte += ort(i);
            ++benannt;
        }
    }
    mitte = benannt > 0 ? mitte / benannt : flaeche.center();

    for (const Skizzenlinie& l : s.Linien) {
        QPen stift(Hilfe, 0.25 * mm, Qt::DashLine, Qt::RoundCap);
        switch (l.Art) {
        case Linienart::Gegeben:
            stift = QPen(Gegeben, 0.6 * mm, Qt::SolidLine, Qt::RoundCap);
            break;
        case Linienart::Gesucht:
            stift = QPen(Gesucht, 0.6 * mm, Qt::SolidLine, Qt::RoundCap);
            break;
        case Linienart::Gelaende:
            stift = QPen(Qt::black, 0.3 * mm, Qt::SolidLine, Qt::RoundCap);
            break;
        case Linienart::Hilfe:
            break;
        }
        p.setPen(stift);
        QPointF a = ort(l.Von), b = ort(l.Bis);
        if (l.Versatz != 0) {
            // A dimension line beside the points, with marks at its ends.
            const QPointF n = Seitlich(l, a, b, mitte);
            a += n * l.Versatz * mm;
            b += n * l.Versatz * mm;
            p.drawLine(a - n * mm, a + n * mm);
            p.drawLine(b - n * mm, b + n * mm);
        }
        if (l.Pfeil) {
            const double spitze = 2.2 * mm;
            p.drawLine(a, b - Einheit(b - a) * spitze * 0.8);
            Pfeilspitze(p, a, b, spitze);
        } else {
            p.drawLine(a, b);
        }
    }

    // Angles: arcs at their vertex, each further one at the same vertex a little wider.
    std::vector<int> amScheitel(s.Punkte.size(), 0);
    for (const Skizzenwinkel& w : s.Winkel) {
        const QPointF o = ort(w.Scheitel);
        const QPointF u = Einheit(ort(w.Von) - o), v = Einheit(ort(w.Bis) - o);
        p.setPen(QPen(w.Rechter ? Qt::black : Gegeben, 0.3 * mm));
        if (w.Rechter) {
            const double k = 2.2 * mm;
            p.drawPolyline(QPolygonF({o + u * k, o + (u + v) * k, o + v * k}));
            p.drawPoint(o + (u + v) * (k / 2));
            continue;
        }
        const double r = (5 + 6 * amScheitel[w.Scheitel]++) * mm;
        const double von = Richtung(o, o + u);
        double spanne = Richtung(o, o + v) - von;
        spanne -= 360 * std::round(spanne / 360);
        p.drawArc(QRectF(o.x() - r, o.y() - r, 2 * r, 2 * r),
                  static_cast<int>(std::lround(von * 16)),
                  static_cast<int>(std::lround(spanne * 16)));
        if (!w.Beschriftung.empty()) {
            // Beyond the arc, between the rays where the situation wants it.
            const QPointF halb = Einheit(u * (1 - w.Lage) + v * w.Lage);
            p.setPen(Qt::black);
            p.drawText(Neben(fm, w.Beschriftung, o, halb, r + 0.8 * mm), Qt::AlignCenter,
                       Q(w.Beschriftung));
        }
    }

    p.setPen(Qt::black);
    for (const Skizzenlinie& l : s.Linien) {
        if (l.Beschriftung.empty()) {
            continue;
        }
        const QPointF a = ort(l.Von), b = ort(l.Bis);
        const QPointF n = Seitlich(l, a, b, mitte);
        const QPointF m = a + (b - a) * l.Lage + n * l.Versatz * mm;
        p.drawText(Neben(fm, l.Beschriftung, m, n, 1.2 * mm), Qt::AlignCenter, Q(l.Beschriftung));
    }
    QFont fett = schrift;
    fett.setBold(true);
    p.setFont(fett);
    const QFontMetricsF fmFett(fett, p.device());
    for (std::size_t i = 0; i < s.Punkte.size(); ++i) {
        const Skizzenpunkt& q = s.Punkte[i];
        if (q.Name.empty()) {
            continue;
        }
        const QPointF weg =
            q.NameX != 0 || q.NameY != 0 ? QPointF(q.NameX, -q.NameY) : ort(i) - mitte;
        p.drawText(Neben(fmFett, q.Name, ort(i), weg, 1.2 * mm), Qt::AlignCenter, Q(q.Name));
    }
    QFont kursiv = schrift;
    kursiv.setItalic(true);
    p.setFont(kursiv);
    for (const Skizzentext& t : s.Texte) {
        const QPointF o = Abbildung(s, flaeche)(t.X, t.Y);
        const double b = fm.horizontalAdvance(Q(t.Text));
        p.drawText(QRectF(o.x() - b / 2 - mm, o.y() - fm.height() / 2, b + 2 * mm, fm.height()),
                   Qt::AlignCenter, Q(t.Text));
    }
    p.drawText(
        QRectF(rahmen.left(), rahmen.bottom() - fm.lineSpacing(), rahmen.width(), fm.lineSpacing()),
        Qt::AlignHCenter | Qt::AlignVCenter, Q(s.Unterschrift));
    p.restore();
}

QImage SachskizzenBild(const Sachskizze& skizze, double pixelProMm) {
    return Skizzenbild(SachskizzeBreiteMm, SachskizzeHoeheMm, pixelProMm,
                       [&](QPainter& p, const QRectF& rahmen, const QFont& schrift) {
                           MaleSachskizze(p, skizze, rahmen, pixelProMm, schrift);
                       });
}

} // namespace kalotri::blatt
