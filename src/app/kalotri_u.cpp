// SPDX-License-Identifier: GPL-3.0-or-later
#include "kalotri_u.h"

#include "about_u.h"
#include "glob_u.h"
#include "meldungen.h"
#include "opt_u.h"
#include "script_u.h"
#include "skizze_u.h"
#include "symbol.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

TForm1* Form1 = nullptr;

namespace {

constexpr int ClientBreite = 557;
constexpr int ClientHoehe = 300;
constexpr int PanelHoehe = 17;
constexpr int StatusHoehe = 19;

struct Steuerelement {
    const char* name;
    const char* zugangsname;
    int links, oben, breite, hoehe;
};

// The input boxes and letter choosers in the order a, b, c, alpha, beta, gamma, with
// their places in GroupBox2 at 96 dpi.
constexpr std::array<Steuerelement, 6> Eingabefelder = {{
    {"eA", "Seite a", 272, 112, 40, 21},
    {"eB", "Seite b", 88, 112, 40, 21},
    {"eC", "Seite c", 160, 230, 40, 21},
    {"eAlpha", "Winkel Alpha", 64, 192, 40, 21},
    {"eBeta", "Winkel Beta", 256, 192, 40, 21},
    {"eGamma", "Winkel Gamma", 192, 56, 40, 21},
}};
constexpr std::array<Steuerelement, 6> Buchstabenwahl = {{
    {"cbA", "Buchstabe für Seite a", 240, 112, 30, 21},
    {"cbB", "Buchstabe für Seite b", 56, 112, 30, 21},
    {"cbC", "Buchstabe für Seite c", 128, 230, 30, 21},
    {"cbAlpha", "Buchstabe für Winkel Alpha", 32, 192, 30, 21},
    {"cbBeta", "Buchstabe für Winkel Beta", 224, 192, 30, 21},
    {"cbGamma", "Buchstabe für Winkel Gamma", 160, 56, 30, 21},
}};

// The order in which Tab walks the input area, after the Script (indices as above).
constexpr std::array<int, 12> TabReihenfolge = {1, 2, 3, 4, 5, 0, 6, 7, 8, 9, 10, 11};

constexpr int IstWinkel(int i) {
    return i >= static_cast<int>(kalotri::Feld::Alpha);
}

QFont FensterSchrift() {
    QFont schrift(QString::fromUtf8(kalotri::SchriftStandard));
    schrift.setPointSize(8);
    return schrift;
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), RichEdit1(new TScript(this)), rechner_(*RichEdit1) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Übungen zu Sinussatz und Cosinussatz"));
    setFont(FensterSchrift());
    setBackgroundRole(QPalette::Button);

    createControls();
    createActions();
    createMenus();
    FormCreate();
    TrennzeichenLesen();

    resize(ClientBreite, ClientHoehe + menuBar()->sizeHint().height());
    move(194, 108);
}

void TForm1::createControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setMinimumSize(0, 0);
    setCentralWidget(client_);
    client_->installEventFilter(this);

    Panel1 = new QFrame(client_);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);

    GroupBox1 = new QGroupBox(QStringLiteral("Script:"), client_);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(344, 24, 201, 257);
    RichEdit1->setParent(GroupBox1);
    RichEdit1->setGeometry(8, 16, 185, 233);
    RichEdit1->setAccessibleName(QStringLiteral("Script"));

    GroupBox2 = new QGroupBox(QStringLiteral("Eingabe:"), client_);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(8, 24, 329, 257);
    PaintBox1 = new TSkizze(GroupBox2);
    PaintBox1->setGeometry(8, 8, 297, 225);

    QFont symbol(QString::fromUtf8(kalotri::SchriftSymbol));
    symbol.setPointSize(8);
    for (int i = 0; i < 6; ++i) {
        const Steuerelement& e = Eingabefelder[i];
        auto* eingabe = new QLineEdit(GroupBox2);
        eingabe->setObjectName(QString::fromLatin1(e.name));
        eingabe->setAccessibleName(QString::fromUtf8(e.zugangsname));
        eingabe->setGeometry(e.links, e.oben, e.breite, e.hoehe);
        eingaben_[i] = eingabe;

        const Steuerelement& b = Buchstabenwahl[i];
        auto* wahl = new QComboBox(GroupBox2);
        wahl->setObjectName(QString::fromLatin1(b.name));
        wahl->setAccessibleName(QString::fromUtf8(b.zugangsname));
        wahl->setEditable(true);
        // Whatever the user types is a letter; it never becomes a new item.
        wahl->setInsertPolicy(QComboBox::NoInsert);
        wahl->setGeometry(b.links, b.oben, b.breite, b.hoehe);
        // At 30 pixels the style's own arrow and padding would leave no room for a letter.
        // A style sheet replaces a font set by setFont, so the face goes in there too.
        QString stil = QStringLiteral("QComboBox { padding-left: 1px; padding-right: 0px; %1 }"
                                      "QComboBox::drop-down { width: 12px; }");
        if (IstWinkel(i)) {
            // Adobe Symbol encoding: the Latin items show as Greek letters.
            wahl->setFont(symbol);
            stil = stil.arg(QStringLiteral("font-family: \"%1\"; font-size: 8pt;")
                                .arg(QString::fromUtf8(kalotri::SchriftSymbol)));
        } else {
            stil = stil.arg(QString());
        }
        wahl->setStyleSheet(stil);
        buchstaben_[i] = wahl;
    }

    QWidget* vorher = RichEdit1;
    for (int index : TabReihenfolge) {
        QWidget* naechstes = index < 6 ? static_cast<QWidget*>(eingaben_[index])
                                       : static_cast<QWidget*>(buchstaben_[index - 6]);
        setTabOrder(vorher, naechstes);
        vorher = naechstes;
    }

    StatusBar1 = new QStatusBar(client_);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        auto* feld = new QLabel(StatusBar1);
        feld->setFixedWidth(100);
        feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->addWidget(feld);
    }
}

QAction* TForm1::NeueAktion(const char* name, const QString& text, void (TForm1::*handler)()) {
    auto* aktion = new QAction(text, this);
    aktion->setObjectName(QString::fromLatin1(name));
    connect(aktion, &QAction::triggered, this, handler);
    return aktion;
}

void TForm1::createActions() {
    Druckereinrichten1 = NeueAktion("Druckereinrichten1", tr("Drucker &einrichten"),
                                    &TForm1::Druckereinrichten1Click);
    Beenden1 = NeueAktion("Beenden1", tr("&Beenden"), &TForm1::Beenden1Click);
    Rechne2 = NeueAktion("Rechne2", tr("&Rechne"), &TForm1::Rechne2Click);
    NeueRechnung1 = NeueAktion("NeueRechnung1", tr("&Neue Rechnung"), &TForm1::NeueRechnung1Click);
    Lschen1 = NeueAktion("Lschen1", tr("&Löschen"), &TForm1::Lschen1Click);
    IndieZwischenablage1 = NeueAktion("IndieZwischenablage1", tr("In die &Zwischenablage"),
                                      &TForm1::IndieZwischenablage1Click);
    Drucken1 = NeueAktion("Drucken1", tr("D&rucken"), &TForm1::Drucken1Click);
    Optionen1 = NeueAktion("Optionen1", tr("&Optionen"), &TForm1::Optionen1Click);
    Copyright1 = NeueAktion("Copyright1", tr("&Copyright"), &TForm1::Copyright1Click);
}

void TForm1::createMenus() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* datei = leiste->addMenu(tr("&Datei"));
    datei->setObjectName(QStringLiteral("Datei1"));
    datei->addAction(Druckereinrichten1);
    datei->addSeparator()->setObjectName(QStringLiteral("N1"));
    datei->addAction(Beenden1);

    QMenu* rechne = leiste->addMenu(tr("&Rechne"));
    rechne->setObjectName(QStringLiteral("Rechne1"));
    rechne->addAction(Rechne2);
    rechne->addSeparator()->setObjectName(QStringLiteral("N2"));
    rechne->addAction(NeueRechnung1);

    QMenu* script = leiste->addMenu(tr("&Script"));
    script->setObjectName(QStringLiteral("Script1"));
    script->addAction(Lschen1);
    script->addAction(IndieZwischenablage1);
    script->addAction(Drucken1);

    // A command right on the menu bar, without a menu of its own.
    leiste->addAction(Optionen1);

    QMenu* info = leiste->addMenu(tr("&Info"));
    info->setObjectName(QStringLiteral("Info1"));
    info->addAction(Copyright1);
}

void TForm1::FormCreate() {
    for (char buchstabe = 'a'; buchstabe <= 'z'; ++buchstabe) {
        const QString text(QLatin1Char{buchstabe});
        for (QComboBox* wahl : buchstaben_) {
            wahl->addItem(text);
        }
    }
    constexpr std::array<int, 6> Anfangswahl = {0, 1, 2, 0, 1, 6};
    for (int i = 0; i < 6; ++i) {
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
    if (watched == client_ && event->type() == QEvent::Resize) {
        const int breite = client_->width();
        Panel1->setGeometry(0, 0, breite, PanelHoehe);
        StatusBar1->setGeometry(0, client_->height() - StatusHoehe, breite, StatusHoehe);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::Druckereinrichten1Click() {
    MitFehleranzeige([this] { drucker_.Einrichten(this); });
}

void TForm1::Beenden1Click() {
    close();
}

void TForm1::Rechne2Click() {
    MitFehleranzeige([this] {
        kalotri::Eingabe eingabe;
        for (std::size_t i = 0; i < 6; ++i) {
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
    MitFehleranzeige([this] { drucker_.Drucke(*RichEdit1->document()); });
}

void TForm1::Optionen1Click() {
    if (OptionenDlg) {
        OptionenDlg->exec();
    }
}

void TForm1::Copyright1Click() {
    if (AboutBox) {
        AboutBox->exec();
    }
}
