// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "loesung.h"
#include "scriptsink.h"
#include "zahlform.h"

namespace kalotri {

// Writes the worked solution to the Script, line by line: the type line, the block of
// given values, the computed values, and after an error only what was computed before
// it. A message writes nothing. Returns the outcome as the window shows it; an error of
// the Script or of the number form stops the writing there and becomes the outcome.
Ausgang SchreibeScript(const Loesung& loesung, const Zahlformat& format, ScriptSink& script);

} // namespace kalotri
