// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurmaler.h"

#include "figur.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace kalotri::blatt {

namespace {

constexpr double RahmenEinzeln = 55; // mm, one triangle
constexpr double RahmenPaar = 45;    // mm each, two triangles
const QColor Linie(31, 61, 122);
const QColor Flaeche(233, 240, 251);

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Beschriftung(const BlattAufgabe& a, std::size_t i) {
    std::string text;
    if (a.Figuren.size() > 1) {
        text = std::to_string(i + 1) + ". Lösung";
    }
    if (IstFlach(a.Figuren[i].Form)) {
        text = text.empty() ? "Flaches Dreieck, als Strecke gezeichnet"
                            : text + ": flaches Dreieck, als Strecke gezeichnet";
    }
    return text;
}

double RahmenHoehe(const BlattAufgabe& a, const Zeichenflaeche& z) {
    return z.Mm(a.Figuren.size() > 1 ? RahmenPaar : RahmenEinzeln);
}

Ausmass Groesse(const QFontMetricsF& fm, const std::string& text, const Zeichenflaeche& z) {
    return {fm.horizontalAdvance(Q(text)) + z.Mm(0.6), fm.height()};
}

QRectF Q(const Rechteck& r) {
    return {r.x, r.y, r.Breite, r.Hoehe};
}

// The arc from one side to the other, Qt counting degrees anticlockwise from 3 o'clock.
void MaleBogen(QPainter& p, const Figur& f, std::size_t i) {
    const Punkt ecke = f.Ecken[i];
    const auto richtung = [&](std::size_t j) {
        const Punkt d = f.Ecken[j] - ecke;
        return std::atan2(-d.y, d.x) * 180 / std::numbers::pi;
    };
    const double von = richtung((i + 1) % 3);
    double spanne = richtung((i + 2) % 3) - von;
    spanne -= 360 * std::round(spanne / 360);
    const double r = f.BogenRadius[i];
    p.drawArc(QRectF(ecke.x - r, ecke.y - r, 2 * r, 2 * r), static_cast<int>(von * 16),
              static_cast<int>(spanne * 16));
}

// A right angle gets the dot inside its arc, as drawn in school.
void MaleRechtwinkelPunkt(QPainter& p, const Figur& f, std::size_t i) {
    const Punkt ecke = f.Ecken[i];
    const Punkt u =
        Einheit(Einheit(f.Ecken[(i + 1) % 3] - ecke) + Einheit(f.Ecken[(i + 2) % 3] - ecke));
    const Punkt mitte = ecke + (0.5 * f.BogenRadius[i]) * u;
    const double punkt = f.BogenRadius[i] / 12;
    p.drawEllipse(QPointF(mitte.x, mitte.y), punkt, punkt);
}

// Laid out at the top of its frame, so that what follows starts right below it.
Figur Lege(const Loesungsfigur& lf, const QRectF& rahmen, const Zeichenflaeche& z) {
    const QFontMetricsF fm(z.Klein, z.Geraet);
    FigurEtiketten e;
    for (std::size_t i = 0; i < 3; ++i) {
        e.Ecken[i] = Groesse(fm, lf.Ecken[i], z);
        e.Seiten[i] = Groesse(fm, lf.Seiten[i], z);
        for (const std::string& w : lf.Winkel[i]) {
            e.Winkel[i].push_back(Groesse(fm, w, z));
        }
    }
    e.Abstand = z.Mm(1);
    return LegeFigur(lf.Form, {rahmen.x(), rahmen.y(), rahmen.width(), rahmen.height()}, e, true);
}

void MaleFigur(QPainter& p, const Loesungsfigur& lf, const Figur& f, const Zeichenflaeche& z) {
    QPolygonF ecken;
    for (const Punkt& q : f.Ecken) {
        ecken << QPointF(q.x, q.y);
    }
    p.setPen(QPen(Linie, z.Mm(0.35), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Flaeche);
    p.drawPolygon(ecken);
    if (f.Flach) {
        p.setBrush(Linie);
        for (const QPointF& q : ecken) {
            p.drawEllipse(q, z.Mm(0.6), z.Mm(0.6));
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Linie, z.Mm(0.2)));
    for (std::size_t i = 0; i < 3; ++i) {
        if (f.BogenRadius[i] > 0) {
            MaleBogen(p, f, i);
            if (std::fabs(lf.Form.Winkel[i] - 90) < 1e-9L) {
                p.setBrush(Linie);
                MaleRechtwinkelPunkt(p, f, i);
                p.setBrush(Qt::NoBrush);
            }
        }
    }

    p.setFont(z.Klein);
    p.setPen(Qt::black);
    for (std::size_t i = 0; i < 3; ++i) {
        p.drawText(Q(f.EckenEtiketten[i]), Qt::AlignCenter, Q(lf.Ecken[i]));
        p.drawText(Q(f.SeitenEtiketten[i]), Qt::AlignCenter, Q(lf.Seiten[i]));
        if (f.WinkelEtiketten[i]) {
            const auto v = static_cast<std::size_t>(f.WinkelVariante[i]);
            p.drawText(Q(*f.WinkelEtiketten[i]), Qt::AlignCenter, Q(lf.Winkel[i][v]));
        }
    }
}

} // namespace

Zeichenflaeche Zeichenflaeche::Fuer(QPaintDevice* geraet) {
    Zeichenflaeche z;
    z.Geraet = geraet;
    z.ProMm = geraet->logicalDpiX() / 25.4;
    // Liberation Sans: Arial's measures, as the program's Script, and Greek letters too.
    z.Text = QFont("Liberation Sans");
    z.Text.setPointSizeF(9.5);
    z.Klein = z.Text;
    z.Klein.setPointSizeF(8);
    z.Fett = z.Text;
    z.Fett.setBold(true);
    z.Titel = z.Fett;
    z.Titel.setPointSizeF(15);
    return z;
}

double FigurenHoehe(const BlattAufgabe& a, double breite, const Zeichenflaeche& z) {
    const QFontMetricsF fm(z.Klein, z.Geraet);
    double hoehe = 0;
    for (std::size_t i = 0; i < a.Figuren.size(); ++i) {
        hoehe += i > 0 ? z.Mm(3) : 0;
        hoehe += Beschriftung(a, i).empty() ? 0 : fm.lineSpacing();
        const QRectF rahmen(0, 0, breite, RahmenHoehe(a, z));
        hoehe += Umriss(Lege(a.Figuren[i], rahmen, z)).Hoehe + z.Mm(2);
        hoehe += static_cast<double>(a.Figuren[i].Groessen.size()) * fm.lineSpacing();
    }
    return hoehe;
}

void MaleFiguren(QPainter& p, const BlattAufgabe& a, const QRectF& spalte,
                 const Zeichenflaeche& z) {
    const QFontMetricsF fm(z.Klein, z.Geraet);
    double y = spalte.top();
    for (std::size_t i = 0; i < a.Figuren.size(); ++i) {
        y += i > 0 ? z.Mm(3) : 0;
        p.setFont(z.Klein);
        p.setPen(Qt::black);
        const std::string titel = Beschriftung(a, i);
        if (!titel.empty()) {
            p.drawText(QPointF(spalte.left(), y + fm.ascent()), Q(titel));
            y += fm.lineSpacing();
        }
        const QRectF rahmen(spalte.left(), y, spalte.width(), RahmenHoehe(a, z));
        const Figur f = Lege(a.Figuren[i], rahmen, z);
        MaleFigur(p, a.Figuren[i], f, z);
        y += Umriss(f).Hoehe + z.Mm(2);
        p.setFont(z.Klein);
        p.setPen(Qt::black);
        for (const std::string& zeile : a.Figuren[i].Groessen) {
            p.drawText(QPointF(spalte.left(), y + fm.ascent()), Q(zeile));
            y += fm.lineSpacing();
        }
    }
}

} // namespace kalotri::blatt
