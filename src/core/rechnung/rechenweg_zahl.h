// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers of the worked steps: what a pupil reads is what the next step computes with.

#include <string>
#include <string_view>

namespace kalotri::weg {

// A number as a step shows it (without unit) and the value that text stands for.
struct Zahl {
    std::string Text;
    long double Wert = 0;
    int Dezimalen = 0; // digits after the separator; -1 for a text in the general form
};

// x rounded to `dezimalen` decimals, ties away from zero, as the fixed form writes it.
Zahl Gerundet(long double x, int dezimalen, std::string_view trenner);

// A given value with the digits the pupil typed ("7,10" stays "7,10"; "+07" reads "7").
// A text with an exponent, or one that does not read as `wert`, is written in the
// general form of the stored value.
Zahl Getippt(std::string_view text, double wert, std::string_view trenner);

// x in scientific notation ("1,2E-8"), for a value the fixed form would show as 0.
Zahl Wissenschaftlich(long double x, std::string_view trenner);

// A text of the fixed or general form read back, with its exponent if it has one.
Zahl Gelesen(const std::string& text, std::string_view trenner);

// The text of the general form, with its value.
Zahl Allgemein(double wert, std::string_view trenner);

} // namespace kalotri::weg
