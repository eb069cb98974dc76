// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blattaufgabe.h"
#include "moodlexml.h"
#include "quelle.h"

#include <functional>
#include <optional>
#include <string>

namespace kalotri::blatt {

// Why an exercise the sheet can show is left out of the quiz (German, no full stop).
using Quizmelder = std::function<void(const Quellzeile&, const std::string&)>;

// The exercises as a Moodle XML quiz, written question by question into `aus`: a
// category named after the title (one subcategory per group when there are groups), one
// Cloze question per exercise. Exercises without a solution to ask for are left out and
// counted in ausgelassen; those whose numbers no gap can hold are also told to `melde`.
void SchreibeMoodleQuiz(const Aufgabenliste& liste, const Darstellung& darstellung,
                        const std::string& titel, const std::optional<double>& toleranz,
                        int& ausgelassen, const Quizmelder& melde,
                        const MoodleSchreiber::Ausgabe& aus);

} // namespace kalotri::blatt
