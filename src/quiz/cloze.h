// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text for Moodle's embedded-answer (Cloze) questions: HTML that the gap syntax cannot
// mistake for a gap, and the gaps themselves.

#include "frage.h"

#include <string>
#include <string_view>
#include <vector>

namespace kalotri::blatt {

// Plain text as HTML in a Cloze question text: markup characters as entities, and the
// characters the gap syntax uses ({ } # ~ / " \) as character references, so that a
// letter like "{1:NUMERICAL:=1}" stays a letter.
std::string ClozeHtml(std::string_view text);

// Plain text as the feedback of a gap. Moodle decodes a gap's feedback once before it
// stores it as HTML, so it is ClozeHtml once more encoded. The same holds for the
// choices of a drop-down.
std::string ClozeRueckmeldung(std::string_view text);

// A number as a gap reads it: the shortest form that reads back, with a decimal point
// whatever the locale (Moodle takes pupils' "12,5" as 12.5 by itself).
std::string ClozeZahl(double wert);

// The tolerance as written: at most two significant digits, rounded up, so that the
// written tolerance is never below the one computed. Infinity where no such number is
// finite (a tolerance near the largest double): no gap can be written with it.
double AufgerundeteToleranz(double toleranz);

// {1:NUMERICAL:=wert:toleranz#richtig~*#falsch}: one mark, any other answer gets the
// second feedback.
std::string NumerischeLuecke(double wert, double toleranz, std::string_view richtig,
                             std::string_view falsch);

// A number with exactly `stellen` decimals after a point, whatever the locale.
std::string ClozeDezimal(long double wert, int stellen);

// The gap of a question's field: first the rounded value with half a unit (what Moodle
// shows as the right answer), then, where the routes reach further, the whole accepted
// interval; any other answer gets the last feedback.
std::string FeldLuecke(const frage::Antwortfeld& feld, std::string_view richtig,
                       std::string_view falsch);

// {1:MULTICHOICE:...}: a drop-down of the choices in the order given, one of them right.
std::string AuswahlLuecke(const std::vector<std::string>& wahl, std::size_t richtig,
                          std::string_view rueckmeldung);

} // namespace kalotri::blatt
