// SPDX-License-Identifier: GPL-3.0-or-later
#include "opt_u.h"

#include "dialograhmen.h"
#include "glob_u.h"
#include "meldungen.h"
#include "rundformat.h"
#include "updown.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

TOptionenDlg* OptionenDlg = nullptr;

TOptionenDlg::TOptionenDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OptionenDlg"));
    setWindowTitle(QStringLiteral("Optionen"));
    RichteFestenDialogEin(this, 384, 83);

    // Created first so that it lies beneath the row it frames.
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setLineWidth(1);
    Bevel1->setGeometry(8, 8, 281, 65);

    Label1 = new QLabel(QStringLiteral("Ergebnisse runden auf"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setGeometry(32, 35, 106, 13);

    eD = new QLineEdit(QStringLiteral("3"), this);
    eD->setObjectName(QStringLiteral("eD"));
    eD->setGeometry(152, 32, 25, 21);

    udD = new TUpDown(this);
    udD->setObjectName(QStringLiteral("udD"));
    udD->setGeometry(177, 32, 15, 21);
    udD->setRange(1, 10);
    udD->setPosition(3);
    udD->setBuddy(eD);

    Label2 = new QLabel(QStringLiteral("Dezimalen"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setGeometry(200, 35, 49, 13);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(300, 8, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    // The layout was drawn for a narrower font than most substitutes for "MS Sans Serif";
    // the labels may grow into the free room before the box and inside the frame.
    MachePlatzFuerText(Label1, 10, 150);
    MachePlatzFuerText(Label2, 200, 287);

    // The button takes no focus (clicking it leaves the caret in the box), so the tab
    // order is just the OK button, then the box.
    setTabOrder(OKBtn, eD);

    connect(eD, &QLineEdit::textChanged, this, &TOptionenDlg::eDChange);
    // Nothing may be written before the mask exists, so build it now, while still hidden.
    eDChange();
}

void TOptionenDlg::eDChange() {
    kalotri::RundFormatErgebnis ergebnis = kalotri::RundFormatAusText(eD->text().toStdString());
    RundFormat = std::move(ergebnis.Maske);
    // The box is modal and runs its own event loop; an input method committing its preedit
    // on the focus change could change the text again meanwhile. That change still rebuilds
    // the mask above, but one box at a time is enough: the user is already being told the
    // count is not valid.
    if (!ergebnis.Fehler || m_zeigtFehler) {
        return;
    }
    m_zeigtFehler = true;
    ZeigeFehler(QString::fromStdString(*ergebnis.Fehler));
    m_zeigtFehler = false;
}

void TOptionenDlg::setVisible(bool visible) {
    // Placed before QDialog positions it over its parent: it opens centred on the screen.
    if (visible && !isVisible()) {
        ZentriereAufBildschirm(this);
    }
    QDialog::setVisible(visible);
}
