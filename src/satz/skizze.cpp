// SPDX-License-Identifier: GPL-3.0-or-later
#include "skizze.h"

#include <QFontMetricsF>

#include <cmath>
#include <numbers>

namespace kalotri::blatt {

namespace {

const QColor Gegeben(31, 61, 122);
const QColor Gesucht(150, 150, 150);

// Corners A, B, C as fractions of the drawing area: scalene and acute, so that no one
// takes it for a special triangle.
constexpr std::array<QPointF, 3> Form = {QPointF(0.24, 0.80), QPointF(0.80, 0.80),
                                         QPointF(0.40, 0.14)};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A label within the width it has; typed texts may be long.
void Etikett(QPainter& p, const QRectF& platz, Qt::Alignment ausrichtung, const std::string& text) {
    const QFontMetricsF fm(p.font(), p.device());
    p.drawText(platz, ausrichtung | Qt::AlignVCenter,
               fm.elidedText(Q(text), Qt::ElideRight, platz.width()));
}

void Bogen(QPainter& p, const std::array<QPointF, 3>& ecke, std::size_t i, double r) {
    const auto richtung = [&](std::size_t j) {
        const QPointF d = ecke[j] - ecke[i];
        return std::atan2(-d.y(), d.x()) * 180 / std::numbers::pi;
    };
    const double von = richtung((i + 1) % 3);
    double spanne = richtung((i + 2) % 3) - von;
    spanne -= 360 * std::round(spanne / 360);
    p.drawArc(QRectF(ecke[i].x() - r, ecke[i].y() - r, 2 * r, 2 * r),
              static_cast<int>(std::lround(von * 16)), static_cast<int>(std::lround(spanne * 16)));
}

} // namespace

void MaleSkizze(QPainter& p, const Skizzenangaben& s, const QRectF& rahmen, double proMm,
                const QFont& schrift) {
    p.save();
    p.setFont(schrift);
    const QFontMetricsF fm(schrift, p.device());
    const QRectF flaeche(rahmen.left(), rahmen.top(), rahmen.width(),
                         rahmen.height() - fm.lineSpacing());
    std::array<QPointF, 3> e{};
    for (std::size_t i = 0; i < 3; ++i) {
        e[i] = QPointF(flaeche.left() + Form[i].x() * flaeche.width(),
                       flaeche.top() + Form[i].y() * flaeche.height());
    }
    // Side i joins the two corners other than i.
    for (std::size_t i = 0; i < 3; ++i) {
        const bool gegeben = !s.Werte[i].empty();
        p.setPen(QPen(gegeben ? Gegeben : Gesucht, proMm * (gegeben ? 0.6 : 0.3), Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(e[(i + 1) % 3], e[(i + 2) % 3]);
    }
    p.setPen(QPen(Gegeben, proMm * 0.3));
    for (std::size_t i = 0; i < 3; ++i) {
        if (!s.Werte[3 + i].empty()) {
            Bogen(p, e, i, proMm * 4);
        }
    }

    p.setPen(Qt::black);
    const double zeile = fm.lineSpacing();
    const double mm = proMm;
    const auto text = [&](std::size_t i) {
        return s.Werte[i].empty() ? s.SeitenNamen[i] : s.Werte[i];
    };
    // Corner names beside their corners, outside the triangle.
    Etikett(p, QRectF(e[0].x() - 6 * mm, e[0].y(), 5 * mm, zeile), Qt::AlignRight, s.Ecken[0]);
    Etikett(p, QRectF(e[1].x() + mm, e[1].y(), 5 * mm, zeile), Qt::AlignLeft, s.Ecken[1]);
    Etikett(p, QRectF(e[2].x() - 6 * mm, e[2].y() - zeile, 5 * mm, zeile), Qt::AlignRight,
            s.Ecken[2]);
    // Sides: c under the base, a right of its middle, b left of its middle.
    const QPointF mitteA = (e[1] + e[2]) / 2, mitteB = (e[0] + e[2]) / 2;
    Etikett(p, QRectF(e[0].x(), e[0].y() + 0.5 * mm, e[1].x() - e[0].x(), zeile), Qt::AlignHCenter,
            text(2));
    Etikett(p,
            QRectF(mitteA.x() + 1.5 * mm, mitteA.y() - zeile / 2,
                   rahmen.right() - mitteA.x() - 1.5 * mm, zeile),
            Qt::AlignLeft, text(0));
    Etikett(
        p,
        QRectF(rahmen.left(), mitteB.y() - zeile / 2, mitteB.x() - rahmen.left() - 1.5 * mm, zeile),
        Qt::AlignRight, text(1));
    // Given angles: left of A, right of B, right of C.
    if (!s.Werte[3].empty()) {
        Etikett(p, QRectF(rahmen.left(), e[0].y() - zeile, e[0].x() - rahmen.left() - mm, zeile),
                Qt::AlignRight, s.Werte[3]);
    }
    if (!s.Werte[4].empty()) {
        Etikett(p, QRectF(e[1].x() + mm, e[1].y() - zeile, rahmen.right() - e[1].x() - mm, zeile),
                Qt::AlignLeft, s.Werte[4]);
    }
    if (!s.Werte[5].empty()) {
        Etikett(
            p,
            QRectF(e[2].x() + 2 * mm, e[2].y() - zeile, rahmen.right() - e[2].x() - 2 * mm, zeile),
            Qt::AlignLeft, s.Werte[5]);
    }
    QFont kursiv = schrift;
    kursiv.setItalic(true);
    p.setFont(kursiv);
    p.drawText(QRectF(rahmen.left(), rahmen.bottom() - zeile, rahmen.width(), zeile),
               Qt::AlignHCenter | Qt::AlignVCenter, SkizzenUnterschrift);
    p.restore();
}

QImage Skizzenbild(double breiteMm, double hoeheMm, double pixelProMm,
                   const std::function<void(QPainter&, const QRectF&, const QFont&)>& male) {
    QImage bild(static_cast<int>(std::ceil(breiteMm * pixelProMm)),
                static_cast<int>(std::ceil(hoeheMm * pixelProMm)), QImage::Format_RGB32);
    bild.setDotsPerMeterX(static_cast<int>(std::lround(pixelProMm * 1000)));
    bild.setDotsPerMeterY(static_cast<int>(std::lround(pixelProMm * 1000)));
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QFont schrift("Liberation Sans");
    schrift.setPointSizeF(7.5);
    male(p, QRectF(0, 0, bild.width(), bild.height()), schrift);
    return bild;
}

QImage SkizzenBild(const Skizzenangaben& angaben, double pixelProMm) {
    return Skizzenbild(SkizzeBreiteMm, SkizzeHoeheMm, pixelProMm,
                       [&](QPainter& p, const QRectF& rahmen, const QFont& schrift) {
                           MaleSkizze(p, angaben, rahmen, pixelProMm, schrift);
                       });
}

} // namespace kalotri::blatt
