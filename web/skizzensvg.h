// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sachskizze.h"

#include <string>

namespace kalotri::web {

// A word problem's sketch as an SVG picture on white, laid out as the sheet lays it out (70 by
// 50 mm, the shape stretched to fill it, labels beside their lines and in their angles); empty
// for no sketch. Text widths are estimated, since the page's fonts are not known here.
std::string SkizzenSvg(const Sachskizze& skizze);

// The same in words for those who cannot see it: the caption, the points, the labels.
std::string SkizzenText(const Sachskizze& skizze);

} // namespace kalotri::web
