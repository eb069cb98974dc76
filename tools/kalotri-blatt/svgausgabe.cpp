// SPDX-License-Identifier: GPL-3.0-or-later
#include "svgausgabe.h"

#include "figurensvg.h"
#include "satzdatei.h"

namespace kalotri::blatt {

std::optional<std::string> SchreibeSvgs(const std::string& verzeichnis,
                                        const std::vector<BlattAufgabe>& aufgaben,
                                        Ausgabesatz& satz) {
    if (auto fehler = satz.LegeVerzeichnisAn(verzeichnis)) {
        return fehler;
    }
    for (std::size_t i = 0; i < aufgaben.size(); ++i) {
        if (aufgaben[i].Figuren.empty()) {
            continue;
        }
        const std::string name =
            verzeichnis + "/" +
            QString("aufgabe-%1.svg").arg(i + 1, 3, 10, QChar('0')).toStdString();
        const QByteArray svg = FigurenSvg(aufgaben[i], static_cast<int>(i + 1));
        const auto fehler = SchreibeInSatz(satz, name, [&](QIODevice& datei) { datei.write(svg); });
        if (fehler) {
            return fehler;
        }
    }
    return std::nullopt;
}

} // namespace kalotri::blatt
