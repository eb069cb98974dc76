// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arbeitsblatt.h"

#include <optional>
#include <string>

namespace kalotri::blatt {

// The exercises as a Moodle XML quiz: a category named after the title (one subcategory
// per group when there are groups), one Cloze question per exercise. Exercises without a
// solution to ask for are left out and counted in ausgelassen.
std::string MoodleQuizAus(const Arbeitsblatt& blatt, const Darstellung& darstellung,
                          const std::string& titel, const std::optional<double>& toleranz,
                          int& ausgelassen);

} // namespace kalotri::blatt
