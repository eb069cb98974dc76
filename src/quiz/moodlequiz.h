// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arbeitsblatt.h"
#include "moodlexml.h"

#include <functional>
#include <optional>
#include <string>

namespace kalotri::blatt {

// What the teacher should hear about a quiz: exercises without a solution to ask for are
// left out; some questions ask for more decimals than the sheet has.
struct Quizbilanz {
    int Ausgelassen = 0;
    int MehrStellen = 0;
};

// Why an exercise the sheet can show is left out of the quiz (German, no full stop).
using Quizmelder = std::function<void(const Quellzeile&, const std::string&)>;

// Hands each exercise of group g in turn, worked out, to its second argument: from a
// worked sheet, or worked out one at a time (LoeseJede) so that none is kept.
using Aufgabenfolge =
    std::function<void(std::size_t g, const std::function<void(const GeloesteAufgabe&)>&)>;

// How a quiz names exercise `nummer` (from 1) of group g: "Gruppe A, Aufgabe 03" and
// "aufgabe-a-03", the plain ASCII stem of its files; without groups "Aufgabe 03" and
// "aufgabe-03". The same for a given seed, whatever the quiz's format.
struct Fragenname {
    std::string Name;
    std::string Datei;
};
Fragenname Benenne(std::size_t g, bool gruppen, int nummer);

// The exercises as a Moodle XML quiz, written question by question into `aus`: a
// category named after the title (one subcategory per group when there are groups), one
// Cloze question per exercise. Exercises without a solution to ask for are left out and
// counted in bilanz.Ausgelassen; those whose numbers no gap can hold are also told to
// `melde`. Questions asking for more decimals than the sheet has count in MehrStellen.
void SchreibeMoodleQuiz(std::size_t gruppen, const Aufgabenfolge& folge,
                        const Darstellung& darstellung, const std::string& titel,
                        const std::optional<double>& toleranz, Quizbilanz& bilanz,
                        const Quizmelder& melde, const MoodleSchreiber::Ausgabe& aus);

} // namespace kalotri::blatt
