// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon.h"
#include "kalotri_u.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Only the application name: a display name would be appended by the X11 and
    // Wayland platforms to every window title, and the main window's title is fixed.
    // Message boxes set their caption "Kalotri" themselves.
    QApplication::setApplicationName(QStringLiteral("Kalotri"));
    QApplication::setWindowIcon(ProgrammIcon());
    // Lets desktops match the window to kalotri.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kalotri"));

    // The program speaks German; so shall Qt's own dialogs and standard buttons.
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtDeutsch);
    }

    TForm1 form1;
    form1.show();
    return QApplication::exec();
}
