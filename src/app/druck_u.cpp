// SPDX-License-Identifier: GPL-3.0-or-later
#include "druck_u.h"

#include "fehler.h"
#include "meldungen.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QTextDocument>

#include <algorithm>
#include <memory>

TDrucker::TDrucker() : drucker_(QPrinter::HighResolution) {}

void TDrucker::Bereitstellen() {
    if (gewaehlt_) {
        return;
    }
    // The system default may come and go while the program runs; follow it.
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull()) {
        throw kalotri::KalotriFehler(FehlerKeinDrucker);
    }
    if (drucker_.printerName() != standard.printerName() ||
        drucker_.outputFormat() != QPrinter::NativeFormat) {
        drucker_.setOutputFormat(QPrinter::NativeFormat);
        drucker_.setPrinterName(standard.printerName());
    }
}

bool TDrucker::Einrichten(QWidget* parent) {
    Bereitstellen();
    QPrintDialog dialog(&drucker_, parent);
    dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
    // The dialog chooses a printer and its settings; which pages to print is not ours.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    gewaehlt_ = true;
    return true;
}

void TDrucker::Drucke(const QTextDocument& dokument) {
    Bereitstellen();
    drucker_.setDocName(QStringLiteral("Kalotri"));
    drucker_.setFullPage(false);
    // The printer's own minimum margins make the page rectangle its whole printable area.
    // A smaller margin would be refused and leave Qt's default of 10 points in place; the
    // printer dialog may also have set margins of its own.
    const QPageLayout layout = drucker_.pageLayout();
    drucker_.setPageMargins(layout.minimumMargins(), layout.units());

    // The printable area, in device pixels, with its origin at the painter's origin.
    const QRectF seite = drucker_.pageRect(QPrinter::DevicePixel);
    const QSizeF groesse(seite.width(), seite.height());

    // Laid out anew for the printer's resolution, so that the box's point sizes come out
    // at their true size on paper.
    std::unique_ptr<QTextDocument> kopie(dokument.clone());
    kopie->documentLayout()->setPaintDevice(&drucker_);
    kopie->setDocumentMargin(0);
    kopie->setPageSize(groesse);

    QPainter maler;
    if (!maler.begin(&drucker_)) {
        // The only printing failure the program knows: the queue is unusable.
        throw kalotri::KalotriFehler(FehlerKeinDrucker);
    }
    const int seiten = std::max(1, kopie->pageCount());
    for (int i = 0; i < seiten; ++i) {
        if (i > 0) {
            drucker_.newPage();
        }
        maler.save();
        const QRectF ausschnitt(0, i * groesse.height(), groesse.width(), groesse.height());
        maler.translate(0, -ausschnitt.top());
        maler.setClipRect(ausschnitt);
        QAbstractTextDocumentLayout::PaintContext kontext;
        kontext.clip = ausschnitt;
        kontext.palette.setColor(QPalette::Text, Qt::black);
        kopie->documentLayout()->draw(&maler, kontext);
        maler.restore();
    }
    maler.end();
}
