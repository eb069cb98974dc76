// SPDX-License-Identifier: GPL-3.0-or-later
// The marking with the module that enumerates a pupil's routes: the right answers' ranges,
// the decimals and the instruction come from there, so that the practice page and the quiz
// judge alike. Follow-up errors stay with Spielraeume, which takes a pupil's own values.
#include "bewertung.h"

#include "routen.h"

#include <cmath>

namespace kalotri::uebung {

namespace {

std::array<std::vector<Spielraum>, 6> RoutenBereiche(const Uebungsaufgabe& aufgabe,
                                                     std::size_t dreieck, int dezimalen) {
    // routen's range is the hull of the routes' rounded answers, widened by half a unit.
    const long double halbe = std::pow(10.0L, static_cast<long double>(-dezimalen)) / 2;
    std::array<std::vector<Spielraum>, 6> bereiche;
    for (const routen::Spielraum& s :
         routen::Spielraeume(aufgabe.Ergebnis, dreieck, routen::RundungFuer(dezimalen))) {
        bereiche[static_cast<std::size_t>(s.Groesse)] = {{s.Unten, s.Oben, halbe, s.Genau}};
    }
    return bereiche;
}

} // namespace

const Bereichsquelle StandardBereiche = RoutenBereiche;

// As the quiz does: up to two decimals more where the routes need them.
int AntwortDezimalen(const Loesung& loesung) {
    return routen::TrennscharfeDezimalen(loesung, Dezimalen, Dezimalen + 2);
}

std::string Rundungsanweisung(int dezimalen) {
    return routen::Rundungsanweisung(routen::RundungFuer(dezimalen));
}

} // namespace kalotri::uebung
