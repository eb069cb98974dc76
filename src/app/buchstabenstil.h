// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The look of the letter choosers: at 30 pixels the style's own drop-down button and padding
// would leave no room for a letter, so the button is the narrow bevelled one of the classic
// Windows look, 12 pixels wide, and the letter starts one pixel after the frame. Everything
// else comes from the application's style. Set on the six choosers only, so no other widget
// pays for it.
class TBuchstabenStil : public QProxyStyle {
    Q_OBJECT
  public:
    explicit TBuchstabenStil(QObject* parent);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};
