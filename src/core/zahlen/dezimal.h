// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace kalotri {

// A typed number exactly: Ganz × 10^Exponent with Ganz a whole number small enough that
// long double holds it, and sums and differences of such, exactly.
struct Dezimal {
    long double Ganz = 0;
    int Exponent = 0;

    long double Wert() const;
};

// The text as an exact decimal ("," or "." as the point, an exponent allowed); none for
// any other text or more digits than long double holds exactly.
std::optional<Dezimal> LiesDezimal(std::string_view text);

// The values as whole numbers of one power of ten, 10^exponent; none where one of them
// would leave the exact range.
std::optional<std::vector<long double>> AufEineStelle(const std::vector<Dezimal>& werte,
                                                      int& exponent);

// x − y exactly, where both fit one power of ten.
std::optional<Dezimal> Differenz(const Dezimal& x, const Dezimal& y);

} // namespace kalotri
