#include "meldungen.h"

#include "fehler.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include <exception>

namespace {

void ZeigeBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QStringLiteral("Kalotri"), text, QMessageBox::Ok);
    // Input text may contain anything; never let it be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frei = screen->availableGeometry();
        box.move(frei.center() - box.rect().center());
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
