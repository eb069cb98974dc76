// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rechner.h"
#include "scriptprotokoll.h"

#include <string>
#include <vector>

namespace kalotri {

// The lines as the Script shows them, angle letters as Greek letters, followed by
// "Meldung: ..." or "Fehler: ..." (with the error display's full stop) if the run ended so.
std::vector<std::string> SichtbareZeilen(const ScriptProtokoll& script, const Ausgang& ausgang);

} // namespace kalotri
