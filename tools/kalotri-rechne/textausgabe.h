// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rechenweg.h"
#include "rechner.h"
#include "scriptprotokoll.h"

#include <string>

namespace kalotri::rechne {

// The result of one exercise as text, appended to `ziel`: Script lines as shown (Symbol lines as
// Greek letters), then "Meldung: ..." or "Fehler: ..." and an empty line. Control characters from
// the input are shown escaped.
void HaengeTextAn(std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang);

// The worked steps of one exercise instead of its Script lines, appended to `ziel`: one line
// each, control characters from the input shown escaped, then an empty line.
void HaengeRechenwegAn(std::string& ziel, const Rechenweg& weg);

} // namespace kalotri::rechne
