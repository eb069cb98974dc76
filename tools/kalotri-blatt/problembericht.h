// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quelle.h"

#include <string>

namespace kalotri::blatt {

// One line on standard error per exercise that cannot be solved: where it is, and why.
// A message about one box (a typo, a zero) names that box and its text; any other quotes
// the line (its start, for a long one).
void MeldeProblem(const Aufgabenliste& liste, const Quellzeile& zeile, const std::string& grund);

} // namespace kalotri::blatt
