// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the user finds it: layout, start-up state, tab order, menu,
// sketch and "&Neue Rechnung".
#include "fenstertest.h"
#include "script_u.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>

class TstHauptfenster : public FensterTest {
    Q_OBJECT

  private slots:

    void startzustand() {
        QCOMPARE(fenster_->windowTitle(), QStringLiteral("Übungen zu Sinussatz und Cosinussatz"));
        QCOMPARE(fenster_->centralWidget()->size(), QSize(557, 300));
        const char* felder[] = {"eA", "eB", "eC", "eAlpha", "eBeta", "eGamma"};
        for (const char* feld : felder) {
            QVERIFY2(Teil<QLineEdit>(feld)->text().isEmpty(), feld);
        }
        QVERIFY(fenster_->Script().document()->isEmpty());
        QCOMPARE(fenster_->Script().Schrift(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(Teil<QWidget>("Panel1")->findChildren<QWidget*>().size(), 0);
        const auto felderStatus = Teil<QStatusBar>("StatusBar1")->findChildren<QLabel*>();
        QCOMPARE(felderStatus.size(), 2);
        for (QLabel* feld : felderStatus) {
            QCOMPARE(feld->width(), 100);
            QVERIFY(feld->text().isEmpty());
        }
    }

    void buchstabenwahl_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("schrift");
        QTest::newRow("Seite a") << "cbA"
                                 << "a"
                                 << "MS Sans Serif";
        QTest::newRow("Seite b") << "cbB"
                                 << "b"
                                 << "MS Sans Serif";
        QTest::newRow("Seite c") << "cbC"
                                 << "c"
                                 << "MS Sans Serif";
        QTest::newRow("Winkel Alpha") << "cbAlpha"
                                      << "a"
                                      << "Symbol";
        QTest::newRow("Winkel Beta") << "cbBeta"
                                     << "b"
                                     << "Symbol";
        QTest::newRow("Winkel Gamma") << "cbGamma"
                                      << "g"
                                      << "Symbol";
    }
    void buchstabenwahl() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, schrift);
        auto* wahl = Teil<QComboBox>(name.toLatin1().constData());
        QCOMPARE(wahl->currentText(), text);
        QVERIFY(wahl->isEditable());
        QCOMPARE(wahl->count(), 26);
        QCOMPARE(wahl->itemText(0), QStringLiteral("a"));
        QCOMPARE(wahl->itemText(25), QStringLiteral("z"));
        QCOMPARE(wahl->font().family(), schrift);
        QCOMPARE(wahl->font().pointSize(), 8);
        // Typing a letter of one's own must not grow the list.
        wahl->setEditText(QStringLiteral("xy"));
        QTest::keyClick(wahl->lineEdit(), Qt::Key_Return);
        QCOMPARE(wahl->count(), 26);
        QCOMPARE(wahl->currentText(), QStringLiteral("xy"));
    }

    void lage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rechteck");
        QTest::newRow("GroupBox1") << "GroupBox1" << QRect(344, 24, 201, 257);
        QTest::newRow("RichEdit1") << "RichEdit1" << QRect(8, 16, 185, 233);
        QTest::newRow("GroupBox2") << "GroupBox2" << QRect(8, 24, 329, 257);
        QTest::newRow("PaintBox1") << "PaintBox1" << QRect(8, 8, 297, 225);
        QTest::newRow("eB") << "eB" << QRect(88, 112, 40, 21);
        QTest::newRow("eC") << "eC" << QRect(160, 230, 40, 21);
        QTest::newRow("eAlpha") << "eAlpha" << QRect(64, 192, 40, 21);
        QTest::newRow("eBeta") << "eBeta" << QRect(256, 192, 40, 21);
        QTest::newRow("eGamma") << "eGamma" << QRect(192, 56, 40, 21);
        QTest::newRow("eA") << "eA" << QRect(272, 112, 40, 21);
        QTest::newRow("cbA") << "cbA" << QRect(240, 112, 30, 21);
        QTest::newRow("cbB") << "cbB" << QRect(56, 112, 30, 21);
        QTest::newRow("cbC") << "cbC" << QRect(128, 230, 30, 21);
        QTest::newRow("cbAlpha") << "cbAlpha" << QRect(32, 192, 30, 21);
        QTest::newRow("cbBeta") << "cbBeta" << QRect(224, 192, 30, 21);
        QTest::newRow("cbGamma") << "cbGamma" << QRect(160, 56, 30, 21);
        QTest::newRow("Panel1") << "Panel1" << QRect(0, 0, 557, 17);
        QTest::newRow("StatusBar1") << "StatusBar1" << QRect(0, 281, 557, 19);
    }
    // Maximising moves nothing in the input area; only the top strip and the status bar
    // follow the window's width.
    void lage() {
        QFETCH(QString, name);
        QFETCH(QRect, rechteck);
        QWidget* teil = Teil<QWidget>(name.toLatin1().constData());
        QCOMPARE(teil->geometry(), rechteck);

        const QSize alt = fenster_->centralWidget()->size();
        fenster_->resize(fenster_->width() + 200, fenster_->height() + 100);
        QTRY_COMPARE(fenster_->centralWidget()->size(), alt + QSize(200, 100));
        if (name == QLatin1String("Panel1")) {
            rechteck.setWidth(757);
        } else if (name == QLatin1String("StatusBar1")) {
            rechteck = QRect(0, 381, 757, 19);
        }
        QCOMPARE(teil->geometry(), rechteck);
    }

    void tabReihenfolge() {
        fenster_->Script().setFocus();
        QStringList weg{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 13; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* fokus = QApplication::focusWidget();
            // An editable combo box hands its focus to its line edit.
            if (qobject_cast<QComboBox*>(fokus->parentWidget())) {
                fokus = fokus->parentWidget();
            }
            weg << fokus->objectName();
        }
        const QStringList erwartet{"RichEdit1", "eB",     "eC",      "eAlpha",   "eBeta",
                                   "eGamma",    "eA",     "cbA",     "cbB",      "cbC",
                                   "cbAlpha",   "cbBeta", "cbGamma", "RichEdit1"};
        QCOMPARE(weg, erwartet);
    }

    // Screen readers must be able to tell the twelve input controls apart.
    void zugangsnamen() {
        QStringList namen;
        for (QWidget* teil : Teil<QGroupBox>("GroupBox2")->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(teil) && !qobject_cast<QComboBox*>(teil->parent())) {
                namen << teil->accessibleName();
            } else if (qobject_cast<QComboBox*>(teil)) {
                namen << teil->accessibleName();
            }
        }
        QCOMPARE(namen.size(), 12);
        namen.removeDuplicates();
        QCOMPARE(namen.size(), 12);
        QVERIFY(!namen.contains(QString()));
        QCOMPARE(Teil<QLineEdit>("eAlpha")->accessibleName(), QStringLiteral("Winkel Alpha"));
        QCOMPARE(Teil<QComboBox>("cbA")->accessibleName(), QStringLiteral("Buchstabe für Seite a"));
    }

    // What a screen reader is told: each letter chooser by its name, its letter as its
    // value; the Script's text with the Greek letters the screen shows.
    void bildschirmleser() {
        for (const char* name : {"cbA", "cbB", "cbC", "cbAlpha", "cbBeta", "cbGamma"}) {
            auto* wahl = Teil<QComboBox>(name);
            QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(wahl);
            QVERIFY(zugang != nullptr);
            QCOMPARE(zugang->role(), QAccessible::ComboBox);
            QCOMPARE(zugang->text(QAccessible::Name), wahl->accessibleName());
            QCOMPARE(zugang->text(QAccessible::Value), wahl->currentText());
        }
        for (const char* feld : {"eA", "eB", "eC"}) {
            Teil<QLineEdit>(feld)->setText(QString::number(3 + (feld[1] - 'A')));
        }
        QCOMPARE(Befehl("Rechne2").size(), std::size_t{0});
        QAccessibleInterface* script = QAccessible::queryAccessibleInterface(&fenster_->Script());
        QVERIFY(script != nullptr && script->textInterface() != nullptr);
        QCOMPARE(script->text(QAccessible::Name), QStringLiteral("Script"));
        QAccessibleTextInterface* text = script->textInterface();
        QCOMPARE(text->characterCount(), fenster_->Script().Laenge());
        const QStringList zeilen = text->text(0, text->characterCount()).split(QLatin1Char('\n'));
        QCOMPARE(zeilen.value(2), QStringLiteral("a:")); // the side keeps its Latin letter
        QCOMPARE(zeilen.value(9), QStringLiteral("α:"));
        QCOMPARE(zeilen.value(11), QStringLiteral("β :"));
        QCOMPARE(zeilen.value(13), QStringLiteral("γ :"));
        // Read piecewise too, as screen readers read a line at a time.
        const int anfang = fenster_->Script().document()->findBlockByNumber(13).position();
        QCOMPARE(text->text(anfang, anfang + 3), QStringLiteral("γ :"));
    }

    void menue() {
        QStringList gesehen;
        for (QAction* oben : fenster_->menuBar()->actions()) {
            QString zeile = oben->text();
            if (QMenu* menu = oben->menu()) {
                zeile = menu->objectName() + QLatin1Char('=') + zeile + QLatin1Char(':');
                for (QAction* eintrag : menu->actions()) {
                    zeile += QLatin1Char(' ') + eintrag->objectName() + QLatin1Char('=') +
                             (eintrag->isSeparator() ? QStringLiteral("-") : eintrag->text());
                    QVERIFY(eintrag->isEnabled());
                    QVERIFY(eintrag->shortcut().isEmpty());
                }
            } else {
                zeile = oben->objectName() + QLatin1Char('=') + zeile;
            }
            gesehen << zeile;
        }
        const QStringList erwartet{
            "Datei1=&Datei: Druckereinrichten1=Drucker &einrichten N1=- Beenden1=&Beenden",
            "Rechne1=&Rechne: Rechne2=&Rechne N2=- NeueRechnung1=&Neue Rechnung",
            "Script1=&Script: Lschen1=&Löschen IndieZwischenablage1=In die &Zwischenablage "
            "Drucken1=D&rucken",
            "Optionen1=&Optionen",
            "Info1=&Info: Copyright1=&Copyright",
        };
        QCOMPARE(gesehen, erwartet);
    }

    void neueRechnungLeertNurDieEingaben() {
        const char* felder[] = {"eA", "eB", "eC", "eAlpha", "eBeta", "eGamma"};
        for (const char* feld : felder) {
            Teil<QLineEdit>(feld)->setText(QStringLiteral("7"));
        }
        Teil<QComboBox>("cbB")->setEditText(QStringLiteral("q"));
        fenster_->Script().ZeileAnfuegen("Typ: SSS");
        Teil<QLineEdit>("eBeta")->setFocus();
        fenster_->findChild<QAction*>(QStringLiteral("NeueRechnung1"))->trigger();
        for (const char* feld : felder) {
            QVERIFY2(Teil<QLineEdit>(feld)->text().isEmpty(), feld);
        }
        QCOMPARE(Teil<QComboBox>("cbB")->currentText(), QStringLiteral("q"));
        QCOMPARE(fenster_->Script().toPlainText(), QStringLiteral("Typ: SSS\n"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("eBeta"));
    }

    void skizze() {
        QWidget* skizze = Teil<QWidget>("PaintBox1");
        const QImage bild = skizze->grab().toImage();
        const QColor blau(0, 0, 255);
        // Corners and the base exactly; the slanted sides within a pixel of the ideal line.
        const QPoint genau[] = {{10, 215}, {287, 215}, {198, 10}, {150, 215}};
        for (QPoint p : genau) {
            QVERIFY(bild.pixelColor(p) == blau);
        }
        const QPoint schraeg[] = {{104, 113}, {243, 113}};
        for (QPoint p : schraeg) {
            QVERIFY(bild.pixelColor(p) == blau || bild.pixelColor(p + QPoint(1, 0)) == blau ||
                    bild.pixelColor(p - QPoint(1, 0)) == blau);
        }
        const QPoint daneben[] = {{150, 150}, {10, 10}, {290, 100}, {150, 218}};
        for (QPoint p : daneben) {
            QVERIFY(bild.pixelColor(p) != blau);
        }
    }

    void beendenSchliesstOhneFrage() {
        fenster_->Script().ZeileAnfuegen("Typ: SSS");
        const auto boxen = Befehl("Beenden1");
        QCOMPARE(boxen.size(), std::size_t{0});
        QVERIFY(!fenster_->isVisible());
    }
};

QTEST_MAIN(TstHauptfenster)
#include "tst_hauptfenster.moc"
