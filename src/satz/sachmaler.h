// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sachskizze.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <functional>
#include <vector>

namespace kalotri::blatt {

// The sketch beside a word problem: larger than a bare triangle's, since it has more to
// show (two triangles, a river's banks, a parallelogram of forces).
inline constexpr double SachskizzeBreiteMm = 70;
inline constexpr double SachskizzeHoeheMm = 50; // with the caption

// Where the sketch's points go in flaeche: the situation's shape at one scale across and
// up, as large as fits, centred. The frame's y runs down.
std::function<QPointF(double, double)> Abbildung(const Sachskizze& skizze, const QRectF& flaeche);
std::vector<QPointF> SkizzenOrte(const Sachskizze& skizze, const QRectF& flaeche);

// Paints the sketch into rahmen: the situation's shape as large as it fits (SkizzenOrte), the lines
// by what they are, the names of points outside the shape, labels beside their lines and in their
// angles, the caption under it. proMm device units make a millimetre.
void MaleSachskizze(QPainter& p, const Sachskizze& skizze, const QRectF& rahmen, double proMm,
                    const QFont& schrift);

// The same sketch as a picture on white, for the quiz.
QImage SachskizzenBild(const Sachskizze& skizze, double pixelProMm);

} // namespace kalotri::blatt
