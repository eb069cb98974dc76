// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptprotokoll.h"
#include "symbol.h"

#include <gtest/gtest.h>

namespace kalotri {
namespace {

TEST(SymbolZuUnicode, WinkelnamenWerdenGriechisch) {
    EXPECT_EQ(SymbolZuUnicode("a:"), "α:");
    EXPECT_EQ(SymbolZuUnicode("b :"), "β :");
    EXPECT_EQ(SymbolZuUnicode("a: b g"), "α: β γ");
    EXPECT_EQ(SymbolZuUnicode("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), "ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
    EXPECT_EQ(SymbolZuUnicode("abcdefghijklmnopqrstuvwxyz"), "αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
}

TEST(SymbolZuUnicode, Satzzeichen) {
    EXPECT_EQ(SymbolZuUnicode("\"$'*-@\\^`~"), "∀∃∋∗−≅∴⊥‾∼");
    EXPECT_EQ(SymbolZuUnicode("0123456789 :.,()!"), "0123456789 :.,()!");
    // Bytes above ASCII (here UTF-8 "ä") pass through untouched.
    EXPECT_EQ(SymbolZuUnicode("ä"), "ä");
    EXPECT_EQ(SymbolZuUnicode(""), "");
}

TEST(ScriptProtokoll, ZeilenMitIhrerSchrift) {
    ScriptProtokoll script;
    script.ZeileAnfuegen("Typ: SSS");
    script.SchriftSetzen(SchriftSymbol);
    script.ZeileAnfuegen("a:");
    script.SchriftSetzen(SchriftArial);
    script.ZeileAnfuegen("36,870°");
    const std::vector<ScriptZeile> erwartet = {
        {SchriftStandard, "Typ: SSS"}, {SchriftSymbol, "a:"}, {SchriftArial, "36,870°"}};
    EXPECT_EQ(script.Zeilen(), erwartet);
    script.Leeren();
    EXPECT_TRUE(script.Zeilen().empty());
    EXPECT_EQ(script.Schrift(), SchriftStandard);
}

} // namespace
} // namespace kalotri
