// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blattaufgabe.h"

#include <QByteArray>

namespace kalotri::blatt {

// The figures of an exercise as one SVG file, a millimetre in it a millimetre on paper;
// empty for an exercise without figures. `nummer` is its number on the sheet (the title).
QByteArray FigurenSvg(const BlattAufgabe& aufgabe, int nummer);

} // namespace kalotri::blatt
