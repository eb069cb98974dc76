// SPDX-License-Identifier: GPL-3.0-or-later
#include "fehler.h"

namespace kalotri {

std::string FehlerAnzeigeText(const std::string& text) {
    // Bytes of a UTF-8 sequence are all above '.', so comparing the last byte treats a
    // trailing umlaut like any letter.
    if (!text.empty() && static_cast<unsigned char>(text.back()) <= '.') {
        return text;
    }
    return text + ".";
}

} // namespace kalotri
