// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arbeitsblatt.h"
#include "moodlefrage.h"
#include "sachaufgabe.h"

namespace kalotri::blatt {

// A word problem as a Cloze question: the situation, its sketch, the questions and a gap
// for each quantity asked; the worked solution and the triangle's figures as feedback.
// toleranz: the same absolute tolerance for every gap instead of the answer's.
// aufgabe: the line that carries it, worked out.
MoodleFrage BaueSachfrage(const Sachaufgabe& s, const GeloesteAufgabe& aufgabe,
                          const Darstellung& darstellung, const std::string& name,
                          const std::string& datei, const std::optional<double>& toleranz);

} // namespace kalotri::blatt
