// SPDX-License-Identifier: GPL-3.0-or-later
// The Script box: where lines go, its capacity, clearing and the clipboard.
#include "fehler.h"
#include "fenstertest.h"
#include "script_u.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

class TstScript : public FensterTest {
    Q_OBJECT

    TScript& Script() { return fenster_->Script(); }
    std::vector<GeseheneBox> Rechne345() {
        fenster_->findChild<QLineEdit*>(QStringLiteral("eA"))->setText(QStringLiteral("3"));
        fenster_->findChild<QLineEdit*>(QStringLiteral("eB"))->setText(QStringLiteral("4"));
        fenster_->findChild<QLineEdit*>(QStringLiteral("eC"))->setText(QStringLiteral("5"));
        return Befehl("Rechne2");
    }
    // Fills the Script to exactly `frei` characters below its capacity.
    void FuellenBisAuf(int frei) {
        const std::string zeile(999, 'x');
        while (Script().Laenge() + 1000 <= ScriptKapazitaet - frei) {
            Script().ZeileAnfuegen(zeile);
        }
        const int rest = ScriptKapazitaet - frei - Script().Laenge();
        if (rest > 0) {
            Script().ZeileAnfuegen(std::string(static_cast<std::size_t>(rest - 1), 'y'));
        }
        QCOMPARE(Script().Laenge(), ScriptKapazitaet - frei);
    }

  private slots:

    // Whatever the user did with caret and selection, a line goes to the very end and
    // leaves the caret there.
    void zeileImmerAmEnde_data() {
        QTest::addColumn<int>("anker");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("erwartet");
        const QString zweiZeilen = QStringLiteral("Typ: SSS\nGegeben:\n");
        QTest::newRow("Caret am Anfang") << 0 << 0 << "" << zweiZeilen + "a:\n";
        QTest::newRow("Caret in der Mitte") << 5 << 5 << "" << zweiZeilen + "a:\n";
        QTest::newRow("Auswahl über zwei Zeilen") << 2 << 12 << "" << zweiZeilen + "a:\n";
        QTest::newRow("hinter der letzten Zeile getippt")
            << 18 << 18 << "xy" << zweiZeilen + "xy\na:\n";
    }
    void zeileImmerAmEnde() {
        QFETCH(int, anker);
        QFETCH(int, position);
        QFETCH(QString, getippt);
        QFETCH(QString, erwartet);
        Script().ZeileAnfuegen("Typ: SSS");
        Script().ZeileAnfuegen("Gegeben:");
        QTextCursor cursor = Script().textCursor();
        cursor.setPosition(anker);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        Script().setTextCursor(cursor);
        Script().setFontWeight(QFont::Bold); // what the user might have set at the caret
        if (!getippt.isEmpty()) {
            Script().insertPlainText(getippt);
        }

        Script().ZeileAnfuegen("a:");
        QCOMPARE(Script().toPlainText(), erwartet);
        QCOMPARE(Script().textCursor().position(), Script().Laenge());
        QVERIFY(!Script().textCursor().hasSelection());
        const QTextBlock neu = Script().document()->lastBlock().previous();
        QCOMPARE(neu.begin().fragment().charFormat().fontWeight(), int(QFont::Normal));
    }

    // When the Script is full, a calculation stops at its type line; clearing makes it
    // work again, starting in the box's own face like a fresh Script.
    void kapazitaetUndLoeschen() {
        Script().ZeileAnfuegen("z");
        Script().SchriftSetzen("Arial");
        FuellenBisAuf(9); // "Typ: SSS" and its line break
        QVERIFY_THROWS_EXCEPTION(kalotri::KalotriFehler, Script().ZeileAnfuegen("123456789"));
        Script().ZeileAnfuegen("12345678");
        QCOMPARE(Script().Laenge(), ScriptKapazitaet);

        const auto boxen = Rechne345();
        QCOMPARE(boxen.size(), std::size_t{1});
        QCOMPARE(boxen[0].text, QStringLiteral("Fehler bei Einfügen von RichEdit-Zeile."));
        QCOMPARE(boxen[0].icon, QMessageBox::Critical);
        QCOMPARE(Script().Laenge(), ScriptKapazitaet);

        Befehl("Lschen1");
        QVERIFY(Script().document()->isEmpty());
        QCOMPARE(Rechne345().size(), std::size_t{0});
        const QTextBlock erste = Script().document()->firstBlock();
        QCOMPARE(erste.text(), QStringLiteral("Typ: SSS"));
        QCOMPARE(erste.begin().fragment().charFormat().fontFamilies().toStringList().value(0),
                 QStringLiteral("MS Sans Serif"));
    }

    // One calculation is one edit of the document: laid out once, scrolled to its end,
    // taken back by one undo step; also when the Script fills up in its middle, where
    // the lines written before stay and the one that does not fit is not written.
    void eineRechnungEineAenderung_data() {
        QTest::addColumn<int>("frei");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("fehler");
        QTest::newRow("ganze Rechnung") << ScriptKapazitaet / 2 << 15 << 0;
        // "Typ: SSS", "Gegeben:", "a:", "3,000", "b:" fill 30 characters.
        QTest::newRow("Script voll nach b:") << 30 << 5 << 1;
    }
    void eineRechnungEineAenderung() {
        QFETCH(int, frei);
        QFETCH(int, zeilen);
        QFETCH(int, fehler);
        FuellenBisAuf(frei);
        QTextDocument& dokument = *Script().document();
        const QString vorher = Script().toPlainText();
        const int bloecke = dokument.blockCount();
        QSignalSpy aenderungen(&dokument, &QTextDocument::contentsChange);

        QCOMPARE(int(Rechne345().size()), fehler);
        QCOMPARE(aenderungen.count(), 1);
        QCOMPARE(dokument.blockCount() - bloecke, zeilen);
        const QString t = QString::fromStdString(fenster_->Trennzeichen());
        QVERIFY(Script().toPlainText().endsWith(fehler ? "\n3" + t + "000\nb:\n"
                                                       : QStringLiteral("Cosinussatz)\n")));
        QCOMPARE(Script().textCursor().position(), Script().Laenge());
        QVERIFY(Script().verticalScrollBar()->value() > 0);
        QVERIFY(Script().viewport()->rect().contains(Script().cursorRect()));

        dokument.undo();
        QCOMPARE(Script().toPlainText(), vorher);
    }

    // A paste elsewhere must show alpha, beta and gamma, not the sides' letters.
    void zwischenablageMitGriechisch() {
        Rechne345();
        Befehl("IndieZwischenablage1");
        const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
        QVERIFY(daten->hasText());
        QVERIFY(daten->hasHtml());
        const QStringList text = daten->text().split(QLatin1Char('\n'));
        const QString t = QString::fromStdString(fenster_->Trennzeichen());
        const QStringList erwartet{"Berechnet:",
                                   QStringLiteral("α:"),
                                   "36" + t + QStringLiteral("870° (Cosinussatz)"),
                                   QStringLiteral("β :"),
                                   "53" + t + QStringLiteral("130° (Cosinussatz)"),
                                   QStringLiteral("γ :"),
                                   "90" + t +
                                       QStringLiteral("000° (Winkelsumme, besser: Cosinussatz)")};
        QCOMPARE(text.mid(8, 7), erwartet);
        QCOMPARE(text.value(2), QStringLiteral("a:")); // the side keeps its Latin letter

        QTextDocument html;
        html.setHtml(daten->html());
        QCOMPARE(html.toPlainText().split(QLatin1Char('\n')).mid(8, 7), text.mid(8, 7));
        QVERIFY(!daten->html().contains(QStringLiteral("Symbol")));

        // The Script itself still holds the letters in the face "Symbol".
        QCOMPARE(Script().document()->findBlockByNumber(9).text(), QStringLiteral("a:"));
        QCOMPARE(Script().textCursor().position(), 0);
        QVERIFY(!Script().textCursor().hasSelection());
    }

    void kopierenZeigtDenAnfang() {
        for (int i = 0; i < 40; ++i) {
            Rechne345();
        }
        QScrollBar* leiste = Script().verticalScrollBar();
        QVERIFY(leiste->isVisible());
        QVERIFY(leiste->value() > 0);
        QVERIFY(!Script().horizontalScrollBar()->isVisible());
        Befehl("IndieZwischenablage1");
        QCOMPARE(leiste->value(), 0);
        QCOMPARE(Script().textCursor().position(), 0);
        // The next line still goes to the end.
        Script().ZeileAnfuegen("Ende");
        QVERIFY(Script().toPlainText().endsWith(QStringLiteral("\nEnde\n")));
    }
};

QTEST_MAIN(TstScript)
#include "tst_script.moc"
