// SPDX-License-Identifier: GPL-3.0-or-later
#include "satzdatei.h"

#include "deskriptorgeraet.h"

#include <cstring>

namespace kalotri::blatt {

std::optional<std::string> SchreibeInSatz(Ausgabesatz& satz, const std::string& ziel,
                                          const std::function<void(QIODevice&)>& schreibe) {
    if (auto fehler = satz.Beginne(ziel)) {
        return fehler;
    }
    Deskriptorgeraet datei(satz.Deskriptor());
    schreibe(datei);
    datei.Leere();
    if (datei.Fehlernummer() != 0) {
        return "\"" + ziel +
               "\" lässt sich nicht schreiben: " + std::strerror(datei.Fehlernummer());
    }
    return satz.Beende();
}

} // namespace kalotri::blatt
