// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Floating-point text conversions by <charconv> where the standard library has them, by
// the C library where it does not (libc++ 13, which the browser build uses). Both ways are
// compiled everywhere, so that the tests can hold them against each other.
namespace kalotri {

// x as std::to_chars writes it in scientific form with 17 digits after the point, i.e.
// 18 significant digits correctly rounded: "d.ddddddddddddddddde±XX".
std::string Wissenschaftlich18(double x);
std::string Wissenschaftlich18UeberC(double x);

// x as std::to_chars writes it without a format: the fewest significant digits that read
// back as x, fixed or scientific, whichever is shorter (fixed on a tie).
std::string Kuerzeste(double x);
std::string KuerzesteUeberC(double x);

struct GelesenerWert {
    double Wert = 0;
    enum class Stand {
        Gelesen,
        AusserBereich, // too large or too small for a double (±HUGE, or rounds to 0)
        Fehlerhaft,    // the text is not a whole number in the C form
    } Stand = Stand::Fehlerhaft;
};

// A text in the C form ("0.125e3"; decimal point, no blanks) as std::from_chars reads it.
GelesenerWert LiesDouble(std::string_view text);
GelesenerWert LiesDoubleUeberC(std::string_view text);

} // namespace kalotri
