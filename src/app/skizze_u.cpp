// SPDX-License-Identifier: GPL-3.0-or-later
#include "skizze_u.h"

#include <QPainter>

TSkizze::TSkizze(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox1"));
    setFocusPolicy(Qt::NoFocus);
}

void TSkizze::paintEvent(QPaintEvent* /*event*/) {
    const int w = width();
    const int h = height();
    QPainter painter(this);
    // A cosmetic 1-pixel pen without antialiasing hits exactly the pixels of the corners.
    painter.setPen(QPen(QColor(0, 0, 255), 0));
    const QPoint links(10, h - 10);
    const QPoint rechts(w - 10, h - 10);
    const QPoint spitze(2 * w / 3, 10);
    painter.drawLine(links, rechts);
    painter.drawLine(rechts, spitze);
    painter.drawLine(spitze, links);
}
