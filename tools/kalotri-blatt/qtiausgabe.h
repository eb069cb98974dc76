// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "moodlequiz.h"

#include "ausgabesatz.h"

#include <optional>
#include <string>

namespace kalotri::blatt {

// The QTI package as one file of the output set: whole or not at all.
std::optional<std::string> SchreibeQti(Ausgabesatz& satz, const std::string& ziel,
                                       std::size_t gruppen, const Aufgabenfolge& folge,
                                       const Darstellung& darstellung, const std::string& titel,
                                       const std::optional<double>& toleranz, Quizbilanz& bilanz,
                                       const Quizmelder& melde);

} // namespace kalotri::blatt
