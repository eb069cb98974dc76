// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blattaufgabe.h"

#include <optional>
#include <string>
#include <vector>

namespace kalotri::blatt {

// Writes the figures of every exercise that has any as "aufgabe-NNN.svg" (NNN its number
// on the sheet) into the directory, which is made if missing; each file is written whole
// or not at all. Returns the German reason of the first failure.
std::optional<std::string> SchreibeSvgs(const std::string& verzeichnis,
                                        const std::vector<BlattAufgabe>& aufgaben);

} // namespace kalotri::blatt
