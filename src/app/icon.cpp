// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon.h"

#include <QGuiApplication>
#include <QString>

QIcon ProgrammIcon() {
    // One copy for the whole run, kept by the application as every window's icon, so its
    // pictures are decoded once and the window frame and the Info dialog share them.
    if (QGuiApplication::windowIcon().isNull()) {
        // Rendered sizes only: each is drawn for its size, and no icon-engine plugin is
        // needed. Only what title bars, task bars and window switchers draw: X11 sends every
        // size to the server, and a 256-pixel picture alone is a quarter of a megabyte.
        // Larger pictures come from the icon theme, through the desktop entry.
        QIcon icon;
        for (int groesse : {16, 32, 48}) {
            icon.addFile(QStringLiteral(":/kalotri/kalotri-%1.png").arg(groesse),
                         QSize(groesse, groesse));
        }
        QGuiApplication::setWindowIcon(icon);
    }
    return QGuiApplication::windowIcon();
}
