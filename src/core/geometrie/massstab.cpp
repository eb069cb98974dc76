// SPDX-License-Identifier: GPL-3.0-or-later
#include "massstab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kalotri {

std::optional<long double> MmJeEinheit(std::string_view einheit) {
    constexpr std::array<std::pair<std::string_view, long double>, 5> Einheiten = {
        {{"mm", 1}, {"cm", 10}, {"dm", 100}, {"m", 1000}, {"km", 1000000}}};
    for (const auto& [name, mm] : Einheiten) {
        if (einheit == name) {
            return mm;
        }
    }
    return std::nullopt;
}

long double RunderMassstab(long double hoechstens) {
    const long double stufe = std::pow(10.0L, std::floor(std::log10(hoechstens)));
    // A hair of slack, so that a scale that fits exactly is not lost to rounding.
    const long double m = hoechstens / stufe * (1 + 1e-12L);
    return (m >= 5 ? 5 : m >= 2 ? 2 : 1) * stufe;
}

namespace {

// A whole number as digits, or beyond a billion as "2·10^12" (one face has all of it).
std::string Ganzzahl(long double n) {
    if (n < 1e9L) {
        return std::to_string(std::llround(n));
    }
    const int exponent = static_cast<int>(std::floor(std::log10(n) + 1e-9L));
    const long long mantisse = std::llround(n / std::pow(10.0L, exponent));
    return (mantisse == 1 ? "" : std::to_string(mantisse) + "·") + "10^" + std::to_string(exponent);
}

} // namespace

std::string MassstabText(long double verhaeltnis) {
    if (verhaeltnis >= 1) {
        return "Maßstab " + Ganzzahl(verhaeltnis) + " : 1";
    }
    return "Maßstab 1 : " + Ganzzahl(1 / verhaeltnis);
}

Massstabswahl WaehleMassstab(const std::vector<Groessen>& dreiecke,
                             const std::vector<FigurEtiketten>& etiketten, const Rechteck& rahmen,
                             std::string_view einheit,
                             const std::vector<std::optional<Figurlage>>& lagen) {
    long double passend = std::numeric_limits<long double>::infinity();
    for (std::size_t i = 0; i < dreiecke.size(); ++i) {
        const std::optional<Figurlage> lage = i < lagen.size() ? lagen[i] : std::nullopt;
        passend = std::min(passend, PassenderMassstab(dreiecke[i], rahmen, etiketten[i], lage));
    }
    Massstabswahl wahl;
    if (!std::isfinite(passend) || passend <= 0) {
        return wahl;
    }
    wahl.MmJeLaenge = passend;
    if (const auto mm = MmJeEinheit(einheit)) {
        const long double verhaeltnis = RunderMassstab(passend / *mm);
        wahl.MmJeLaenge = verhaeltnis * *mm;
        wahl.Text = MassstabText(verhaeltnis);
    }
    return wahl;
}

} // namespace kalotri
