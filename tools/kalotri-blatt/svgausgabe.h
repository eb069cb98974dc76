// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ausgabesatz.h"
#include "blattaufgabe.h"

#include <optional>
#include <string>
#include <vector>

namespace kalotri::blatt {

// Writes the figures of every exercise that has any as "aufgabe-NNN.svg" (NNN its number
// on the sheet) into the directory, which is made if missing, as part of the set: they
// appear when the set is taken over. Returns the German reason of the first failure.
std::optional<std::string> SchreibeSvgs(const std::string& verzeichnis,
                                        const std::vector<BlattAufgabe>& aufgaben,
                                        Ausgabesatz& satz);

} // namespace kalotri::blatt
