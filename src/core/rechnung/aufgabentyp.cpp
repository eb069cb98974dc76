// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufgabentyp.h"

namespace kalotri {

std::optional<Aufgabentyp> TypAusText(std::string_view text) {
    for (const Aufgabentyp t : AlleTypen) {
        if (text == TypText(t)) {
            return t;
        }
    }
    return std::nullopt;
}

const char* TypText(Aufgabentyp typ) {
    constexpr const char* Texte[] = {"SSS", "SWS", "SSW", "WSW", "SWW"};
    return Texte[static_cast<int>(typ)];
}

} // namespace kalotri
