#include "meldungen.h"

#include "fehler.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include <exception>

namespace {

void ZeigeBox(QMessageBox::Icon icon, const QString& text) {
    // Owned by the window it interrupts, so that the window manager keeps it above that
    // window and gives the focus back to it once the box is closed.
    QWidget* eltern = QApplication::activeWindow();
    QMessageBox box(icon, QStringLiteral("Kalotri"), text, QMessageBox::Ok, eltern);
    // Input text may contain anything; never let it be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.adjustSize();
    QScreen* schirm = eltern ? eltern->screen() : QGuiApplication::primaryScreen();
    if (schirm) {
        // move() places the frame, which a new box does not know before it is shown; the
        // owner's title bar and side borders are the best guess (its bottom edge may be a
        // resize handle that a box lacks).
        QMargins rahmen;
        if (eltern) {
            const QRect aussen = eltern->frameGeometry();
            const QRect innen = eltern->geometry();
            const int seite = innen.left() - aussen.left();
            rahmen =
                QMargins(seite, innen.top() - aussen.top(), aussen.right() - innen.right(), seite);
        }
        const QSize groesse = box.size().grownBy(rahmen);
        const QRect frei = schirm->availableGeometry();
        box.move(frei.center() - QPoint(groesse.width() / 2, groesse.height() / 2));
    }
    box.exec();
}

} // namespace

void ZeigeMeldung(const QString& text) {
    ZeigeBox(QMessageBox::NoIcon, text);
}

void ZeigeFehler(const QString& text) {
    ZeigeBox(QMessageBox::Critical,
             QString::fromStdString(kalotri::FehlerAnzeigeText(text.toStdString())));
}

void MitFehleranzeige(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& fehler) {
        ZeigeFehler(QString::fromUtf8(fehler.what()));
    }
}
