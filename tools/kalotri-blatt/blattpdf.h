// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blattaufgabe.h"

#include <QPdfWriter>

#include <functional>
#include <string>
#include <vector>

namespace kalotri::blatt {

struct Blattkopf {
    std::string Titel;
    bool MitLoesungen = true;
};

// The text column of the solutions starts this far from the page's left edge and is at
// least this wide; the figures stand to its right. Tests read the solution text from there.
inline constexpr double LoesungstextLinks = 30;  // mm
inline constexpr double LoesungstextBreite = 82; // mm

// Lays the sheet out on A4 pages and paints it: the exercise pages, then the solutions.
// No exercise is split across two pages. fortschritt hears of every finished page.
// Returns the number of pages.
int SchreibeBlatt(QPdfWriter& pdf, const std::vector<BlattAufgabe>& aufgaben, const Blattkopf& kopf,
                  const std::function<void(int, int)>& fortschritt);

} // namespace kalotri::blatt
