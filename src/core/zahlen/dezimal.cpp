// SPDX-License-Identifier: GPL-3.0-or-later
#include "dezimal.h"

#include "gleitkomma.h"

#include <cmath>

namespace kalotri {

namespace {

// Whole numbers up to 2^63 are exact in long double's 64-bit mantissa, with room for a
// sum of two.
constexpr long double Grenze = 9.2e18L;

} // namespace

long double Dezimal::Wert() const {
    // Dividing by an exact power of ten rounds once; multiplying by 10^-n would twice.
    // Through Lang: a typed answer on the page is the native number, also at an interval's edge.
    return Exponent < 0 && Exponent >= -27 ? Lang80(Lang{Ganz} / Lang{Zehnerpotenz(-Exponent)})
                                           : Lang80(Lang{Ganz} * Lang{Zehnerpotenz(Exponent)});
}

std::optional<Dezimal> LiesDezimal(std::string_view text) {
    Dezimal d;
    bool negativ = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negativ = text[i++] == '-';
    }
    bool punkt = false;
    bool ziffer = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ziffer = true;
            d.Ganz = d.Ganz * 10 + (c - '0');
            d.Exponent -= punkt ? 1 : 0;
            if (d.Ganz >= Grenze) {
                return std::nullopt;
            }
        } else if ((c == '.' || c == ',') && !punkt) {
            punkt = true;
        } else {
            break;
        }
    }
    if (!ziffer) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        int hoch = 0;
        bool minus = false;
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) {
            minus = text[j++] == '-';
        }
        if (j == text.size()) {
            return std::nullopt;
        }
        for (; j < text.size() && text[j] >= '0' && text[j] <= '9' && hoch < 100000; ++j) {
            hoch = hoch * 10 + (text[j] - '0');
        }
        d.Exponent += minus ? -hoch : hoch;
        i = j;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    d.Ganz = negativ ? -d.Ganz : d.Ganz;
    return d;
}

std::optional<std::vector<long double>> AufEineStelle(const std::vector<Dezimal>& werte,
                                                      int& exponent) {
    exponent = 0;
    bool erster = true;
    for (const Dezimal& d : werte) {
        if (d.Ganz != 0) {
            exponent = erster ? d.Exponent : std::min(exponent, d.Exponent);
            erster = false;
        }
    }
    std::vector<long double> ganz;
    for (const Dezimal& d : werte) {
        const int schritt = d.Exponent - exponent;
        if (d.Ganz != 0 && (schritt > 19 || std::fabs(d.Ganz) * Zehnerpotenz(schritt) >= Grenze)) {
            return std::nullopt;
        }
        ganz.push_back(d.Ganz == 0 ? 0 : d.Ganz * Zehnerpotenz(schritt));
    }
    return ganz;
}

std::optional<Dezimal> Differenz(const Dezimal& x, const Dezimal& y) {
    int exponent = 0;
    const auto ganz = AufEineStelle({x, y}, exponent);
    if (!ganz) {
        return std::nullopt;
    }
    return Dezimal{(*ganz)[0] - (*ganz)[1], exponent};
}

} // namespace kalotri
