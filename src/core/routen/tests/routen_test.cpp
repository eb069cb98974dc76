// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechner_testhilfe.h"
#include "routen.h"

#include <gtest/gtest.h>

namespace kalotri::test {
namespace {

TEST(Routen, Platzhalter) {
    const Loesung l = Berechne(Boxen({{Feld::A, "5"}, {Feld::B, "7"}, {Feld::Alpha, "40"}}));
    const auto s = routen::Spielraeume(l, 0, routen::RundungFuer(3));
    EXPECT_EQ(s.size(), 3U);
}

} // namespace
} // namespace kalotri::test
