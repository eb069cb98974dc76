// SPDX-License-Identifier: GPL-3.0-or-later
#include "meldungen.h"

#include "dialograhmen.h"
#include "fehler.h"

#include <QApplication>
#include <QMessageBox>

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
    ZentriereAufBildschirm(&box);
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
