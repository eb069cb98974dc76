// SPDX-License-Identifier: GPL-3.0-or-later
// What a real X server shows (run under xvfb-run with the xcb platform): the exact
// window title, the sketch's blue lines, and Greek letters from the face "Symbol".
#include "glob_u.h"
#include "kalotri_u.h"

#include <QComboBox>
#include <QProcess>
#include <QScreen>
#include <QTest>

class TstBildschirm : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm1> fenster_;

    QImage Bild(QWidget* teil) {
        const QPoint oben = teil->mapTo(fenster_.get(), QPoint(0, 0));
        return fenster_->screen()
            ->grabWindow(fenster_->winId(), oben.x(), oben.y(), teil->width(), teil->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

  private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        RundFormat = "0.000";
        fenster_ = std::make_unique<TForm1>();
        fenster_->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster_.get()));
        QTest::qWait(200);
    }
    void cleanupTestCase() { fenster_.reset(); }

    // X11 would append an application display name to the title if one were set.
    void titelAufDemServer() {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-id"), QString::number(fenster_->winId()),
                     QStringLiteral("_NET_WM_NAME")});
        QVERIFY(xprop.waitForFinished(10000));
        QCOMPARE(
            QString::fromUtf8(xprop.readAllStandardOutput()).trimmed(),
            QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"Übungen zu Sinussatz und Cosinussatz\""));
    }

    void skizzeInBlau() {
        const QImage bild = Bild(fenster_->findChild<QWidget*>(QStringLiteral("PaintBox1")));
        const QRgb blau = qRgb(0, 0, 255);
        for (QPoint p : {QPoint(10, 215), QPoint(287, 215), QPoint(198, 10), QPoint(100, 215)}) {
            QCOMPARE(bild.pixel(p), blau);
        }
        // Both slanted sides cross every row between apex and base, except where the
        // input boxes lie on top of them (rows 48-69, 104-125 and 184-205 of the sketch).
        for (int y : {12, 30, 45, 75, 95, 100, 130, 160, 180}) {
            int treffer = 0;
            for (int x = 0; x < bild.width(); ++x) {
                treffer += bild.pixel(x, y) == blau;
            }
            QVERIFY2(treffer >= 2, qPrintable(QString::number(y)));
        }
        QCOMPARE(bild.pixel(150, 150) == blau, false);
    }

    void symbolZeigtAndereZeichenAlsArial() {
        auto* wahl = fenster_->findChild<QComboBox*>(QStringLiteral("cbAlpha"));
        const QImage symbol = Bild(wahl);
        QFont arialSchrift = wahl->font();
        arialSchrift.setFamily(QStringLiteral("Arial"));
        wahl->setFont(arialSchrift);
        QTest::qWait(200);
        const QImage arial = Bild(wahl);
        QCOMPARE(wahl->currentText(), QStringLiteral("a"));
        QVERIFY(symbol != arial);
    }
};

QTEST_MAIN(TstBildschirm)
#include "tst_bildschirm.moc"
