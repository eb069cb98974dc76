// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kalotri {

// The five kinds of problem, in the order the calculation names them. The solver decides
// the kind of an input; the generator makes exercises of a kind.
enum class Aufgabentyp { SSS, SWS, SSW, WSW, SWW };

inline constexpr std::array<Aufgabentyp, 5> AlleTypen = {
    Aufgabentyp::SSS, Aufgabentyp::SWS, Aufgabentyp::SSW, Aufgabentyp::WSW, Aufgabentyp::SWW};

// "SSS" ... "SWW" (as in the type line), or none for any other text.
std::optional<Aufgabentyp> TypAusText(std::string_view text);
const char* TypText(Aufgabentyp typ);

} // namespace kalotri
