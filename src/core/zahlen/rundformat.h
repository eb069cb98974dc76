// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalotri {

// Reads a whole number as the options dialog's count box does: leading blanks, optional
// sign, decimal digits or hexadecimal after "$", "x", "X", "0x", "0X"; nothing after it;
// must fit a signed 32-bit integer. std::nullopt for anything else.
std::optional<std::int32_t> LiesGanzzahl(std::string_view text);

// The mask for a count of decimals: "0." and N zeros (just "0." for N <= 0). Counts so
// large that the mask would be refused anyway give a mask that is merely too long,
// rather than one of gigabytes.
std::string MaskeFuerAnzahl(std::int32_t anzahl);

} // namespace kalotri
