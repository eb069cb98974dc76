// SPDX-License-Identifier: GPL-3.0-or-later
// The C-library conversions stand in for <charconv> where the standard library lacks it
// (the browser build); here both exist, and they must agree bit for bit.
#include "zeichenwandlung.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kalotri {
namespace {

std::vector<double> Pruefwerte() {
    std::vector<double> werte = {0.0,
                                 1.0,
                                 0.1,
                                 1.0005,
                                 9.9996,
                                 59.99999999999999,
                                 1e17,
                                 999999999999999999.0,
                                 std::numeric_limits<double>::min(),
                                 std::numeric_limits<double>::denorm_min(),
                                 std::numeric_limits<double>::max()};
    std::mt19937_64 zufall(20261208);
    for (int i = 0; i < 20000; ++i) {
        // Every bit pattern of a finite double is as likely as any other.
        const double x = std::bit_cast<double>(zufall());
        if (std::isfinite(x)) {
            werte.push_back(std::fabs(x));
        }
    }
    std::uniform_real_distribution<double> schulwerte(0, 1000);
    for (int i = 0; i < 20000; ++i) {
        werte.push_back(schulwerte(zufall));
    }
    return werte;
}

TEST(Zeichenwandlung, SchreibenUeberCGleichtCharconv) {
    for (const double x : Pruefwerte()) {
        ASSERT_EQ(Wissenschaftlich18UeberC(x), Wissenschaftlich18(x)) << x;
    }
}

TEST(Zeichenwandlung, KuerzesteUeberCGleichtCharconv) {
    std::vector<double> werte = Pruefwerte();
    for (const double x : {250.0, -250.0, 0.000015, 1e15, 1e16, 123456.0, 1e22, 5e-324, -0.0}) {
        werte.push_back(x);
    }
    for (const double x : werte) {
        ASSERT_EQ(KuerzesteUeberC(x), Kuerzeste(x)) << x;
        ASSERT_EQ(KuerzesteUeberC(-x), Kuerzeste(-x)) << -x;
    }
}

TEST(Zeichenwandlung, LesenUeberCGleichtCharconv) {
    std::vector<std::string> texte = {"0.1e1",
                                      "0.5e0",
                                      "0.1e-323",
                                      "0.1e-324",
                                      "0.25e-323",
                                      "0.9e-307",
                                      "0.17976931348623157e309",
                                      "0.2e309",
                                      "0.1e310",
                                      "0.1e-330",
                                      "0.",
                                      "0.1e"};
    for (const double x : Pruefwerte()) {
        texte.push_back(Wissenschaftlich18(x)); // also a valid C form
    }
    for (const std::string& text : texte) {
        const GelesenerWert c = LiesDoubleUeberC(text);
        const GelesenerWert charconv = LiesDouble(text);
        ASSERT_EQ(c.Stand, charconv.Stand) << text;
        if (c.Stand == GelesenerWert::Stand::Gelesen) {
            ASSERT_EQ(std::bit_cast<std::uint64_t>(c.Wert),
                      std::bit_cast<std::uint64_t>(charconv.Wert))
                << text;
        }
    }
}

} // namespace
} // namespace kalotri
