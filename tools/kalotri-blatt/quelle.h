// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rechner.h"

#include <optional>
#include <string>
#include <vector>

namespace kalotri::blatt {

struct Aufgabenliste {
    std::vector<Eingabe> Aufgaben;
    std::vector<std::string> Unlesbar; // one German line per refused input line
    std::optional<std::string> Fehler; // a file that cannot be read at all
};

// Reads the exercise lines of the files in turn ("-" or no file at all: standard input).
// Blank lines are skipped; a line with the wrong number of fields is reported with its
// file and line number and left out.
Aufgabenliste LiesAufgaben(const std::vector<std::string>& dateien);

} // namespace kalotri::blatt
