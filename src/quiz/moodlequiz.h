// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arbeitsblatt.h"

#include <optional>
#include <string>

namespace kalotri::blatt {

// What the teacher should hear about a quiz: exercises without a solution to ask for are
// left out; some questions ask for more decimals than the sheet has.
struct Quizbilanz {
    int Ausgelassen = 0;
    int MehrStellen = 0;
};

// The exercises as a Moodle XML quiz: a category named after the title (one subcategory
// per group when there are groups), one Cloze question per exercise.
std::string MoodleQuizAus(const Arbeitsblatt& blatt, const Darstellung& darstellung,
                          const std::string& titel, const std::optional<double>& toleranz,
                          Quizbilanz& bilanz);

} // namespace kalotri::blatt
