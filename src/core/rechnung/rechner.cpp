// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechner.h"

#include "loesung.h"
#include "scriptausgabe.h"

namespace kalotri {

Ausgang TRechner::Rechne(const Eingabe& eingabe, const Zahlformat& format) {
    return SchreibeScript(BerechneMit(eingabe, Groessen), format, script_);
}

} // namespace kalotri
