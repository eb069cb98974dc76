// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "moodlequiz.h"
#include "zipschreiber.h"

#include <optional>
#include <string>

namespace kalotri::blatt {

// The exercises as an IMS content package of QTI 2.1, written item by item into `aus`:
// one assessment item per exercise with its pictures, one assessment test holding them in
// order with each group as a section, and imsmanifest.xml naming every resource and file.
// Left out and counted as the Moodle quiz does (see SchreibeMoodleQuiz). The problem if
// the package cannot be made (German, for the user), or nothing.
std::optional<std::string>
SchreibeQtiPaket(std::size_t gruppen, const Aufgabenfolge& folge, const Darstellung& darstellung,
                 const std::string& titel, const std::optional<double>& toleranz,
                 Quizbilanz& bilanz, const Quizmelder& melde, const ZipSchreiber::Ausgabe& aus);

} // namespace kalotri::blatt
