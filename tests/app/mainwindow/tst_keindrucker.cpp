// SPDX-License-Identifier: GPL-3.0-or-later
// Without any printer (CUPS pointed at nowhere by the test's environment) both
// printing commands fail through the general error display, before any dialog.
#include "boxfaenger.h"
#include "kalotri_u.h"
#include "script_u.h"

#include <QPrinterInfo>
#include <QTest>

class TstKeinDrucker : public QObject {
    Q_OBJECT

    ModalWaechter waechter_;

  private slots:
    void initTestCase() { QVERIFY(QPrinterInfo::defaultPrinter().isNull()); }

    void fehlerStattDruck_data() {
        QTest::addColumn<QString>("befehl");
        QTest::newRow("Drucken") << "Drucken1";
        QTest::newRow("Drucker einrichten") << "Druckereinrichten1";
    }
    void fehlerStattDruck() {
        QFETCH(QString, befehl);
        TForm1 fenster;
        fenster.Script().ZeileAnfuegen("Typ: SSS");
        const auto boxen = BeantworteBoxen([&] { fenster.findChild<QAction*>(befehl)->trigger(); });
        QCOMPARE(boxen.size(), std::size_t{1});
        QCOMPARE(boxen[0].titel, QStringLiteral("Kalotri"));
        QCOMPARE(boxen[0].text, QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt."));
        QCOMPARE(boxen[0].icon, QMessageBox::Critical);
        QCOMPARE(waechter_.Haengende(), QStringList());
    }
};

QTEST_MAIN(TstKeinDrucker)
#include "tst_keindrucker.moc"
