// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog: its count box, the up-down button beside it, and the mask RundFormat
// that every written value depends on.

#include "boxfaenger.h"
#include "fehler.h"
#include "glob_u.h"
#include "opt_u.h"
#include "updown.h"
#include "zahlform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

QString Maske(int dezimalen) {
    return QStringLiteral("0.") + QString(dezimalen, u'0');
}

QString Fehlertext(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Integerwert.").arg(text);
}

QWidget* naechsterImTab(QWidget* w) {
    do {
        w = w->nextInFocusChain();
    } while (!(w->focusPolicy() & Qt::TabFocus));
    return w;
}

} // namespace

class OptionenDlgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ModalWaechter> waechter;
    std::unique_ptr<TOptionenDlg> dlg;

  private slots:
    void init() {
        RundFormat.clear();
        waechter = std::make_unique<ModalWaechter>();
        dlg = std::make_unique<TOptionenDlg>();
    }

    void cleanup() {
        dlg.reset();
        QCOMPARE(waechter->Haengende(), QStringList());
    }

    void dreiDezimalenGleichNachDemErzeugen() {
        QCOMPARE(QString::fromStdString(RundFormat), Maske(3));
        QCOMPARE(dlg->eD->text(), QStringLiteral("3"));
        QCOMPARE(dlg->udD->position(), 3);
    }

    void schritte_data() {
        QTest::addColumn<bool>("perTaste");
        QTest::addColumn<int>("hoch");
        QTest::addColumn<int>("runter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("aenderungen");
        for (bool taste : {false, true}) {
            const char* art = taste ? "Pfeiltaste" : "Klick";
            QTest::addRow("%s: 3 hoch bis 10", art) << taste << 7 << 0 << "10" << 7;
            QTest::addRow("%s: über 10 hinaus bleibt 10", art) << taste << 9 << 0 << "10" << 7;
            QTest::addRow("%s: 3 bis 10, zurück bis 1", art) << taste << 7 << 9 << "1" << 16;
            QTest::addRow("%s: unter 1 bleibt 1", art) << taste << 0 << 5 << "1" << 2;
        }
    }

    void schritte() {
        QFETCH(bool, perTaste);
        QFETCH(int, hoch);
        QFETCH(int, runter);
        QFETCH(QString, text);
        QFETCH(int, aenderungen);
        dlg->show();
        QSignalSpy spy(dlg->eD, &QLineEdit::textChanged);
        auto schritt = [&](QToolButton* knopf, Qt::Key taste) {
            if (perTaste) {
                QTest::keyClick(dlg->eD, taste);
            } else {
                QTest::mouseClick(knopf, Qt::LeftButton);
            }
        };
        for (int i = 0; i < hoch; ++i) {
            schritt(dlg->udD->upButton(), Qt::Key_Up);
        }
        for (int i = 0; i < runter; ++i) {
            schritt(dlg->udD->downButton(), Qt::Key_Down);
        }
        QCOMPARE(dlg->eD->text(), text);
        QCOMPARE(QString::fromStdString(RundFormat), Maske(text.toInt()));
        QCOMPARE(spy.count(), aenderungen);
    }

    void eingabe_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("maske");
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("12 über dem Bereich des Knopfs") << "12" << Maske(12) << QStringList();
        QTest::newRow("0 schreibt ganze Zahlen") << "0" << Maske(0) << QStringList();
        QTest::newRow("negativ schreibt ganze Zahlen") << "-2" << Maske(0) << QStringList();
        QTest::newRow("Dollar-Hex") << "$A" << Maske(10) << QStringList();
        QTest::newRow("0x-Hex") << "0x10" << Maske(16) << QStringList();
        QTest::newRow("führende Blanks") << "  4" << Maske(4) << QStringList();
        for (const char* falsch : {"3.5", "3 ", "drei", "2147483648", "<b>%s</b>", "%1 &amp;"}) {
            QTest::addRow("ungültig: %s", falsch)
                << falsch << Maske(0) << QStringList{Fehlertext(QString::fromUtf8(falsch))};
        }
    }

    void eingabe() {
        QFETCH(QString, text);
        QFETCH(QString, maske);
        QFETCH(QStringList, meldungen);
        dlg->eD->setText(text);
        QCOMPARE(QString::fromStdString(RundFormat), maske);
        QCOMPARE(waechter->nimm(), meldungen);
        QCOMPARE(dlg->eD->text(), text);
    }

    void leerenMeldetEinmalUndNaechsteZifferGilt() {
        dlg->show();
        dlg->eD->setFocus();
        QTest::keyClick(dlg->eD, Qt::Key_End);
        QTest::keyClick(dlg->eD, Qt::Key_Backspace);
        QCOMPARE(waechter->nimm(), QStringList{Fehlertext(QString())});
        QCOMPARE(QString::fromStdString(RundFormat), Maske(0));
        QCOMPARE(dlg->eD->text(), QString());
        QTest::keyClicks(dlg->eD, QStringLiteral("7"));
        QCOMPARE(dlg->eD->text(), QStringLiteral("7"));
        QCOMPARE(QString::fromStdString(RundFormat), Maske(7));
    }

    // The button keeps its own position for counts it cannot take over from the box.
    void schrittNachGetippterAnzahl_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<int>("richtung");
        QTest::addColumn<QString>("danach");
        QTest::newRow("7 im Bereich wird übernommen") << "7" << 1 << "8";
        QTest::newRow("$9 wird als 9 übernommen") << "$9" << 1 << "10";
        QTest::newRow("12 außerhalb: weiter ab 3") << "12" << -1 << "2";
        QTest::newRow("0 außerhalb: weiter ab 3") << "0" << 1 << "4";
        QTest::newRow("ungültig: weiter ab 3") << "x" << 1 << "4";
    }

    void schrittNachGetippterAnzahl() {
        QFETCH(QString, getippt);
        QFETCH(int, richtung);
        QFETCH(QString, danach);
        dlg->eD->setText(getippt);
        waechter->nimm();
        dlg->udD->stepBy(richtung);
        QCOMPARE(dlg->eD->text(), danach);
        QCOMPARE(QString::fromStdString(RundFormat), Maske(danach.toInt()));
    }

    void schliessenBehaeltAnzahl() {
        dlg->show();
        dlg->eD->setText(QStringLiteral("5"));
        QVERIFY(dlg->close());
        QVERIFY(dlg->isHidden());
        QCOMPARE(QString::fromStdString(RundFormat), Maske(5));
        dlg->show();
        QCOMPARE(dlg->eD->text(), QStringLiteral("5"));
        QTest::keyClick(dlg->eD, Qt::Key_Up);
        QCOMPARE(dlg->eD->text(), QStringLiteral("6"));
    }

    void enterImFeldSchliesstMitOk() {
        dlg->show();
        dlg->eD->setFocus();
        QTest::keyClick(dlg->eD, Qt::Key_Return);
        QVERIFY(dlg->isHidden());
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
    }

    void maskenlaenge_data() {
        QTest::addColumn<QString>("anzahl");
        QTest::addColumn<bool>("zuLang");
        QTest::newRow("222 Dezimalen gehen") << "222" << false;
        QTest::newRow("223 Dezimalen zu lang") << "223" << true;
        QTest::newRow("größte 32-Bit-Zahl zu lang") << "2147483647" << true;
    }

    void maskenlaenge() {
        QFETCH(QString, anzahl);
        QFETCH(bool, zuLang);
        dlg->eD->setText(anzahl);
        try {
            const std::string text = kalotri::FesteForm(1.0 / 3.0, RundFormat, ",");
            QVERIFY(!zuLang);
            QVERIFY(text.starts_with("0,3333333333333333"));
            QCOMPARE(text.size(), std::size_t(2 + anzahl.toInt()));
        } catch (const kalotri::KalotriFehler& fehler) {
            QVERIFY(zuLang);
            QCOMPARE(fehler.what(), kalotri::CodeText(kalotri::Code::FormatZuLang));
        }
        dlg->eD->setText(QStringLiteral("2"));
        QCOMPARE(kalotri::FesteForm(0.25, RundFormat, ","), std::string("0,25"));
    }

    void rahmenUndAufbau() {
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Optionen"));
        QCOMPARE(dlg->minimumSize(), QSize(384, 83));
        QCOMPARE(dlg->maximumSize(), QSize(384, 83));
        QVERIFY(
            !(dlg->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowContextHelpButtonHint)));
        QCOMPARE(dlg->eD->geometry(), QRect(152, 32, 25, 21));
        QCOMPARE(dlg->udD->geometry(), QRect(177, 32, 15, 21));
        QCOMPARE(dlg->OKBtn->geometry(), QRect(300, 8, 75, 25));
        QVERIFY(dlg->OKBtn->isDefault());
        QCOMPARE(dlg->findChildren<QPushButton*>().size(), 1);
        QCOMPARE(naechsterImTab(dlg->OKBtn), dlg->eD);
        QCOMPARE(naechsterImTab(dlg->eD), dlg->OKBtn);
        // The row reads as one sentence: label, count, label, nothing cut or overlapping.
        for (QLabel* label : {dlg->Label1, dlg->Label2}) {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
            QVERIFY(dlg->Bevel1->geometry().contains(label->geometry()));
        }
        QVERIFY(dlg->Label1->geometry().right() < dlg->eD->x());
        QVERIFY(dlg->Label2->x() > dlg->udD->geometry().right());
        dlg->show();
        const QPoint mitte = dlg->screen()->availableGeometry().center();
        QVERIFY((dlg->frameGeometry().center() - mitte).manhattanLength() <= 4);
    }
};

QTEST_MAIN(OptionenDlgTest)
#include "optionendlg_test.moc"
