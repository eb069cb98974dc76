// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two number forms computed the slow, obvious way: the exact decimal expansion of the
// double by big-integer arithmetic, then the rounding rules digit by digit. The fuzzers
// hold the engine's forms against it.

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace kalotri::referenz {

// |x| = 0.Ziffern × 10^Punkt, Ziffern without leading zeros (empty for 0).
struct Dezimal {
    std::string Ziffern;
    int Punkt = 0;
};

namespace detail {

// Little-endian limbs in base 10^9.
inline void Multipliziere(std::vector<std::uint32_t>& zahl, std::uint32_t faktor) {
    std::uint64_t uebertrag = 0;
    for (std::uint32_t& limb : zahl) {
        const std::uint64_t p = std::uint64_t{limb} * faktor + uebertrag;
        limb = static_cast<std::uint32_t>(p % 1'000'000'000u);
        uebertrag = p / 1'000'000'000u;
    }
    while (uebertrag != 0) {
        zahl.push_back(static_cast<std::uint32_t>(uebertrag % 1'000'000'000u));
        uebertrag /= 1'000'000'000u;
    }
}

inline std::string AlsText(const std::vector<std::uint32_t>& zahl) {
    std::string text = std::to_string(zahl.back());
    for (auto i = zahl.size() - 1; i-- > 0;) {
        const std::string teil = std::to_string(zahl[i]);
        text.append(9 - teil.size(), '0').append(teil);
    }
    return text;
}

// Adds one to the last digit; returns true when the carry made the string longer.
inline bool ZaehleHoch(std::string& ziffern) {
    for (auto i = ziffern.size(); i-- > 0;) {
        if (ziffern[i] != '9') {
            ++ziffern[i];
            return false;
        }
        ziffern[i] = '0';
    }
    ziffern.insert(ziffern.begin(), '1');
    return true;
}

} // namespace detail

// The exact value of a finite |x|.
inline Dezimal Exakt(double x) {
    x = std::fabs(x);
    if (x == 0) {
        return {};
    }
    int e = 0;
    const double bruch = std::frexp(x, &e);
    std::uint64_t m = static_cast<std::uint64_t>(std::ldexp(bruch, 53));
    e -= 53; // x = m × 2^e
    std::vector<std::uint32_t> zahl = {static_cast<std::uint32_t>(m % 1'000'000'000u)};
    if (m >= 1'000'000'000u) {
        zahl.push_back(static_cast<std::uint32_t>(m / 1'000'000'000u % 1'000'000'000u));
        if (m >= 1'000'000'000'000'000'000u) {
            zahl.push_back(static_cast<std::uint32_t>(m / 1'000'000'000'000'000'000u));
        }
    }
    // m × 2^e, or for e < 0 m × 5^-e / 10^-e.
    for (int k = e > 0 ? e : -e; k > 0;) {
        const int schritt = k < 12 ? k : 12;
        std::uint32_t faktor = 1;
        for (int i = 0; i < schritt; ++i) {
            faktor *= e > 0 ? 2u : 5u;
        }
        detail::Multipliziere(zahl, faktor);
        k -= schritt;
    }
    Dezimal d;
    d.Ziffern = detail::AlsText(zahl);
    d.Punkt = static_cast<int>(d.Ziffern.size()) + (e < 0 ? e : 0);
    d.Ziffern.erase(d.Ziffern.find_last_not_of('0') + 1);
    return d;
}

// Rounded to 18 significant digits, ties to even.
inline Dezimal Auf18(Dezimal d) {
    if (d.Ziffern.size() <= 18) {
        return d;
    }
    const std::string rest = d.Ziffern.substr(18);
    d.Ziffern.resize(18);
    const bool mehrAlsHalb =
        rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
    const bool genauHalb = rest[0] == '5' && !mehrAlsHalb;
    if (mehrAlsHalb || (genauHalb && (d.Ziffern.back() - '0') % 2 == 1)) {
        if (detail::ZaehleHoch(d.Ziffern)) {
            d.Ziffern.pop_back();
            ++d.Punkt;
        }
    }
    d.Ziffern.erase(d.Ziffern.find_last_not_of('0') + 1);
    return d;
}

// The fixed form with n decimals of a finite x below 1E18 in magnitude.
inline std::string FesteForm(double x, int n, const std::string& trennzeichen) {
    const Dezimal d = Auf18(Exakt(x));
    // Digit i (0-based) of the unrounded string stands for 10^(Punkt - 1 - i); keep those
    // down to 10^-n.
    std::string stellen; // |x| × 10^n, cut
    char ersteWeg = '0';
    const int behalten = d.Punkt + n;
    for (int i = 0; i < behalten; ++i) {
        stellen +=
            i < static_cast<int>(d.Ziffern.size()) ? d.Ziffern[static_cast<std::size_t>(i)] : '0';
    }
    if (behalten >= 0 && behalten < static_cast<int>(d.Ziffern.size())) {
        ersteWeg = d.Ziffern[static_cast<std::size_t>(behalten)];
    }
    if (ersteWeg >= '5') {
        detail::ZaehleHoch(stellen);
    }
    if (stellen.size() < static_cast<std::size_t>(n) + 1) {
        stellen.insert(0, static_cast<std::size_t>(n) + 1 - stellen.size(), '0');
    }
    stellen.erase(0, std::min(stellen.find_first_not_of('0'), stellen.size() - n - 1));
    const bool null = stellen.find_first_not_of('0') == std::string::npos;
    std::string text = x < 0 && !null ? "-" : "";
    text += stellen.substr(0, stellen.size() - static_cast<std::size_t>(n));
    if (n > 0) {
        text += trennzeichen + stellen.substr(stellen.size() - static_cast<std::size_t>(n));
    }
    return text;
}

// The general form of a finite x.
inline std::string AllgemeineForm(double x, const std::string& trennzeichen) {
    if (x == 0) {
        return "0";
    }
    Dezimal d = Auf18(Exakt(x));
    if (d.Ziffern.size() > 15) {
        const char weg = d.Ziffern[15];
        d.Ziffern.resize(15);
        if (weg >= '5' && detail::ZaehleHoch(d.Ziffern)) {
            d.Ziffern.pop_back();
            ++d.Punkt;
        }
        d.Ziffern.erase(d.Ziffern.find_last_not_of('0') + 1);
    }
    const int e = d.Punkt;
    std::string text = x < 0 ? "-" : "";
    if (e > 15 || e < -3) {
        text += d.Ziffern.substr(0, 1);
        if (d.Ziffern.size() > 1) {
            text += trennzeichen + d.Ziffern.substr(1);
        }
        return text + "E" + std::to_string(e - 1);
    }
    if (e <= 0) {
        return text + "0" + trennzeichen + std::string(static_cast<std::size_t>(-e), '0') +
               d.Ziffern;
    }
    const auto ganz = static_cast<std::size_t>(e);
    if (d.Ziffern.size() <= ganz) {
        return text + d.Ziffern + std::string(ganz - d.Ziffern.size(), '0');
    }
    return text + d.Ziffern.substr(0, ganz) + trennzeichen + d.Ziffern.substr(ganz);
}

} // namespace kalotri::referenz
