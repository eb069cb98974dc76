// SPDX-License-Identifier: GPL-3.0-or-later
#include "opt_u.h"

#include "dezimalen.h"
#include "glob_u.h"
#include "meldungen.h"

#include <utility>

TOptionenDlg::TOptionenDlg(QWidget* parent) : TFesterDialog(parent) {
    setupUi(this);

    udD->setRange(kalotri::Dezimalen::Mindestens, kalotri::Dezimalen::Hoechstens);
    udD->setPosition(3);
    udD->setBuddy(eD);

    // The layout was drawn for a narrower font than most substitutes for "MS Sans Serif";
    // the labels may grow into the free room before the box and inside the frame.
    MachePlatzFuerText(Label1, 10, 150);
    MachePlatzFuerText(Label2, 200, 287);

    connect(eD, &QLineEdit::textChanged, this, &TOptionenDlg::eDChange);
    // Nothing may be written before the mask exists, so build it now, while still hidden.
    eDChange();
}

void TOptionenDlg::eDChange() {
    const std::string text = eD->text().toStdString();
    const std::optional<kalotri::Dezimalen> stellen = kalotri::Dezimalen::Lies(text);
    RundFormat = stellen ? stellen->Maske() : "0.";
    // The box is modal and runs its own event loop; an input method committing its preedit
    // on the focus change could change the text again meanwhile. That change still rebuilds
    // the mask above, but one box at a time is enough: the user is already being told the
    // count is not valid.
    if (stellen || zeigtFehler_) {
        return;
    }
    zeigtFehler_ = true;
    ZeigeFehler(QString::fromStdString(kalotri::Dezimalen::FehlerText(text)));
    zeigtFehler_ = false;
}
