// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFontMetricsF>
#include <QString>

namespace kalotri::blatt {

// A title wraps, at word boundaries where it can, and is cut after so many lines.
struct Umbruch {
    QString Text;
    int Flags = Qt::TextWordWrap;
    double Hoehe = 0;
};

Umbruch Einpassen(const QFontMetricsF& fm, const QString& text, double breite, int zeilen);

} // namespace kalotri::blatt
