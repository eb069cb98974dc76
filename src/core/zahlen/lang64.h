// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cfloat>
#include <cmath>
#include <compare>
#include <cstdint>
#include <cstring>

namespace kalotri {

static_assert(LDBL_MANT_DIG == 113, "Lang64 stands in for x87 on IEEE quad long double only");

// long double with the x87's 64-bit mantissa where long double is IEEE quad (WebAssembly):
// every result is rounded to 64 significant bits, ties to even, so that the numbers come
// out as on the x87 wherever a rounding to 113 bits and then to 64 meets a single rounding
// to 64 (all but a few ulps in a hundred thousand exercises). Only with KALOTRI_MANTISSE64.
class Lang64 {
  public:
    Lang64() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): stands in for a built-in type
    Lang64(long double x) : wert_(Runde(x)) {}
    explicit operator long double() const { return wert_; }
    explicit operator double() const { return static_cast<double>(wert_); }

    friend Lang64 operator+(Lang64 x, Lang64 y) { return x.wert_ + y.wert_; }
    friend Lang64 operator-(Lang64 x, Lang64 y) { return x.wert_ - y.wert_; }
    friend Lang64 operator*(Lang64 x, Lang64 y) { return x.wert_ * y.wert_; }
    friend Lang64 operator/(Lang64 x, Lang64 y) { return x.wert_ / y.wert_; }
    friend Lang64 operator-(Lang64 x) { return -x.wert_; }
    friend bool operator==(Lang64 x, Lang64 y) { return x.wert_ == y.wert_; }
    friend std::partial_ordering operator<=>(Lang64 x, Lang64 y) { return x.wert_ <=> y.wert_; }

    // Found by argument-dependent lookup where the engine writes `using std::sin; sin(x)`.
    friend Lang64 sin(Lang64 x) { return std::sin(x.wert_); }
    friend Lang64 cos(Lang64 x) { return std::cos(x.wert_); }
    friend Lang64 atan(Lang64 x) { return std::atan(x.wert_); }
    friend Lang64 sqrt(Lang64 x) { return std::sqrt(x.wert_); }
    friend Lang64 fabs(Lang64 x) { return std::fabs(x.wert_); }
    friend bool isfinite(Lang64 x) { return std::isfinite(x.wert_); }
    friend bool isinf(Lang64 x) { return std::isinf(x.wert_); }

  private:
    // Drops the low 49 of the 112 stored fraction bits, rounding to nearest, ties to
    // even; a carry into the exponent is what rounding up to the next power of 2 needs.
    static long double Runde(long double x) {
        unsigned __int128 bits = 0;
        std::memcpy(&bits, &x, sizeof x);
        constexpr unsigned __int128 Exponent = static_cast<unsigned __int128>(0x7fff) << 112;
        if ((bits & Exponent) == Exponent) {
            return x; // infinity or NaN
        }
        constexpr unsigned __int128 Weg = (static_cast<unsigned __int128>(1) << 49) - 1;
        constexpr unsigned __int128 Haelfte = static_cast<unsigned __int128>(1) << 48;
        const unsigned __int128 rest = bits & Weg;
        bits -= rest;
        if (rest > Haelfte || (rest == Haelfte && ((bits >> 49) & 1) != 0)) {
            bits += Weg + 1;
        }
        std::memcpy(&x, &bits, sizeof x);
        return x;
    }

    long double wert_ = 0;
};

} // namespace kalotri
