// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figur.h"

namespace kalotri {

// Places every label of a figure whose corners are already in page units: corner names
// first, then side labels where they leave those free, then angle labels inside the
// corners. Flat figures get their labels above and below the segment.
void SetzeEtiketten(Figur& figur, const FigurEtiketten& etiketten);

} // namespace kalotri
