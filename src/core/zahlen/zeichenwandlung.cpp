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

std::string KuerzesteUeberC(double x) {
    if (x == 0 || !std::isfinite(x)) {
        const char* name = x == 0 ? "0" : std::isinf(x) ? "inf" : "nan";
        return std::string(std::signbit(x) ? "-" : "") + name;
    }
    // The fewest digits that read back: printf rounds correctly at every precision.
    std::string wissenschaftlich;
    for (int nachkomma = 0; nachkomma <= Nachkomma17 - 1; ++nachkomma) {
        std::array<char, 40> puffer{};
        std::snprintf(puffer.data(), puffer.size(), "%.*e", nachkomma, x);
        wissenschaftlich = puffer.data();
        const auto punkt = wissenschaftlich.find(',');
        if (punkt != std::string::npos) {
            wissenschaftlich[punkt] = '.';
        }
        if (LiesDoubleUeberC(wissenschaftlich).Wert == x) {
            break;
        }
    }
    // The same digits in fixed form: "2.5e+02" is "250", "1.5e-05" is "0.000015".
    const bool negativ = wissenschaftlich[0] == '-';
    const auto e = wissenschaftlich.find('e');
    std::string ziffern;
    for (std::size_t i = negativ ? 1 : 0; i < e; ++i) {
        if (wissenschaftlich[i] != '.') {
            ziffern += wissenschaftlich[i];
        }
    }
    const int exponent = std::atoi(wissenschaftlich.c_str() + e + 1);
    std::string fest;
    if (exponent < 0) {
        fest = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + ziffern;
    } else if (ziffern.size() <= static_cast<std::size_t>(exponent) + 1) {
        // x is then a whole number; of the texts of equal length to_chars takes the exact
        // one, so the digits beyond the shortest are x's own, not zeros.
        std::array<char, 320> puffer{};
        std::snprintf(puffer.data(), puffer.size(), "%.0f", std::fabs(x));
        fest = puffer.data();
    } else {
        fest = ziffern.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
               ziffern.substr(static_cast<std::size_t>(exponent) + 1);
    }
    if (negativ) {
        fest.insert(fest.begin(), '-');
    }
    return fest.size() <= wissenschaftlich.size() ? fest : wissenschaftlich;
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

std::string Kuerzeste(double x) {
    std::array<char, 40> puffer{};
    const auto ergebnis = std::to_chars(puffer.data(), puffer.data() + puffer.size(), x);
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

std::string Kuerzeste(double x) {
    return KuerzesteUeberC(x);
}

GelesenerWert LiesDouble(std::string_view text) {
    return LiesDoubleUeberC(text);
}

#endif

} // namespace kalotri
