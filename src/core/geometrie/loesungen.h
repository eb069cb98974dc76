// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dreieck.h"
#include "rechner.h"
#include "scriptprotokoll.h"

#include <string>
#include <vector>

namespace kalotri {

// The triangles one calculation found: none after a message, an error or "Keine Lösung",
// two for an SSW problem with two solutions, else one. Read from the records the run
// left behind (they keep the first solution) and from its Script (type line and the
// SSW headings); what the run keeps to itself (SSS angles, the second SSW solution) is
// worked out again by the same steps.
std::vector<Dreieck> GeloesteDreiecke(const TRechner& rechner, const ScriptProtokoll& script,
                                      const Ausgang& ausgang);

} // namespace kalotri
