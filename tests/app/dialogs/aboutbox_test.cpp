// SPDX-License-Identifier: GPL-3.0-or-later
// The Info dialog and the program icon compiled into the program.

#include "about_u.h"
#include "icon.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

class AboutBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void iconHatAlleGroessen() {
        const QIcon icon = ProgrammIcon();
        QVERIFY(!icon.isNull());
        // Only the sizes window frames draw: the window system is sent every one.
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
        // Not merely present but drawn: the centre of the 32-pixel picture is opaque.
        const QImage bild = icon.pixmap(32, 32).toImage();
        QCOMPARE(bild.size(), QSize(32, 32));
        QCOMPARE(qAlpha(bild.pixel(16, 16)), 255);
    }

    void texte_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("Produktname") << "ProductName"
                                     << "Kalotri";
        QTest::newRow("Version") << "Version"
                                 << "Version 1.0";
        QTest::newRow("Copyright") << "Copyright" << QString();
        QTest::newRow("Kommentar") << "Comments" << QString();
    }

    // Every label shows its whole text inside the panel, whatever font stands in for
    // "MS Sans Serif".
    void texte() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        TAboutBox box;
        auto* label = box.Panel1->findChild<QLabel*>(name);
        QVERIFY(label != nullptr);
        if (!text.isEmpty()) {
            QCOMPARE(label->text(), text);
        }
        QVERIFY(!label->text().isEmpty());
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(box.Panel1->contentsRect().contains(label->geometry()));
        const QFontMetrics fm = label->fontMetrics();
        const QRect noetig =
            fm.boundingRect(QRect(0, 0, label->width(), 1000),
                            int(label->alignment()) | Qt::TextWordWrap, label->text());
        QVERIFY2(noetig.width() <= label->width() && noetig.height() <= label->height(),
                 qPrintable(label->text()));
    }

    void rahmenUndAufbau() {
        TAboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("Info"));
        QCOMPARE(box.minimumSize(), QSize(298, 213));
        QCOMPARE(box.maximumSize(), QSize(298, 213));
        QVERIFY(!(box.windowFlags() &
                  (Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
        QCOMPARE(box.Panel1->geometry(), QRect(8, 8, 281, 161));
        QCOMPARE(box.ProgramIcon->geometry(), QRect(120, 64, 33, 33));
        QVERIFY(box.ProgramIcon->hasScaledContents());
        QVERIFY(!box.ProgramIcon->pixmap().isNull());
        // The very picture the window frames use, not a second decoding of it.
        QCOMPARE(box.ProgramIcon->pixmap().cacheKey(),
                 QGuiApplication::windowIcon().pixmap(32, 32).cacheKey());
        QCOMPARE(box.OKButton->text(), QStringLiteral("OK"));
        QVERIFY(box.OKButton->isDefault());

        box.show();
        const QPoint mitte = box.screen()->availableGeometry().center();
        QVERIFY((box.frameGeometry().center() - mitte).manhattanLength() <= 4);
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(box.isHidden());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "aboutbox_test.moc"
