// SPDX-License-Identifier: GPL-3.0-or-later
// Both number forms on arbitrary doubles (NaN, infinities, denormals included) and masks
// of any length. Input: eight bytes of the double, the count of decimals plus 16, and a
// byte whose lowest bit picks "," or "." as the separator.
//
// Checked: the forms agree with the exact decimal reference; a finite value never reads
// "nan" or "inf"; the fixed form reads back within half a unit of its last decimal (and
// the 18 digits it keeps); the only error is the one of an over-long mask.

#include "dezimal_referenz.h"
#include "fehler.h"
#include "rundformat.h"
#include "zahlform.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

using namespace kalotri;

bool NennteUnendlich(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

// |gelesen - x| within half a unit of the n-th decimal, plus what the 18-digit expansion
// and the reading itself may lose.
void PruefeRueckweg(double x, const std::string& text, int n, const std::string& trennzeichen) {
    std::string punkt = text;
    if (const auto stelle = punkt.find(trennzeichen); stelle != std::string::npos) {
        punkt.replace(stelle, trennzeichen.size(), ".");
    }
    const long double gelesen = std::strtold(punkt.c_str(), nullptr);
    const long double fehler = std::fabs(gelesen - static_cast<long double>(x));
    const long double erlaubt = 0.5L * std::pow(10.0L, -n) +
                                std::fabs(static_cast<long double>(x)) * 1e-17L +
                                std::numeric_limits<double>::denorm_min();
    if (!(fehler <= erlaubt)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < sizeof(double) + 2) {
        return 0;
    }
    double x;
    std::memcpy(&x, daten, sizeof x);
    const int anzahl = static_cast<int>(daten[sizeof x]) - 16; // a few negatives, up to 239
    const std::string trennzeichen = (daten[sizeof x + 1] & 1) ? "," : ".";
    const std::string maske = MaskeFuerAnzahl(anzahl);
    const int n = std::max(anzahl, 0);

    std::string fest;
    try {
        fest = FesteForm(x, maske, trennzeichen);
    } catch (const KalotriFehler&) {
        if (maske.size() <= MaskeMaxLaenge) {
            std::abort();
        }
        return 0;
    }
    if (maske.size() > MaskeMaxLaenge) {
        std::abort();
    }
    const std::string allgemein = AllgemeineForm(x, trennzeichen);
    if (!std::isfinite(x)) {
        if (fest != allgemein || !NennteUnendlich(allgemein)) {
            std::abort();
        }
        return 0;
    }
    if (NennteUnendlich(fest) || NennteUnendlich(allgemein) ||
        allgemein != referenz::AllgemeineForm(x, trennzeichen)) {
        std::abort();
    }
    if (std::fabs(x) >= 1e18) {
        if (fest != allgemein) {
            std::abort();
        }
        return 0;
    }
    if (fest != referenz::FesteForm(x, n, trennzeichen)) {
        std::abort();
    }
    PruefeRueckweg(x, fest, n, trennzeichen);
    return 0;
}
