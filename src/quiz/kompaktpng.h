// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace kalotri::blatt {

// The picture as a small PNG for a file that travels as a whole (the quiz): a palette of
// its most frequent colours, the rare shades of smoothed edges drawn in the nearest of them.
QByteArray KompaktesPng(const QImage& bild);

} // namespace kalotri::blatt
