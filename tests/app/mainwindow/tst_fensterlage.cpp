// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window manager puts the dialogs (run under openbox on a real X server): centred
// on the screen at every opening, however the last one ended.
#include "about_u.h"
#include "fenstertest.h"
#include "opt_u.h"

#include <QScreen>

class TstFensterlage : public FensterTest {
    Q_OBJECT

    // The frame's offset from the screen's centre once the window manager has framed it.
    static QPoint AbstandVonMitte(QWidget* fenster) {
        // Until the window manager has put its frame around the window, Qt knows only the
        // window's own place.
        if (!QTest::qWaitFor([fenster] { return fenster->frameGeometry() != fenster->geometry(); },
                             5000)) {
            return QPoint(9999, 9999);
        }
        // Then until it has stopped moving it.
        QRect vorher;
        while (fenster->frameGeometry() != vorher) {
            vorher = fenster->frameGeometry();
            QTest::qWait(300);
        }
        return fenster->frameGeometry().center() - fenster->screen()->availableGeometry().center();
    }

    // Opens a dialog ten times from the menu, ending it alternately by its button, by the
    // Escape key and by the window manager's close; returns the offsets seen.
    QStringList ZehnmalOeffnen(const char* befehl, const std::function<QDialog*()>& dialog) {
        QStringList daneben;
        for (int i = 0; i < 10; ++i) {
            QTimer::singleShot(0, [&, i] {
                QDialog* d = dialog();
                const QPoint abstand = AbstandVonMitte(d);
                if (abstand.manhattanLength() > 4) {
                    daneben << QStringLiteral("%1: %2,%3").arg(i).arg(abstand.x()).arg(abstand.y());
                }
                if (i % 3 == 0) {
                    d->accept();
                } else if (i % 3 == 1) {
                    QTest::keyClick(d, Qt::Key_Escape);
                } else {
                    d->close();
                }
            });
            Teil<QAction>(befehl)->trigger();
            QTest::qWait(50);
        }
        return daneben;
    }

  private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    void optionenImmerMittig() {
        const QStringList daneben =
            ZehnmalOeffnen("Optionen1", [this] { return &fenster_->Optionen(); });
        QVERIFY2(daneben.isEmpty(), qPrintable(daneben.join(QStringLiteral("; "))));
    }

    void infoImmerMittig() {
        const QStringList daneben =
            ZehnmalOeffnen("Copyright1", [this] { return fenster_->findChild<TAboutBox*>(); });
        QVERIFY2(daneben.isEmpty(), qPrintable(daneben.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TstFensterlage)
#include "tst_fensterlage.moc"
