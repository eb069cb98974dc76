// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blattaufgabe.h"

#include <string>
#include <vector>

namespace kalotri::web {

// The extras beside a worked solution, as a JSON array with one object per triangle:
// its figure to scale, laid out by the engine, ready to be drawn as SVG (the polygon,
// arcs as path data, right angles' dots, texts at their centres, all in the figure's own
// units), the legend of the texts shown only by their letter, and its derived quantities
// as lines. A triangle that cannot be drawn is left out. The page draws exactly this and computes
// nothing.
std::string FigurenJson(const std::vector<blatt::Loesungsfigur>& figuren);

} // namespace kalotri::web
