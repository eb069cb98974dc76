// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation command as the window runs it: the Script lines with their faces,
// the message boxes and where the focus goes, and the general error display.
#include "fenstertest.h"
#include "glob_u.h"
#include "pruef.h"
#include "script_u.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>

namespace {

const char* const Felder[] = {"eA", "eB", "eC", "eAlpha", "eBeta", "eGamma"};

// Each line of the Script as "face|text", the face of its first character.
QStringList ZeilenMitSchrift(const QTextDocument& dokument) {
    QStringList zeilen;
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty() && !block.next().isValid()) {
            break; // the empty block after the last line break
        }
        const QTextCharFormat format = block.begin().fragment().charFormat();
        zeilen << format.fontFamilies().toStringList().value(0) + QLatin1Char('|') + block.text();
    }
    return zeilen;
}

// The control that holds the window's focus, whether or not the window is active again
// yet after a message box.
QString FokusName(const QWidget& fenster) {
    QWidget* fokus = fenster.focusWidget();
    return fokus ? fokus->objectName() : QStringLiteral("(kein Fokus)");
}

} // namespace

class TstRechnung : public FensterTest {
    Q_OBJECT

    QLineEdit* Feld(const QString& name) { return fenster_->findChild<QLineEdit*>(name); }
    void Eingeben(const QStringList& texte) {
        for (int i = 0; i < 6; ++i) {
            Feld(QString::fromLatin1(Felder[i]))->setText(texte.value(i));
        }
    }
    std::vector<GeseheneBox> Rechne() { return Befehl("Rechne2"); }

  private slots:
    void init() {
        FensterTest::init();
        QCOMPARE(fenster_->Trennzeichen(), std::string(","));
    }

    // The Overview's road of one calculation, and a second run behind it.
    void wegEinerRechnung() {
        Eingeben({"3", "4", "5"});
        QCOMPARE(Rechne().size(), std::size_t{0});
        const QStringList erste{
            "MS Sans Serif|Typ: SSS",
            "MS Sans Serif|Gegeben:",
            "MS Sans Serif|a:",
            "MS Sans Serif|3,000",
            "MS Sans Serif|b:",
            "MS Sans Serif|4,000",
            "MS Sans Serif|c:",
            "MS Sans Serif|5,000",
            "MS Sans Serif|Berechnet:",
            "Symbol|a:",
            QStringLiteral("Arial|36,870° (Cosinussatz)"),
            "Symbol|b :",
            QStringLiteral("Arial|53,130° (Cosinussatz)"),
            "Symbol|g :",
            QStringLiteral("Arial|90,000° (Winkelsumme, besser: Cosinussatz)"),
        };
        QCOMPARE(ZeilenMitSchrift(*fenster_->Script().document()), erste);
        QCOMPARE(Feld("eA")->text(), QStringLiteral("3"));
        QCOMPARE(Feld("eC")->text(), QStringLiteral("5"));
        QCOMPARE(Feld("eGamma")->text(), QString());

        // The face stays "Arial" from one calculation to the next.
        Rechne();
        const QStringList zeilen = ZeilenMitSchrift(*fenster_->Script().document());
        QCOMPARE(zeilen.size(), 2 * erste.size());
        QCOMPARE(zeilen.at(erste.size()), QStringLiteral("Arial|Typ: SSS"));
        QCOMPARE(zeilen.at(erste.size() + 9), QStringLiteral("Symbol|a:"));
    }

    // Two equal sides: under 90° one triangle with equal base angles, from 90° on none;
    // never a second, flat one.
    void gleicheSeiten_data() {
        QTest::addColumn<QString>("alpha");
        QTest::addColumn<QStringList>("ergebnis"); // the lines after "Berechnet:"
        const auto eine = [](const char* beta, const char* gamma, const char* c) {
            return QStringList{"Symbol|b:", QStringLiteral("Arial|%1° (Sinussatz)").arg(beta),
                               "Symbol|g:", QStringLiteral("Arial|%1° (Winkelsumme)").arg(gamma),
                               "Arial|c:",  QStringLiteral("Arial|%1 (Cosinussatz)").arg(c)};
        };
        QTest::newRow("30") << "30" << eine("30,000", "120,000", "8,660");
        QTest::newRow("40") << "40" << eine("40,000", "100,000", "7,660");
        QTest::newRow("89") << "89" << eine("89,000", "2,000", "0,175");
        QTest::newRow("90") << "90" << QStringList{QStringLiteral("Arial|Keine Lösung")};
        QTest::newRow("120") << "120" << QStringList{QStringLiteral("Arial|Keine Lösung")};
    }
    void gleicheSeiten() {
        QFETCH(QString, alpha);
        QFETCH(QStringList, ergebnis);
        Eingeben({"5", "5", "", alpha});
        QCOMPARE(Rechne().size(), std::size_t{0});
        const QStringList zeilen = ZeilenMitSchrift(*fenster_->Script().document());
        QCOMPARE(zeilen.mid(zeilen.indexOf(QStringLiteral("Arial|Berechnet:")) + 1), ergebnis);
    }

    void meldungen_data() {
        QTest::addColumn<QStringList>("eingabe");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("fokus"); // empty: stays in the Script

        QTest::newRow("a ist 0") << QStringList{"0", "4", "5"} << "Der Wert 0 ergibt kein Dreieck!"
                                 << "eA";
        QTest::newRow("a ist -0") << QStringList{"-0"} << "Der Wert 0 ergibt kein Dreieck!"
                                  << "eA";
        QTest::newRow("a fehlerhaft vor b gleich 0")
            << QStringList{"x", "0"} << "Fehlerhafte Eingabe!"
            << "eA";
        QTest::newRow("b fehlerhaft") << QStringList{"3", "x"} << "Fehlerhafte Eingabe!"
                                      << "eB";
        QTest::newRow("nur Leerzeichen") << QStringList{"3", "4", "  "} << "Fehlerhafte Eingabe!"
                                         << "eC";
        QTest::newRow("letztes Feld fehlerhaft vor Überbestimmung")
            << QStringList{"1", "2", "3", "4", "5", "?"} << "Fehlerhafte Eingabe!"
            << "eGamma";
        QTest::newRow("drei Winkel")
            << QStringList{"", "", "", "60", "60", "60"} << "Eingabe unvollständig!"
            << "";
        QTest::newRow("SSS+W") << QStringList{"3", "4", "5", "30"} << "Überbestimmt SSS+W!"
                               << "";
        QTest::newRow("SS+WW") << QStringList{"3", "4", "", "30", "40"} << "Überbestimmt SS+WW!"
                               << "";
        QTest::newRow("S+WWW") << QStringList{"3", "", "", "30", "40", "50"}
                               << "Überbestimmt S+WWW!"
                               << "";
        QTest::newRow("fünf Werte") << QStringList{"3", "4", "5", "30", "40"} << "Überbestimmt!"
                                    << "";
        QTest::newRow("flaches Dreieck") << QStringList{"3", "4", "7"} << "Kein Dreieck!"
                                         << "";
        QTest::newRow("SWS über 180")
            << QStringList{"3", "4", "", "", "", "180,0001"} << "Winkel zu groß!"
            << "";
        QTest::newRow("Winkelsumme")
            << QStringList{"", "", "5", "90", "90.5"} << "Winkelsumme im Dreieck überschritten!"
            << "";
    }
    void meldungen() {
        QFETCH(QStringList, eingabe);
        QFETCH(QString, meldung);
        QFETCH(QString, fokus);
        Eingeben(eingabe);
        fenster_->Script().setFocus();
        const auto boxen = Rechne();
        QCOMPARE(boxen.size(), std::size_t{1});
        QCOMPARE(boxen[0].titel, QStringLiteral("Kalotri"));
        QCOMPARE(boxen[0].text, meldung);
        QCOMPARE(boxen[0].icon, QMessageBox::NoIcon);
        QCOMPARE(boxen[0].knoepfe, QStringList{"OK"});
        QCOMPARE(boxen[0].format, Qt::PlainText);
        // Without an owner a window manager may hide the box behind the window it blocks.
        QCOMPARE(boxen[0].eltern, fenster_.get());
        // Wide enough that a title bar shows "Kalotri" whole beside its icon and three
        // buttons, each some two lines of text wide.
        QFont fett = fenster_->font();
        fett.setBold(true);
        const QFontMetrics titel(fett);
        QVERIFY2(boxen[0].breite >= titel.horizontalAdvance(boxen[0].titel) + 8 * titel.height(),
                 qPrintable(QString::number(boxen[0].breite)));
        QTRY_COMPARE(FokusName(*fenster_), fokus.isEmpty() ? QStringLiteral("RichEdit1") : fokus);
        QVERIFY(fenster_->Script().document()->isEmpty());
    }

    // The boxes take every text up to the longest a number can need, whole: cut short,
    // this one would read as 2.
    void langeEingabeGanz() {
        const QString zwanzig = QStringLiteral("2.") + QString(996, u'0') + QStringLiteral("e1");
        QCOMPARE(zwanzig.size(), int(kalotri::MaxTextLaenge));
        Eingeben({zwanzig, "20", "20"});
        QCOMPARE(Feld("eA")->text(), zwanzig);
        QCOMPARE(Rechne().size(), std::size_t{0});
        const QStringList zeilen = fenster_->Script().toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(zeilen.mid(2, 2), (QStringList{"a:", "20,000"}));
    }

    void zuWenigWerteTutNichts_data() {
        QTest::addColumn<QStringList>("eingabe");
        QTest::newRow("leer") << QStringList{};
        QTest::newRow("ein Wert") << QStringList{"3"};
        QTest::newRow("zwei Werte") << QStringList{"", "4", "", "", "30"};
    }
    void zuWenigWerteTutNichts() {
        QFETCH(QStringList, eingabe);
        Eingeben(eingabe);
        Feld("eBeta")->setFocus();
        QCOMPARE(Rechne().size(), std::size_t{0});
        QVERIFY(fenster_->Script().document()->isEmpty());
        QTRY_COMPARE(FokusName(*fenster_), QStringLiteral("eBeta"));
    }

    // WSW with alpha 100 and beta 80 leaves gamma 0: the sine law divides by zero. The
    // type line stays, and the program goes on with the next command.
    void gleitkommafehler() {
        Eingeben({"", "", "5", "100", "80"});
        const auto boxen = Rechne();
        QCOMPARE(boxen.size(), std::size_t{1});
        QCOMPARE(boxen[0].titel, QStringLiteral("Kalotri"));
        QCOMPARE(boxen[0].text, QStringLiteral("Gleitkommadivision durch Null."));
        QCOMPARE(boxen[0].icon, QMessageBox::Critical);
        QCOMPARE(boxen[0].knoepfe, QStringList{"OK"});
        QVERIFY(fenster_->Script().toPlainText().startsWith(QStringLiteral("Typ: WSW\n")));

        Eingeben({"3", "4", "5"});
        QCOMPARE(Rechne().size(), std::size_t{0});
        QVERIFY(fenster_->Script().toPlainText().contains(QStringLiteral("Typ: SSS")));
    }

    void maskeZuLang() {
        RundFormat = "0." + std::string(223, '0');
        Eingeben({"3", "4", "5"});
        const auto boxen = Rechne();
        QCOMPARE(boxen.size(), std::size_t{1});
        QCOMPARE(boxen[0].text, QStringLiteral("Format-String zu lang."));
        QCOMPARE(boxen[0].icon, QMessageBox::Critical);
        // Stops at the first value line.
        QCOMPARE(fenster_->Script().toPlainText(), QStringLiteral("Typ: SSS\nGegeben:\na:\n"));
    }

    // A letter is the user's text: markup in it must show as it was typed.
    void buchstabeMitMarkup() {
        Eingeben({"3", "4", "5"});
        fenster_->findChild<QComboBox*>(QStringLiteral("cbA"))->setEditText("<b>x</b>&amp;");
        Rechne();
        const QStringList zeilen = ZeilenMitSchrift(*fenster_->Script().document());
        QCOMPARE(zeilen.value(2), QStringLiteral("MS Sans Serif|<b>x</b>&amp;:"));
        const QTextBlock block = fenster_->Script().document()->findBlockByNumber(2);
        QCOMPARE(block.begin().fragment().charFormat().fontWeight(), int(QFont::Normal));
    }
};

int main(int argc, char* argv[]) {
    // The Overview's road is told with a German decimal comma.
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TstRechnung test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_rechnung.moc"
