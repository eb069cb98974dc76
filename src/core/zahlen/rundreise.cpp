// SPDX-License-Identifier: GPL-3.0-or-later
#include "zahlform.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace kalotri {

std::string RundreiseForm(double x) {
    std::array<char, 40> puffer{};
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    const auto [ende, fehler] = std::to_chars(puffer.data(), puffer.data() + puffer.size(), x);
    if (fehler == std::errc{}) {
        return {puffer.data(), ende};
    }
#endif
    // Without a floating-point to_chars: the fewest significant digits that read back.
    for (int stellen = 1; stellen <= 17; ++stellen) {
        std::snprintf(puffer.data(), puffer.size(), "%.*g", stellen, x);
        if (std::strtod(puffer.data(), nullptr) == x) {
            break;
        }
    }
    return puffer.data();
}

} // namespace kalotri
