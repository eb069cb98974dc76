// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rechner.h"
#include "scriptprotokoll.h"

#include <string>

namespace kalotri::rechne {

// The result of one exercise as text, appended to `ziel`: Script lines as shown (Symbol lines as
// Greek letters), then "Meldung: ..." or "Fehler: ..." and an empty line. Control characters from
// the input are shown escaped.
void HaengeTextAn(std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang);

} // namespace kalotri::rechne
