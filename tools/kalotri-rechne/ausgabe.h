// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rechner.h"
#include "scriptprotokoll.h"

#include <string>

namespace kalotri::rechne {

// The result of one exercise in the two output forms, each ending with a line break.

// Script lines as shown (Symbol lines as Greek letters), then "Meldung: ..." or
// "Fehler: ..." and an empty line.
std::string AlsText(const ScriptProtokoll& script, const Ausgang& ausgang);

// One JSON object on one line; texts as written to the Script, error without full stop.
std::string AlsJson(const ScriptProtokoll& script, const Ausgang& ausgang);

} // namespace kalotri::rechne
