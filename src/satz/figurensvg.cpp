// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurensvg.h"

#include "figurmaler.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace kalotri::blatt {

namespace {

constexpr int Aufloesung = 96; // SVG user units per inch, as browsers take them
// No column is this high; the bound keeps the conversion to whole units defined.
constexpr double HoechstensMm = 100000;

} // namespace

QByteArray FigurenSvg(const BlattAufgabe& aufgabe, int nummer) {
    QByteArray bytes;
    if (aufgabe.Figuren.empty()) {
        return bytes;
    }
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    // Measured on the generator itself, so labels fit the text it writes.
    QSvgGenerator svg;
    svg.setResolution(Aufloesung);
    svg.setOutputDevice(&puffer);
    svg.setTitle(QString("Aufgabe %1").arg(nummer));
    const Zeichenflaeche z = Zeichenflaeche::Fuer(&svg);
    // Whole user units, so that width and height in mm and the viewBox agree exactly and
    // a millimetre in the file is a millimetre on paper.
    const double breite = std::ceil(z.Mm(FigurRahmenBreite));
    const double hoehe =
        std::ceil(std::clamp(FigurenHoehe(aufgabe, breite, z), 1.0, z.Mm(HoechstensMm)));
    const QSize groesse(static_cast<int>(breite), static_cast<int>(hoehe));
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    {
        QPainter p(&svg);
        MaleFiguren(p, aufgabe, QRectF(0, 0, breite, hoehe), z);
    }
    return bytes;
}

} // namespace kalotri::blatt
