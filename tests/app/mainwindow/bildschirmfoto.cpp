// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's picture of the main window after the calculation 3, 4, 5.
// Run under an X server (scripts/screenshot.sh uses xvfb-run): kalotri_bildschirmfoto out.png
#include "glob_u.h"
#include "kalotri_u.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s out.png\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalotri"));
    RundFormat = "0.000";

    TForm1 fenster;
    fenster.findChild<QLineEdit*>(QStringLiteral("eA"))->setText(QStringLiteral("3"));
    fenster.findChild<QLineEdit*>(QStringLiteral("eB"))->setText(QStringLiteral("4"));
    fenster.findChild<QLineEdit*>(QStringLiteral("eC"))->setText(QStringLiteral("5"));
    fenster.show();
    if (!QTest::qWaitForWindowExposed(&fenster)) {
        return 1;
    }
    fenster.Rechne2Click();
    QTest::qWait(300);
    const QPixmap bild = fenster.screen()->grabWindow(fenster.winId());
    return bild.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
