// SPDX-License-Identifier: GPL-3.0-or-later
#include "sachmaler.h"

#include "sachetiketten.h"
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

double Richtung(QPointF von, QPointF nach) {
    return std::atan2(-(nach.y() - von.y()), nach.x() - von.x()) * 180 / std::numbers::pi;
}

void Pfeilspitze(QPainter& p, QPointF von, QPointF bis, double laenge) {
    const QPointF d = Einheitsvektor(bis - von);
    const QPointF n(-d.y(), d.x());
    QPainterPath spitze;
    spitze.moveTo(bis);
    spitze.lineTo(bis - d * laenge + n * laenge * 0.4);
    spitze.lineTo(bis - d * laenge - n * laenge * 0.4);
    spitze.closeSubpath();
    p.fillPath(spitze, p.pen().color());
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
    const double mm = proMm;
    const SachLage lage = LegeSachskizze(s, rahmen, proMm, schrift, p.device());
    const auto ort = [&](std::size_t i) { return lage.Orte[i]; };
    const QPointF mitte = lage.Mitte;

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
            p.drawLine(a, b - Einheitsvektor(b - a) * spitze * 0.8);
            Pfeilspitze(p, a, b, spitze);
        } else {
            p.drawLine(a, b);
        }
    }

    // Angles: arcs at their vertex, each further one at the same vertex a little wider.
    std::vector<int> amScheitel(s.Punkte.size(), 0);
    for (const Skizzenwinkel& w : s.Winkel) {
        const QPointF o = ort(w.Scheitel);
        const QPointF u = Einheitsvektor(ort(w.Von) - o), v = Einheitsvektor(ort(w.Bis) - o);
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
    }

    // Every label where the placing found room for it.
    QFont fett = schrift, kursiv = schrift;
    fett.setBold(true);
    kursiv.setItalic(true);
    p.setPen(Qt::black);
    for (const SachEtikett& e : lage.Etiketten) {
        p.setFont(e.Art == Etikettart::Name ? fett : e.Art == Etikettart::Text ? kursiv : schrift);
        p.drawText(e.Kasten, Qt::AlignCenter, Q(e.Text));
    }
    p.setFont(schrift);
    const QFontMetricsF fm(schrift, p.device());
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
