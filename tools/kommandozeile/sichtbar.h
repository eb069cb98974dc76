// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kalotri {

// Appends the text with every control character shown as "\x1B" and the like, so that
// text from the input cannot steer the terminal: C0 controls, DEL, the C1 controls in
// UTF-8 (U+0080 to U+009F) and stray bytes 0x80 to 0x9F. Everything else, invalid UTF-8
// included, passes unchanged.
void HaengeSichtbarAn(std::string& ziel, std::string_view text);

} // namespace kalotri
