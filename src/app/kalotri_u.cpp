// SPDX-License-Identifier: GPL-3.0-or-later
#include "kalotri_u.h"

#include "about_u.h"
#include "buchstabenstil.h"
#include "glob_u.h"
#include "meldungen.h"
#include "opt_u.h"
#include "pruef.h"
#include "script_u.h"
#include "symboleingabe.h"
#include "zugang.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>

namespace {

// Where the form opens, as the original placed it.
constexpr QPoint FormPosition(194, 108);

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), rechner_(Aufbauen()) {
    eingaben_ = {eA, eB, eC, eAlpha, eBeta, eGamma};
    buchstaben_ = {cbA, cbB, cbC, cbAlpha, cbBeta, cbGamma};
    setBackgroundRole(QPalette::Button);
    client->installEventFilter(this);

    auto* stil = new TBuchstabenStil(this);
    for (QComboBox* wahl : buchstaben_) {
        wahl->setStyle(stil);
    }
    auto* symbol = new TSymbolEingabe(this);
    for (QComboBox* wahl : {cbAlpha, cbBeta, cbGamma}) {
        wahl->setValidator(symbol);
    }
    // A box keeps no more than the longest number text and one character to show that
    // its text is longer: so a paste of megabytes neither freezes the window nor holds
    // its memory, and the calculation still answers it as unreadable.
    for (QLineEdit* eingabe : eingaben_) {
        eingabe->setMaxLength(static_cast<int>(kalotri::MaxTextLaenge) + 1);
    }

    // Two empty panels, as the form was drawn; a status bar holds no widgets in a form.
    for (int i = 0; i < 2; ++i) {
        auto* feld = new QLabel(StatusBar1);
        feld->setFixedWidth(100);
        feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->addWidget(feld);
    }

    AktionenVerbinden();
    FormCreate();
    TrennzeichenLesen();
    optionen_ = new TOptionenDlg(this);

    // The form's size is its client area; the menu bar comes on top of it.
    resize(width(), height() + menuBar()->sizeHint().height());
    move(FormPosition);
}

TDrucker& TForm1::Drucker() {
    if (!drucker_) {
        drucker_ = std::make_unique<TDrucker>();
    }
    return *drucker_;
}

TScript& TForm1::Aufbauen() {
    ZugangEinrichten();
    setupUi(this);
    return *RichEdit1;
}

void TForm1::AktionenVerbinden() {
    const std::pair<QAction*, void (TForm1::*)()> befehle[] = {
        {Druckereinrichten1, &TForm1::Druckereinrichten1Click},
        {Beenden1, &TForm1::Beenden1Click},
        {Rechne2, &TForm1::Rechne2Click},
        {NeueRechnung1, &TForm1::NeueRechnung1Click},
        {Lschen1, &TForm1::Lschen1Click},
        {IndieZwischenablage1, &TForm1::IndieZwischenablage1Click},
        {Drucken1, &TForm1::Drucken1Click},
        {Optionen1, &TForm1::Optionen1Click},
        {Copyright1, &TForm1::Copyright1Click},
    };
    for (const auto& [aktion, handler] : befehle) {
        connect(aktion, &QAction::triggered, this, handler);
    }
}

void TForm1::FormCreate() {
    for (char buchstabe = 'a'; buchstabe <= 'z'; ++buchstabe) {
        const QString text(QLatin1Char{buchstabe});
        for (QComboBox* wahl : buchstaben_) {
            wahl->addItem(text);
        }
    }
    constexpr std::array<int, 6> Anfangswahl = {0, 1, 2, 0, 1, 6};
    for (std::size_t i = 0; i < buchstaben_.size(); ++i) {
        buchstaben_[i]->setCurrentIndex(Anfangswahl[i]);
    }
}

void TForm1::TrennzeichenLesen() {
    const QString punkt = QLocale::system().decimalPoint();
    trennzeichen_ = punkt.isEmpty() ? std::string(".") : punkt.toStdString();
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        TrennzeichenLesen();
    }
    QMainWindow::changeEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // Only the top strip and the status bar follow the window's size.
    if (watched == client && event->type() == QEvent::Resize) {
        const int breite = client->width();
        Panel1->setGeometry(0, 0, breite, Panel1->height());
        StatusBar1->setGeometry(0, client->height() - StatusBar1->height(), breite,
                                StatusBar1->height());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::Druckereinrichten1Click() {
    MitFehleranzeige([this] { Drucker().Einrichten(this); });
}

void TForm1::Beenden1Click() {
    close();
}

void TForm1::Rechne2Click() {
    MitFehleranzeige([this] {
        kalotri::Eingabe eingabe;
        for (std::size_t i = 0; i < eingaben_.size(); ++i) {
            eingabe.Texte[i] = eingaben_[i]->text().toStdString();
            eingabe.Buchstaben[i] = buchstaben_[i]->currentText().toStdString();
        }
        const kalotri::Ausgang ausgang = RichEdit1->AlsEineAenderung([&] {
            return rechner_.Rechne(eingabe, kalotri::Zahlformat{RundFormat, trennzeichen_});
        });
        if (ausgang.Meldung) {
            ZeigeMeldung(QString::fromStdString(*ausgang.Meldung));
            if (ausgang.Fokus) {
                eingaben_[static_cast<std::size_t>(*ausgang.Fokus)]->setFocus();
            }
        }
        if (ausgang.Fehler) {
            ZeigeFehler(QString::fromStdString(*ausgang.Fehler));
        }
    });
}

void TForm1::NeueRechnung1Click() {
    for (QLineEdit* eingabe : eingaben_) {
        eingabe->clear();
    }
}

void TForm1::Lschen1Click() {
    RichEdit1->Leeren();
}

void TForm1::IndieZwischenablage1Click() {
    RichEdit1->Kopieren();
}

void TForm1::Drucken1Click() {
    MitFehleranzeige([this] { Drucker().Drucke(*RichEdit1->document()); });
}

void TForm1::Optionen1Click() {
    optionen_->exec();
}

void TForm1::Copyright1Click() {
    if (info_ == nullptr) {
        info_ = new TAboutBox(this);
    }
    info_->exec();
}
