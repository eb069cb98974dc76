// SPDX-License-Identifier: GPL-3.0-or-later
#include "druck_u.h"

#include "druckereinrichtung.h"
#include "druckseiten.h"
#include "druckziel.h"
#include "fehler.h"
#include "meldungen.h"

#include <QPrinterInfo>

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
    TDruckereinrichtung dialog(drucker_, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    gewaehlt_ = true;
    return true;
}

void TDrucker::Drucke(const QTextDocument& dokument) {
    Bereitstellen();
    // Only a job for a print server can get lost on the way; a file is written here.
    const bool anServer = drucker_.outputFormat() == QPrinter::NativeFormat;
    if (anServer) {
        PruefeDruckziel(drucker_.printerName());
    }
    drucker_.setDocName(QStringLiteral("Kalotri"));
    if (!DruckeSeiten(dokument, drucker_)) {
        throw kalotri::KalotriFehler(FehlerKeinDrucker);
    }
    if (anServer) {
        PruefeUebergabe(drucker_.printerName());
    }
}
