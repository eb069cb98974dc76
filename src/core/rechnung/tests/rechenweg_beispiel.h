// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A worked example for the tables of worked solutions: box texts in, the lines out.

#include "groessen.h"
#include "rechenweg.h"
#include "rechner_testhilfe.h"

#include <array>
#include <string>
#include <utility>

namespace kalotri::test {

struct Beispiel {
    const char* Name;
    Eingabe Boxen;
    std::string Erwartet; // the lines, each ended by "\n"
    Zahlformat Format{};
    bool Mehr = false; // with perimeter, area, heights and radii
};

inline Eingabe MitBuchstaben(Eingabe e, std::array<std::string, 6> buchstaben) {
    e.Buchstaben = std::move(buchstaben);
    return e;
}

inline std::string Zeilen(const Beispiel& b) {
    const Loesung l = Berechne(b.Boxen);
    const Wegangaben angaben = b.Mehr ? WeitereAngaben(l, b.Boxen, "") : Wegangaben{};
    std::string text;
    for (const std::string& z : RechenwegZeilen(ErstelleRechenweg(l, b.Format, angaben))) {
        text += z + "\n";
    }
    return text;
}

} // namespace kalotri::test
