// SPDX-License-Identifier: GPL-3.0-or-later
// The count set in the options dialog, opened from the main window's menu, decides how the
// next calculation writes its values.

#include "boxfaenger.h"
#include "glob_u.h"
#include "kalotri_u.h"
#include "opt_u.h"
#include "script_u.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

class OptionenRechnungTest : public QObject {
    Q_OBJECT

    ModalWaechter waechter;

  private slots:
    void zaehltBeimNaechstenRechnen_data() {
        QTest::addColumn<QString>("anzahl");
        QTest::addColumn<bool>("perOk");
        QTest::addColumn<QString>("alpha");
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("unverändert drei") << "3" << true << "36,870°" << QStringList();
        QTest::newRow("eine, mit OK") << "1" << true << "36,9°" << QStringList();
        QTest::newRow("zwölf, mit dem Schließfeld")
            << "12" << false << "36,869897645844°" << QStringList();
        QTest::newRow("ungültig: ganze Zahlen")
            << "x" << false << "37°" << QStringList{"'x' ist kein gültiger Integerwert."};
    }

    void zaehltBeimNaechstenRechnen() {
        QFETCH(QString, anzahl);
        QFETCH(bool, perOk);
        QFETCH(QString, alpha);
        QFETCH(QStringList, meldungen);
        RundFormat.clear();
        TForm1 form;
        TOptionenDlg& dlg = form.Optionen();
        form.show();

        // Driven from inside the dialog's own modal loop, the way the user would.
        QTimer::singleShot(0, &dlg, [&] {
            QTRY_COMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(&dlg));
            dlg.eD->selectAll();
            QTest::keyClicks(dlg.eD, anzahl);
            if (perOk) {
                QTest::mouseClick(dlg.OKBtn, Qt::LeftButton);
            } else {
                dlg.close();
            }
        });
        form.Optionen1Click();
        QVERIFY(dlg.isHidden());
        QCOMPARE(waechter.nimm(), meldungen);

        const char* felder[] = {"eA", "eB", "eC"};
        for (int i = 0; i < 3; ++i) {
            form.findChild<QLineEdit*>(QString::fromLatin1(felder[i]))
                ->setText(QString::number(3 + i));
        }
        form.Rechne2Click();
        const QString zeile =
            QString(alpha).replace(',', QString::fromStdString(form.Trennzeichen())) +
            QStringLiteral(" (Cosinussatz)");
        const QStringList zeilen = form.Script().toPlainText().split('\n');
        QVERIFY2(zeilen.contains(zeile), qPrintable(zeilen.join('|')));
        QCOMPARE(waechter.nimm(), QStringList());
        QCOMPARE(waechter.Haengende(), QStringList());
    }
};

QTEST_MAIN(OptionenRechnungTest)
#include "optionen_rechnung_test.moc"
