// SPDX-License-Identifier: GPL-3.0-or-later
#include "meldungen.h"

#include "dialograhmen.h"
#include "fehler.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QStyle>

#include <exception>

namespace {

// A short text makes a narrow box, and the window manager then cuts its caption to "K…i".
// The box is made as wide as the caption in a bold title font plus the title bar's icon
// and three buttons, each about as wide as the bar is high, and its margins.
void MachePlatzFuerTitel(QMessageBox& box) {
    QFont titelSchrift = box.font();
    titelSchrift.setBold(true);
    const int leiste = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    const int breite = QFontMetrics(titelSchrift).horizontalAdvance(box.windowTitle()) + 5 * leiste;
    if (auto* raster = qobject_cast<QGridLayout*>(box.layout())) {
        // QMessageBox sizes itself from its layout, so a minimum width of its own would be
        // overridden; an empty row of that width is not.
        raster->addItem(new QSpacerItem(breite, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                        raster->rowCount(), 0, 1, raster->columnCount());
    }
}

void ZeigeBox(QMessageBox::Icon icon, const QString& text) {
    // Owned by the window it interrupts, so that the window manager keeps it above that
    // window and gives the focus back to it once the box is closed.
    QWidget* eltern = QApplication::activeWindow();
    QMessageBox box(icon, QStringLiteral("Kalotri"), text, QMessageBox::Ok, eltern);
    // Input text may contain anything; never let it be read as markup.
    box.setTextFormat(Qt::PlainText);
    MachePlatzFuerTitel(box);
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
