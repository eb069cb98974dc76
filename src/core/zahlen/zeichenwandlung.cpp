// SPDX-License-Identifier: GPL-3.0-or-later
#include "zeichenwandlung.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <version>

namespace kalotri {

namespace {

constexpr int Nachkomma17 = 17;

} // namespace

std::string Wissenschaftlich18UeberC(double x) {
    // printf rounds the exact binary value correctly, as to_chars does, but writes the
    // locale's decimal point, which the window may have set to ','.
    std::array<char, 64> puffer{};
    const int laenge = std::snprintf(puffer.data(), puffer.size(), "%.*e", Nachkomma17, x);
    std::string text(puffer.data(), static_cast<std::size_t>(laenge));
    const auto punkt = text.find_first_of(".,", 0);
    if (punkt != std::string::npos) {
        text[punkt] = '.';
    }
    return text;
}

GelesenerWert LiesDoubleUeberC(std::string_view text) {
    // strtod needs the terminating zero and reads the locale's decimal point.
    std::string kopie(text);
    const char* dezimalpunkt = std::localeconv()->decimal_point;
    if (dezimalpunkt != nullptr && dezimalpunkt[0] != '\0' && dezimalpunkt[1] == '\0') {
        std::replace(kopie.begin(), kopie.end(), '.', dezimalpunkt[0]);
    }
    char* ende = nullptr;
    errno = 0;
    const double wert = std::strtod(kopie.c_str(), &ende);
    GelesenerWert ergebnis;
    ergebnis.Wert = wert;
    if (kopie.empty() || ende != kopie.c_str() + kopie.size()) {
        ergebnis.Stand = GelesenerWert::Stand::Fehlerhaft;
    } else if (errno == ERANGE && (wert == 0 || std::isinf(wert))) {
        // A subnormal result also sets ERANGE; from_chars takes it as read.
        ergebnis.Stand = GelesenerWert::Stand::AusserBereich;
    } else {
        ergebnis.Stand = GelesenerWert::Stand::Gelesen;
    }
    return ergebnis;
}

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

std::string Wissenschaftlich18(double x) {
    std::array<char, 64> puffer{};
    const auto ergebnis = std::to_chars(puffer.data(), puffer.data() + puffer.size(), x,
                                        std::chars_format::scientific, Nachkomma17);
    return {puffer.data(), ergebnis.ptr};
}

GelesenerWert LiesDouble(std::string_view text) {
    GelesenerWert ergebnis;
    const auto [ende, fehler] =
        std::from_chars(text.data(), text.data() + text.size(), ergebnis.Wert);
    if (fehler == std::errc::result_out_of_range) {
        ergebnis.Stand = GelesenerWert::Stand::AusserBereich;
    } else if (fehler != std::errc{} || ende != text.data() + text.size()) {
        ergebnis.Stand = GelesenerWert::Stand::Fehlerhaft;
    } else {
        ergebnis.Stand = GelesenerWert::Stand::Gelesen;
    }
    return ergebnis;
}

#else

std::string Wissenschaftlich18(double x) {
    return Wissenschaftlich18UeberC(x);
}

GelesenerWert LiesDouble(std::string_view text) {
    return LiesDoubleUeberC(text);
}

#endif

} // namespace kalotri
