// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kalotri::blatt {

// What the solution pages show of each exercise.
enum class Loesungsform {
    Rechenweg,  // the worked steps with formulas and numbers
    Script,     // the Script's lines, as the program writes them
    Schluessel, // only the values sought
};

} // namespace kalotri::blatt
