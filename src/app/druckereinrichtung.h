// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui_druckereinrichtung.h"

#include <QDialog>
#include <QList>
#include <QPageSize>

class QPrinter;

// "Drucker einrichten": which printer, which paper and which orientation, nothing else;
// it prints nothing, so its confirm button is "OK". The choice goes into the printer only
// when the user confirms. Its controls come from the form druckereinrichtung.ui.
class TDruckereinrichtung : public QDialog, public Ui::TDruckereinrichtung {
    Q_OBJECT
  public:
    TDruckereinrichtung(QPrinter& drucker, QWidget* parent = nullptr);

    QPrinter* printer() const { return &drucker_; }

    void accept() override;

  private:
    // The papers the chosen printer takes, the printer's current one selected if it has it.
    void PapiereZeigen();

    QPrinter& drucker_;
    QList<QPageSize> papiere_;
};
