// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kalotri {

// The one policy for text that goes into XML (the quiz, the SVG figures).
// Text that XML 1.0 takes as it is: each ill-formed part of the UTF-8 (read as the JSON
// reads it, see LiesUtf8) and each character XML forbids (control
// characters, surrogates, U+FFFE/U+FFFF) become U+FFFD; everything else is kept, right-to-
// left marks and emoji too.
std::string XmlZeichen(std::string_view text);

} // namespace kalotri
