// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kommandozeile.h"

#include <optional>
#include <string>
#include <vector>

namespace kalotri::rechne {

// What the command line asks for. The count text is kept as typed: it is turned into the
// mask by the same rule as the options dialog's count box, errors included.
struct Optionen {
    bool Json = false;
    bool Rechenweg = false; // the worked steps: instead of the Script lines, or as a JSON key
    bool Mehr = false;      // the worked steps go on to perimeter, area, heights and radii
    bool Hilfe = false;
    bool Version = false;
    std::string DezimalenText = "3";
    std::optional<std::string> Trennzeichen; // none: the locale's
    std::vector<std::string> Dateien;        // exercise files; "-" is standard input
};

using OptionenErgebnis = kalotri::OptionenErgebnis<Optionen>;

// Accepts "--name WERT" and "--name=WERT". The first problem ends the reading.
OptionenErgebnis LiesOptionen(const std::vector<std::string>& argumente);

// The short German usage text of --help.
const char* Hilfetext();

} // namespace kalotri::rechne
