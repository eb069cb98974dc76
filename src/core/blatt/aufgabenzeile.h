// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rechner.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace kalotri {

// The exercise line format of the batch tools: one exercise per line, the six box texts
// and optionally the six letters, separated by TAB.

// One input line as the six boxes and six letter choosers, or the reason it cannot be one
// (German, without a full stop).
using Aufgabenzeile = std::variant<Eingabe, std::string>;

// A line of `anzahl` fields, of which `felder` holds the first twelve (the others, if any,
// only count).
Aufgabenzeile AusFeldern(const std::array<std::string, 12>& felder, std::size_t anzahl);

// The first line without the byte order mark that editors writing CRLF often put before
// it; it would otherwise make the first box unreadable.
std::string_view OhneBom(std::string_view ersteZeile);

} // namespace kalotri
