// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kalotri::blatt {

// kalotri-blatt --auswertung [-o ÜBERSICHT.pdf] [--csv TABELLE.csv] DATEI...: the pupils'
// results files as one class table (CSV, on standard output without --csv) and a
// one-page overview. Files that are no results file, or damaged, are named with the
// reason and left out. Returns the exit code.
int Auswertung(const std::vector<std::string>& argumente);

} // namespace kalotri::blatt
