// SPDX-License-Identifier: GPL-3.0-or-later
#include "satzdatei.h"

#include <QFile>

namespace kalotri::blatt {

std::optional<std::string> SchreibeInSatz(Ausgabesatz& satz, const std::string& ziel,
                                          const std::function<void(QIODevice&)>& schreibe) {
    if (auto fehler = satz.Beginne(ziel)) {
        return fehler;
    }
    QFile datei;
    if (!datei.open(satz.Deskriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        return "\"" + ziel + "\" lässt sich nicht schreiben: " + datei.errorString().toStdString();
    }
    schreibe(datei);
    datei.flush();
    if (datei.error() != QFileDevice::NoError) {
        return "\"" + ziel + "\" lässt sich nicht schreiben: " + datei.errorString().toStdString();
    }
    datei.close();
    return satz.Beende();
}

} // namespace kalotri::blatt
