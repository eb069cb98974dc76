// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalotri {

// One triangle quantity as read from its input box.
struct TPruef {
    double Wert = 0;         // length, or degrees for an angle
    std::int32_t Status = 1; // 0 given, 1 box empty, 2 text is not a number
    std::string Name;        // display letter
};

inline constexpr std::int32_t StatusGegeben = 0;
inline constexpr std::int32_t StatusLeer = 1;
inline constexpr std::int32_t StatusFehlerhaft = 2;

// Any value a box can hold is written in far fewer characters (with an exponent when it is
// very large or small); a longer text is taken as unreadable, so that neither the window
// nor a tool need keep more of it than this and one character beyond.
inline constexpr std::size_t MaxTextLaenge = 1000;

// Every "," becomes "."; nothing else changes.
std::string KommaZuPunkt(std::string_view text);

// Reads the text of one input box (Status 2 beyond MaxTextLaenge bytes). Name stays empty.
TPruef LiesWert(std::string_view text);

} // namespace kalotri
