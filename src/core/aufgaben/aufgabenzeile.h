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

// A letter of the choosers needs a few bytes; a longer one is refused with its line, so
// that neither a tool's memory nor its output grows with it.
inline constexpr std::size_t BuchstabeMax = 160; // bytes

// A line of `anzahl` fields, of which `felder` holds the first twelve (the others, if any,
// only count). A box text over MaxTextLaenge bytes or a letter over BuchstabeMax bytes
// makes the line no exercise.
Aufgabenzeile AusFeldern(const std::array<std::string, 12>& felder, std::size_t anzahl);

// How messages name a box: its column in the line and its quantity, "Feld 4 (α)".
std::string FeldName(Feld feld);

// The box a message of the calculation is about with what was typed into it, for a report
// about the line: `Feld 2 (b): "3O"` (control characters shown escaped, a long text cut).
std::string FeldMitText(const Eingabe& eingabe, Feld feld);

// The first line without the byte order mark that editors writing CRLF often put before
// it; it would otherwise make the first box unreadable.
std::string_view OhneBom(std::string_view ersteZeile);

} // namespace kalotri
