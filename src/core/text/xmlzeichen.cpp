// SPDX-License-Identifier: GPL-3.0-or-later
#include "xmlzeichen.h"

#include "utf8.h"

#include <cstdint>

namespace kalotri {

namespace {

constexpr std::string_view Ersatz = "\xEF\xBF\xBD"; // U+FFFD

bool XmlErlaubt(std::uint32_t z) {
    return z == 0x9 || z == 0xA || z == 0xD || (z >= 0x20 && z <= 0xD7FF) ||
           (z >= 0xE000 && z <= 0xFFFD) || (z >= 0x10000 && z <= 0x10FFFF);
}

} // namespace

std::string XmlZeichen(std::string_view text) {
    std::string aus;
    aus.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Stueck s = LiesUtf8(text, i);
        if (s.Gueltig && XmlErlaubt(s.Zeichen)) {
            aus.append(text.substr(i, s.Laenge));
        } else {
            aus += Ersatz;
        }
        i += s.Laenge;
    }
    return aus;
}

} // namespace kalotri
