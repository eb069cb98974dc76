// SPDX-License-Identifier: GPL-3.0-or-later
// Printing against a real CUPS queue of the tests' own (scripts/setup-cups.sh adds the
// cups-pdf queue "Kalotri-Test" with its own output folder; CTest makes it the default):
// one job titled "Kalotri", as many pages as the Script needs.
#include "druckereinrichtung.h"
#include "fenstertest.h"
#include "glob_u.h"
#include "kalotri_u.h"
#include "script_u.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

namespace {

QDir PdfOrdner() {
    return QDir(QDir::homePath() + QStringLiteral("/PDF-Kalotri-Test"));
}

QStringList KalotriPdfs() {
    return PdfOrdner().entryList({QStringLiteral("Kalotri*.pdf")}, QDir::Files, QDir::Name);
}

// Waits (generously: cups-pdf runs Ghostscript) for one new PDF of the job.
// Ghostscript writes page by page and pauses between pages under load, so a file whose
// size stands still can still be half written; only its closing "%%EOF" says it is whole.
bool PdfFertig(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly) || datei.size() == 0) {
        return false;
    }
    datei.seek(qMax<qint64>(0, datei.size() - 1024));
    return datei.readAll().contains("%%EOF");
}

QString NeuesPdf(const QStringList& vorher) {
    for (int i = 0; i < 600; ++i) {
        for (const QString& name : KalotriPdfs()) {
            const QString pfad = PdfOrdner().filePath(name);
            if (!vorher.contains(name) && PdfFertig(pfad)) {
                return pfad;
            }
        }
        QTest::qWait(100);
    }
    return {};
}

// One field of pdfinfo's report.
QString PdfInfo(const QString& pdf, const QString& feld) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(30000);
    const auto treffer =
        QRegularExpression(QStringLiteral("^") + feld + QStringLiteral(":\\s+(.*)$"),
                           QRegularExpression::MultilineOption)
            .match(QString::fromLocal8Bit(info.readAllStandardOutput()));
    return treffer.captured(1).trimmed();
}

} // namespace

class TstDrucken : public FensterTest {
    Q_OBJECT

    void Drucke() {
        const auto boxen = BeantworteBoxen(
            [this] { fenster_->findChild<QAction*>(QStringLiteral("Drucken1"))->trigger(); });
        QCOMPARE(boxen.size(), std::size_t{0});
    }

  public:
    TstDrucken() : FensterTest(20000) {}

  private slots:
    void initTestCase() {
        if (QPrinterInfo::defaultPrinter().printerName() != QStringLiteral("Kalotri-Test")) {
            // In CI the test command sets the printer up; a skip there would hide a fault.
            if (!qEnvironmentVariableIsEmpty("CI")) {
                QFAIL("No queue Kalotri-Test although scripts/setup-cups.sh ran.");
            }
            QSKIP("No queue Kalotri-Test: run scripts/setup-cups.sh first.");
        }
    }
    void init() {
        RundFormat = "0.000";
        // Shown, so that the Script's text has the box's narrow width, as when the user
        // prints.
        NeuesFenster(false);
    }

    void seitenJeNachLaenge_data() {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("mindestens");
        QTest::addColumn<int>("hoechstens");
        QTest::newRow("leeres Script: eine leere Seite") << 0 << 1 << 1;
        QTest::newRow("zweihundert Zeilen: mehrere Seiten") << 200 << 2 << 6;
        // One pasted line without a break opportunity, as long as the Script holds.
        QTest::newRow("eine Zeile ohne Umbruch") << -1 << 2 << 20;
    }
    void seitenJeNachLaenge() {
        QFETCH(int, zeilen);
        QFETCH(int, mindestens);
        QFETCH(int, hoechstens);
        if (zeilen < 0) {
            fenster_->Script().ZeileAnfuegen(std::string(ScriptKapazitaet - 1, 'x'));
        }
        for (int i = 0; i < zeilen; ++i) {
            fenster_->Script().ZeileAnfuegen("Zeile " + std::to_string(i));
        }
        const QStringList vorher = KalotriPdfs();
        Drucke();
        const QString pdf = NeuesPdf(vorher);
        QVERIFY2(!pdf.isEmpty(), "no PDF named after the job title \"Kalotri\" appeared");
        QVERIFY(QFileInfo(pdf).fileName().startsWith(QStringLiteral("Kalotri")));
        // Ghostscript in cups-pdf may write the title in parentheses.
        QVERIFY(PdfInfo(pdf, QStringLiteral("Title")).contains(QStringLiteral("Kalotri")));
        const int seiten = PdfInfo(pdf, QStringLiteral("Pages")).toInt();
        QVERIFY2(seiten >= mindestens && seiten <= hoechstens, qPrintable(QString::number(seiten)));
        qInfo() << pdf << seiten << "Seiten";
        if (qEnvironmentVariableIsEmpty("KALOTRI_PDF_BEHALTEN")) {
            QFile::remove(pdf);
        }
    }

    // Cancelling the printer dialog changes nothing; confirming makes the choice current.
    void druckerEinrichten_data() {
        QTest::addColumn<bool>("bestaetigen");
        QTest::newRow("abbrechen") << false;
        QTest::newRow("bestätigen") << true;
    }
    void druckerEinrichten() {
        QFETCH(bool, bestaetigen);
        QString titel;
        QString bestaetigung;
        QString aufbau;
        QTimer abfrage;
        connect(&abfrage, &QTimer::timeout, [&] {
            if (auto* dialog =
                    qobject_cast<TDruckereinrichtung*>(QApplication::activeModalWidget())) {
                titel = dialog->windowTitle();
                // Printer, paper and orientation, nothing to print: no page range, no copies.
                QStringList teile;
                for (QWidget* teil : dialog->findChildren<QWidget*>()) {
                    if (teil->inherits("QComboBox") || teil->inherits("QAbstractSpinBox") ||
                        teil->inherits("QLineEdit") || teil->inherits("QAbstractButton")) {
                        teile << QString::fromLatin1(teil->metaObject()->className());
                    }
                }
                teile.sort();
                bestaetigung = dialog->Knoepfe->button(QDialogButtonBox::Ok)->text();
                aufbau = teile.join(QLatin1Char(' '));
                if (bestaetigen) {
                    dialog->rbQuerformat->setChecked(true);
                    // As if the user had typed margins into the dialog's page set-up.
                    dialog->printer()->setPageMargins(QMarginsF(20, 20, 20, 20),
                                                      QPageLayout::Millimeter);
                }
                bestaetigen ? dialog->accept() : dialog->reject();
            }
        });
        abfrage.start(50);
        fenster_->findChild<QAction*>(QStringLiteral("Druckereinrichten1"))->trigger();
        QCOMPARE(titel, QStringLiteral("Drucker einrichten"));
        QVERIFY2(!bestaetigung.contains(QStringLiteral("Drucken"), Qt::CaseInsensitive) &&
                     !bestaetigung.contains(QStringLiteral("&Drucken"), Qt::CaseInsensitive),
                 qPrintable(bestaetigung));
        QCOMPARE(aufbau, QStringLiteral("QComboBox QComboBox QPushButton QPushButton QRadioButton "
                                        "QRadioButton"));
        QCOMPARE(fenster_->Drucker().Gewaehlt(), bestaetigen);
        QCOMPARE(fenster_->Drucker().Printer().pageLayout().orientation(),
                 bestaetigen ? QPageLayout::Landscape : QPageLayout::Portrait);
        QCOMPARE(fenster_->Drucker().Printer().printerName(),
                 QPrinterInfo::defaultPrinter().printerName());
        if (bestaetigen) {
            // The program adds no margins: it prints into the whole printable area.
            const QStringList vorher = KalotriPdfs();
            Drucke();
            const QPageLayout layout = fenster_->Drucker().Printer().pageLayout();
            QCOMPARE(layout.margins(), layout.minimumMargins());
            const QString pdf = NeuesPdf(vorher);
            QVERIFY2(!pdf.isEmpty(), "printing after the set-up dialog gave no PDF");
            QFile::remove(pdf);
        }
    }
};

QTEST_MAIN(TstDrucken)
#include "tst_drucken.moc"
