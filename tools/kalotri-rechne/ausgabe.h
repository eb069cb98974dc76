// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rechner.h"
#include "scriptprotokoll.h"

#include <string>

namespace kalotri::rechne {

// The result of one exercise in the two output forms, each appended to `ziel` and ending
// with a line break.

// Script lines as shown (Symbol lines as Greek letters), then "Meldung: ..." or
// "Fehler: ..." and an empty line. Control characters from the input are shown escaped.
void HaengeTextAn(std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang);

// One JSON object on one line; texts as written to the Script, error without full stop.
void HaengeJsonAn(std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang);

} // namespace kalotri::rechne
