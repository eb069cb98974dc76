// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sachskizze.h"

#include <QFont>
#include <QPaintDevice>
#include <QPointF>
#include <QRectF>

#include <string>
#include <vector>

namespace kalotri::blatt {

QPointF Einheitsvektor(QPointF v);

// The unit normal towards a line's label: the side it asks for, or away from the middle.
QPointF Seitlich(const Skizzenlinie& l, QPointF a, QPointF b, QPointF mitte);

enum class Etikettart { Name, Winkel, Linie, Text };

struct SachEtikett {
    Etikettart Art = Etikettart::Linie;
    std::string Text;
    QRectF Kasten;
};

// Where a sketch's points and texts go in rahmen, and where every name and label stands so
// that no two of them overlap: each keeps the place the situation wants unless another is
// there already, and then tries the other side of its line, along it, around its point or
// further out, inside the frame if it can.
struct SachLage {
    std::vector<QPointF> Orte;
    QPointF Mitte;  // of the named points: labels go away from it
    QRectF Flaeche; // the shape's room inside rahmen
    std::vector<SachEtikett> Etiketten;
};

SachLage LegeSachskizze(const Sachskizze& s, const QRectF& rahmen, double proMm,
                        const QFont& schrift, const QPaintDevice* geraet);

} // namespace kalotri::blatt
