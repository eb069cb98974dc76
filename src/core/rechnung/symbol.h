// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kalotri {

// What a text written in the face "Symbol" shows, as Unicode (UTF-8): the printable
// ASCII characters are mapped through the Adobe Symbol encoding ("a" alpha, "b" beta,
// "g" gamma, ...); everything else passes unchanged.
std::string SymbolZuUnicode(std::string_view text);

} // namespace kalotri
