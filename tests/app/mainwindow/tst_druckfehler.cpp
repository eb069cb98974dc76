// SPDX-License-Identifier: GPL-3.0-or-later
// "D&rucken" when the job cannot reach a printer: the queue refuses jobs, the printer
// chosen in "Drucker &einrichten" was deleted since, the print server has stopped since
// start-up. Each is reported by the general error display, the Script stays as it was
// and the program goes on. A paused queue holds the job; that is no error.
#include "druckserver.h"
#include "fenstertest.h"
#include "glob_u.h"
#include "kalotri_u.h"
#include "script_u.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>

namespace {

enum class Stoerung { Keine, Angehalten, Abgelehnt, GewaehlterGeloescht, ServerWeg };

const QString Eins = QStringLiteral("Kalotri-Eins");
const QString Zwei = QStringLiteral("Kalotri-Zwei");

} // namespace

class TstDruckfehler : public FensterTest {
    Q_OBJECT

    EigenerDruckserver server_;

    void Befehl(const char* name) {
        fenster_->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    std::vector<GeseheneBox> Rechne345() {
        for (const char* feld : {"eA", "eB", "eC"}) {
            fenster_->findChild<QLineEdit*>(QString::fromLatin1(feld))
                ->setText(QString::number(3 + (feld[1] - 'A')));
        }
        return BeantworteBoxen([this] { Befehl("Rechne2"); });
    }
    int Auftraege(const QString& warteschlange) {
        const QString liste =
            server_.Befehl(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"),
                                                      QStringLiteral("-o"), warteschlange});
        return int(liste.count(warteschlange + QLatin1Char('-')));
    }
    // Chooses the queue in the printer set-up dialog as a user would: it comes preset
    // with the default printer, which the queue is made for the moment.
    void Waehle(const QString& warteschlange) {
        server_.Befehl(QStringLiteral("lpadmin"), {QStringLiteral("-d"), warteschlange});
        QTimer abfrage;
        connect(&abfrage, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->accept();
            }
        });
        abfrage.start(50);
        Befehl("Druckereinrichten1");
        server_.Befehl(QStringLiteral("lpadmin"), {QStringLiteral("-d"), Eins});
    }

  private slots:
    void initTestCase() {
        if (!EigenerDruckserver::Moeglich()) {
            if (!qEnvironmentVariableIsEmpty("CI")) {
                QFAIL("CI runs as root with cupsd installed; this test must not skip there.");
            }
            QSKIP("Needs root and cupsd for a print server of its own.");
        }
    }
    void init() {
        RundFormat = "0.000";
        QVERIFY(server_.Starten());
        for (const QString& name : {Eins, Zwei}) {
            server_.Befehl(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
            server_.NeueWarteschlange(name);
        }
        server_.Befehl(QStringLiteral("lpadmin"), {QStringLiteral("-d"), Eins});
        NeuesFenster(false);
    }

    void druckenMeldetVerlust_data() {
        QTest::addColumn<Stoerung>("stoerung");
        QTest::addColumn<bool>("gewaehlt");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("alles bereit") << Stoerung::Keine << false << QString();
        QTest::newRow("Warteschlange angehalten") << Stoerung::Angehalten << false << QString();
        QTest::newRow("Warteschlange lehnt ab")
            << Stoerung::Abgelehnt << false
            << QStringLiteral("Drucken auf „Kalotri-Eins“ nicht möglich: Der Drucker nimmt "
                              "keine Aufträge an.");
        QTest::newRow("gewählter Drucker gelöscht")
            << Stoerung::GewaehlterGeloescht << true
            << QStringLiteral("Drucken auf „Kalotri-Zwei“ nicht möglich: Drucker nicht gefunden.");
        QTest::newRow("Druckserver beendet")
            << Stoerung::ServerWeg << false
            << QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt.");
        QTest::newRow("Druckserver beendet, Drucker gewählt")
            << Stoerung::ServerWeg << true
            << QStringLiteral("Drucken auf „Kalotri-Zwei“ nicht möglich: Der Druckdienst "
                              "antwortet nicht.");
    }
    void druckenMeldetVerlust() {
        QFETCH(Stoerung, stoerung);
        QFETCH(bool, gewaehlt);
        QFETCH(QString, fehler);
        QCOMPARE(Rechne345().size(), std::size_t{0});
        const QString script = fenster_->Script().toPlainText();
        if (gewaehlt) {
            Waehle(Zwei);
        }
        const QString ziel = gewaehlt ? Zwei : Eins;
        switch (stoerung) {
        case Stoerung::Keine:
            break;
        case Stoerung::Angehalten:
            server_.Befehl(QStringLiteral("cupsdisable"), {ziel});
            break;
        case Stoerung::Abgelehnt:
            server_.Befehl(QStringLiteral("cupsreject"), {ziel});
            break;
        case Stoerung::GewaehlterGeloescht:
            server_.Befehl(QStringLiteral("lpadmin"), {QStringLiteral("-x"), ziel});
            break;
        case Stoerung::ServerWeg:
            server_.Beenden();
            break;
        }

        const auto boxen = BeantworteBoxen([this] { Befehl("Drucken1"); });
        QCOMPARE(boxen.size(), std::size_t{fehler.isEmpty() ? 0u : 1u});
        if (!fehler.isEmpty()) {
            QCOMPARE(boxen[0].titel, QStringLiteral("Kalotri"));
            QCOMPARE(boxen[0].icon, QMessageBox::Critical);
            QCOMPARE(boxen[0].text, fehler);
        }
        if (stoerung != Stoerung::ServerWeg && stoerung != Stoerung::GewaehlterGeloescht) {
            QCOMPARE(Auftraege(ziel), fehler.isEmpty() ? 1 : 0);
        }

        // The program goes on as before.
        QCOMPARE(fenster_->Script().toPlainText(), script);
        QCOMPARE(Rechne345().size(), std::size_t{0});
        QVERIFY(fenster_->Script().toPlainText().size() > script.size());
    }
};

QTEST_MAIN(TstDruckfehler)
#include "tst_druckfehler.moc"
