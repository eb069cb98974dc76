// SPDX-License-Identifier: GPL-3.0-or-later
#include "druckereinrichtung.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

TDruckereinrichtung::TDruckereinrichtung(QPrinter& drucker, QWidget* parent)
    : QDialog(parent), drucker_(drucker) {
    setupUi(this);
    cbDrucker->addItems(QPrinterInfo::availablePrinterNames());
    cbDrucker->setCurrentText(drucker_.printerName());
    PapiereZeigen();
    connect(cbDrucker, &QComboBox::currentTextChanged, this, &TDruckereinrichtung::PapiereZeigen);
    const bool quer = drucker_.pageLayout().orientation() == QPageLayout::Landscape;
    (quer ? rbQuerformat : rbHochformat)->setChecked(true);
}

void TDruckereinrichtung::PapiereZeigen() {
    const QPrinterInfo info = QPrinterInfo::printerInfo(cbDrucker->currentText());
    papiere_ = info.supportedPageSizes();
    const QPageSize jetzt = drucker_.pageLayout().pageSize();
    const QPageSize vorgabe = info.defaultPageSize();
    cbPapier->clear();
    int gewaehlt = -1;
    for (qsizetype i = 0; i < papiere_.size(); ++i) {
        cbPapier->addItem(papiere_[i].name());
        if (papiere_[i].isEquivalentTo(jetzt) ||
            (gewaehlt < 0 && papiere_[i].isEquivalentTo(vorgabe))) {
            gewaehlt = static_cast<int>(i);
        }
    }
    cbPapier->setCurrentIndex(std::max(gewaehlt, 0));
}

void TDruckereinrichtung::accept() {
    drucker_.setPrinterName(cbDrucker->currentText());
    const int papier = cbPapier->currentIndex();
    if (papier >= 0 && papier < papiere_.size()) {
        drucker_.setPageSize(papiere_[papier]);
    }
    drucker_.setPageOrientation(rbQuerformat->isChecked() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
    QDialog::accept();
}
