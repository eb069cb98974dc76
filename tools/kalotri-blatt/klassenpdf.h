// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "klassentabelle.h"

#include <QPdfWriter>

#include <string>
#include <vector>

namespace kalotri::blatt {

// The class table on one A4 page in landscape: a row per pupil, the class's percent per
// exercise below, and which files were left out and why.
void SchreibeKlassenuebersicht(QPdfWriter& pdf, const ergebnis::Klassentabelle& tabelle,
                               const std::vector<std::string>& uebersprungen);

} // namespace kalotri::blatt
