// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtiausgabe.h"

#include "qtipaket.h"
#include "satzdatei.h"

namespace kalotri::blatt {

std::optional<std::string> SchreibeQti(Ausgabesatz& satz, const std::string& ziel,
                                       std::size_t gruppen, const Aufgabenfolge& folge,
                                       const Darstellung& darstellung, const std::string& titel,
                                       const std::optional<double>& toleranz, Quizbilanz& bilanz,
                                       const Quizmelder& melde) {
    std::optional<std::string> paketfehler;
    auto fehler = SchreibeInSatz(satz, ziel, [&](QIODevice& datei) {
        paketfehler =
            SchreibeQtiPaket(gruppen, folge, darstellung, titel, toleranz, bilanz, melde,
                             [&datei](std::string_view bytes) {
                                 datei.write(bytes.data(), static_cast<qint64>(bytes.size()));
                             });
    });
    // A package the zip cannot hold is given up like one that cannot be written.
    return paketfehler ? paketfehler : fehler;
}

} // namespace kalotri::blatt
