// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rechner.h"

#include <string>
#include <string_view>
#include <variant>

namespace kalotri::rechne {

// One input line as the six boxes and six letter choosers, or the reason it cannot be one
// (German, without a full stop).
using Aufgabe = std::variant<Eingabe, std::string>;

// Fields are separated by TAB; a trailing "\r" (CRLF files) is dropped first.
Aufgabe ZerlegeZeile(std::string_view zeile);

} // namespace kalotri::rechne
