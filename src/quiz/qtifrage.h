// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arbeitsblatt.h"
#include "qtiitem.h"

#include <optional>
#include <string>

namespace kalotri::blatt {

// The exercise's question as an item, rendered from the question model: its text, the
// sketch, the rounding instruction and the decimal point to type, one gap per field in
// the model's order with its words, letter and unit, accepting the model's right
// intervals; the worked steps and the figure as feedback. Nothing for an exercise without
// a question. name: the title; kennung: identifier and file stem of the item and its
// pictures. toleranz: the same absolute tolerance around each value instead of the
// routes'. dezimalen: set to the most decimals a field demands. grund: why an exercise
// with a solution gives no item (numbers no platform can hold), else left alone.
std::optional<QtiFrage> BaueQtiFrage(const GeloesteAufgabe& aufgabe, const Darstellung& darstellung,
                                     const std::string& name, const std::string& kennung,
                                     const std::optional<double>& toleranz, int& dezimalen,
                                     std::string& grund);

} // namespace kalotri::blatt
