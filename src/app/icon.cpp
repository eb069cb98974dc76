// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon.h"

#include <QString>

QIcon ProgrammIcon() {
    // Rendered sizes only: each is drawn for its size, and no icon-engine plugin is needed.
    QIcon icon;
    for (int groesse : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/kalotri/kalotri-%1.png").arg(groesse),
                     QSize(groesse, groesse));
    }
    return icon;
}
