// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figur.h"

#include <optional>

namespace kalotri {

// Places every label of a figure whose corners are already in page units: corner names
// first, then side labels where they leave those free, then angle labels inside the
// corners. Flat figures get their labels above and below the segment. A text is taken
// only where it lies within grenze and clear of the others, else the next shorter one;
// without grenze only the shortest texts are placed, as when the scale is still sought.
void SetzeEtiketten(Figur& figur, const FigurEtiketten& etiketten,
                    const std::optional<Rechteck>& grenze);

} // namespace kalotri
