// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kalotri {

// Appends the text so that it cannot steer a terminal: every control character (C0, DEL,
// C1) and every byte that is not part of well-formed UTF-8 is shown as "\x1B", "\u009B"
// and the like. Everything else passes unchanged.
void HaengeSichtbarAn(std::string& ziel, std::string_view text);

std::string Sichtbar(std::string_view text);

// Writes "programm: text" and a line end to standard error, the text made visible.
void Melde(std::string_view programm, std::string_view text);

// At most `hoechstens` bytes of the text, cut at a character's start, with "…" where cut.
std::string KuerzeText(const std::string& text, std::size_t hoechstens);

} // namespace kalotri
