// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_u.h"

#include "icon.h"
#include "kalotri_version.h"

TAboutBox::TAboutBox(QWidget* parent) : TFesterDialog(parent) {
    setupUi(this);
    Version->setText(QStringLiteral("Version " KALOTRI_VERSION));
    ProgramIcon->setPixmap(ProgrammIcon().pixmap(32, 32));

    // The layout's label sizes fit the original font only; with a substitute they grow
    // evenly about their centres, inside the panel's edge.
    for (QLabel* label : {ProductName, Version, Copyright, Comments}) {
        MachePlatzFuerText(label, 4, Panel1->width() - 4);
    }
}
