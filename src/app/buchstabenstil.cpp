// SPDX-License-Identifier: GPL-3.0-or-later
#include "buchstabenstil.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <qdrawutil.h>

namespace {

constexpr int Rahmen = 1;
constexpr int AbstandLinks = 1;
constexpr int KnopfBreite = 12;

} // namespace

TBuchstabenStil::TBuchstabenStil(QObject* parent) {
    setParent(parent);
}

QRect TBuchstabenStil::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl subControl, const QWidget* widget) const {
    if (control != CC_ComboBox) {
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
    const QRect innen = option->rect.adjusted(Rahmen, Rahmen, -Rahmen, -Rahmen);
    const QRect knopf(innen.right() + 1 - KnopfBreite, innen.top(), KnopfBreite, innen.height());
    switch (subControl) {
    case SC_ComboBoxArrow:
        return visualRect(option->direction, option->rect, knopf);
    case SC_ComboBoxEditField:
        return visualRect(option->direction, option->rect,
                          QRect(innen.left() + AbstandLinks, innen.top(),
                                knopf.left() - innen.left() - AbstandLinks, innen.height()));
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}

void TBuchstabenStil::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    const auto* wahl = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || wahl == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The application's style itself, not this proxy, draws frame and field with its own
    // measures; the field and the button cover what it would put where they are.
    QStyle* anwendungsStil = QApplication::style();
    QStyleOptionComboBox ohneKnopf(*wahl);
    ohneKnopf.subControls &= ~SC_ComboBoxArrow;
    anwendungsStil->drawComplexControl(control, &ohneKnopf, painter, widget);
    if (!(wahl->subControls & SC_ComboBoxArrow)) {
        return;
    }

    QRect knopf = subControlRect(control, option, SC_ComboBoxArrow, widget);
    const bool gedrueckt =
        wahl->activeSubControls == SC_ComboBoxArrow && (wahl->state & State_Sunken);
    if (gedrueckt) {
        painter->setPen(wahl->palette.dark().color());
        painter->setBrush(wahl->palette.button());
        painter->drawRect(knopf.adjusted(0, 0, -1, -1));
    } else {
        // The bevel's light edge in the button face, the face in the light colour.
        QPalette palette(wahl->palette);
        palette.setColor(QPalette::Button, wahl->palette.light().color());
        palette.setColor(QPalette::Light, wahl->palette.button().color());
        qDrawWinButton(painter, knopf, palette, false, &wahl->palette.button());
    }
    QStyleOption pfeil(*wahl);
    pfeil.rect = knopf.adjusted(3, 3, -3, -3);
    pfeil.state = wahl->state & (State_Enabled | State_HasFocus);
    if (gedrueckt) {
        pfeil.state |= State_Sunken;
    }
    anwendungsStil->drawPrimitive(PE_IndicatorArrowDown, &pfeil, painter, widget);
}
