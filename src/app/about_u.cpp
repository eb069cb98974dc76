// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_u.h"

#include "dialograhmen.h"
#include "icon.h"
#include "kalotri_version.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TAboutBox* AboutBox = nullptr;

namespace {

QLabel* NeuesLabel(QWidget* parent, const char* name, const QString& text, QRect feld) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    // Left-aligned text in a box as wide as the text looks the same; once a box has to
    // grow for a wider font, centring keeps the text where the layout put it.
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(feld);
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Info"));
    RichteFestenDialogEin(this, 298, 213);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    // A sunken box draws a lowered outer line around a raised inner one: the etched edge.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    Panel1->setGeometry(8, 8, 281, 161);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(120, 64, 33, 33);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(ProgrammIcon().pixmap(32, 32));

    ProductName = NeuesLabel(Panel1, "ProductName", QStringLiteral("Kalotri"), {96, 16, 96, 13});
    Version = NeuesLabel(Panel1, "Version", QStringLiteral("Version " KALOTRI_VERSION),
                         {112, 40, 53, 13});
    Copyright =
        NeuesLabel(Panel1, "Copyright", QStringLiteral("© Kalotri-Entwickler"), {88, 112, 96, 13});
    Comments =
        NeuesLabel(Panel1, "Comments", QStringLiteral("Übungen zu Sinussatz und Cosinussatz"),
                   {112, 136, 73, 17});
    Comments->setWordWrap(true);

    // The layout's label sizes fit the original font only; with a substitute they grow
    // evenly about their centres, inside the panel's edge.
    for (QLabel* label : {ProductName, Version, Copyright, Comments}) {
        MachePlatzFuerText(label, 4, Panel1->width() - 4);
    }

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::setVisible(bool visible) {
    if (visible && !isVisible()) {
        ZentriereAufBildschirm(this);
    }
    QDialog::setVisible(visible);
}
