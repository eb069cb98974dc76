// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "satzstand.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kalotri::ergebnis {

// A learning platform keeps this much for a set in progress (SCORM 1.2's cmi.suspend_data).
inline constexpr std::size_t PauseHoechstens = 4096;

// The state as printable ASCII of at most PauseHoechstens characters: the code, the
// exercise on screen, each exercise's marks, hints and marked answers. Answers are cut
// (never the marks or hints) only should a set ever need more room.
std::string SchreibePause(const Satzstand& stand);

// The state back, or none for anything this page did not write or that does not fit the
// set of its code.
std::optional<Satzstand> LiesPause(std::string_view text);

} // namespace kalotri::ergebnis
