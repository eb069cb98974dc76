// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialograhmen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>

TFesterDialog::TFesterDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {}

void TFesterDialog::setVisible(bool visible) {
    // Placed before QDialog positions it over its parent: it opens centred on the screen.
    if (visible && !isVisible()) {
        ZentriereAufBildschirm(this);
    }
    QDialog::setVisible(visible);
}

void ZentriereAufBildschirm(QWidget* fenster) {
    QWidget* eltern =
        fenster->parentWidget() != nullptr ? fenster->parentWidget()->window() : nullptr;
    QScreen* schirm = eltern != nullptr ? eltern->screen() : QGuiApplication::primaryScreen();
    if (schirm == nullptr) {
        return;
    }
    // move() places the frame, whose size the window manager only tells once the window has
    // been shown. Until then the owner's title bar and side borders are the best guess (its
    // bottom edge may be a resize handle that a dialog lacks), so the first opening is
    // centred too and not half a title bar too low.
    QSize rahmen = fenster->frameGeometry().size();
    if (rahmen == fenster->size() && eltern != nullptr) {
        const QRect aussen = eltern->frameGeometry();
        const QRect innen = eltern->geometry();
        const int seite = innen.left() - aussen.left();
        rahmen = rahmen.grownBy(
            QMargins(seite, innen.top() - aussen.top(), aussen.right() - innen.right(), seite));
    }
    const QRect frei = schirm->availableGeometry();
    fenster->move(frei.center() - QPoint(rahmen.width() / 2, rahmen.height() / 2));
}

void MachePlatzFuerText(QLabel* label, int links, int rechts) {
    QRect feld = label->geometry();
    const int margen = 2 * label->margin() + 2;
    const int noetig = label->fontMetrics().horizontalAdvance(label->text()) + margen;
    const int hoechstens = rechts - links;
    if (noetig > feld.width()) {
        const int breite = std::min(noetig, hoechstens);
        const int mitte = feld.left() + feld.width() / 2;
        const int neuLinks = std::clamp(mitte - breite / 2, links, rechts - breite);
        feld.setLeft(neuLinks);
        feld.setWidth(breite);
    }
    if (label->wordWrap()) {
        feld.setHeight(std::max(feld.height(), label->heightForWidth(feld.width())));
    } else {
        feld.setHeight(std::max(feld.height(), label->fontMetrics().height()));
    }
    label->setGeometry(feld);
}
