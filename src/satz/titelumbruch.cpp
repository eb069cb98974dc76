// SPDX-License-Identifier: GPL-3.0-or-later
#include "titelumbruch.h"

#include <algorithm>

namespace kalotri::blatt {

Umbruch Einpassen(const QFontMetricsF& fm, const QString& text, double breite, int zeilen) {
    Umbruch u{text, Qt::TextWordWrap, 0};
    if (fm.boundingRect(QRectF(0, 0, breite, 1e9), u.Flags, text).width() > breite + 0.5) {
        u.Flags = Qt::TextWrapAnywhere;
    }
    const auto hoehe = [&](const QString& t) {
        return fm.boundingRect(QRectF(0, 0, breite, 1e9), u.Flags, t).height();
    };
    const double grenze = zeilen * fm.lineSpacing() + 0.5;
    if (hoehe(text) > grenze) {
        qsizetype passt = 0, zuViel = text.size();
        while (zuViel - passt > 1) {
            const qsizetype mitte = (passt + zuViel) / 2;
            (hoehe(text.left(mitte) + "…") <= grenze ? passt : zuViel) = mitte;
        }
        u.Text = text.left(passt) + "…";
    }
    u.Hoehe = std::max(hoehe(u.Text), fm.lineSpacing());
    return u;
}

} // namespace kalotri::blatt
