// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialograhmen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>
#include <optional>

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

namespace {

// The window manager's frame around a window, if Qt knows it. Between an unmapping and the
// next mapping Qt may report a frame of 1 x 1 pixels or none at all; neither is one.
std::optional<QMargins> Rahmen(const QWidget* fenster) {
    const QRect aussen = fenster->frameGeometry();
    const QRect innen = fenster->geometry();
    if (aussen == innen || !aussen.contains(innen)) {
        return std::nullopt;
    }
    return QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(),
                    aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
}

} // namespace

void ZentriereAufBildschirm(QWidget* fenster) {
    QWidget* eltern =
        fenster->parentWidget() != nullptr ? fenster->parentWidget()->window() : nullptr;
    QScreen* schirm = eltern != nullptr ? eltern->screen() : QGuiApplication::primaryScreen();
    if (schirm == nullptr) {
        return;
    }
    // The frame is the window manager's and the same for every dialog and box; the last
    // one seen stands in while Qt does not know this window's own (before its first
    // showing, and now and then under openbox when it is shown again). Before any, the
    // owner's title bar and side borders are the best guess: its bottom edge may be a
    // resize handle that a dialog lacks.
    static QMargins bekannt;
    QMargins rahmen = bekannt;
    if (const std::optional<QMargins> eigen = Rahmen(fenster)) {
        rahmen = bekannt = *eigen;
    } else if (bekannt.isNull() && eltern != nullptr) {
        if (const std::optional<QMargins> aussen = Rahmen(eltern)) {
            rahmen = QMargins(aussen->left(), aussen->top(), aussen->right(), aussen->left());
        }
    }
    const QSize mitRahmen = fenster->size().grownBy(rahmen);
    const QRect frei = schirm->availableGeometry();
    const QPoint ecke = frei.center() - QPoint(mitRahmen.width() / 2, mitRahmen.height() / 2);
    // The window itself is placed, not its frame: moving the frame would go through the
    // frame Qt believes in, which may be the wrong one.
    fenster->setGeometry(QRect(ecke + QPoint(rahmen.left(), rahmen.top()), fenster->size()));
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
