// SPDX-License-Identifier: GPL-3.0-or-later
// The one UTF-8 reader and the two ways out of it: JSON and XML get one U+FFFD for each
// ill-formed part, a terminal sees each of its bytes as "\xNN".

#include "sichtbar.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <vector>

namespace kalotri {
namespace {

TEST(Utf8, JedesStueckEinmalGelesen) {
    struct Fall {
        std::string Text;
        std::vector<std::size_t> Stuecke; // lengths, 0 for an ill-formed part
        const char* Json;
        const char* Terminal;
    };
    const std::vector<Fall> faelle = {
        {"a\xCE\xB1", {1, 2}, "a\xCE\xB1", "a\xCE\xB1"},
        // Overlong, a C1 control behind it for a lenient terminal: three parts.
        {"\xE0\x80\x9B", {0, 0, 0}, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", "\\xE0\\x80\\x9B"},
        // A truncated emoji is one part.
        {"\xF0\x9F\x98", {0}, "\xEF\xBF\xBD", "\\xF0\\x9F\\x98"},
        // A surrogate, and a code point beyond U+10FFFF.
        {"\xED\xA0\x80", {0, 0, 0}, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", "\\xED\\xA0\\x80"},
        {"\xF4\x90\x80\x80",
         {0, 0, 0, 0},
         "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD",
         "\\xF4\\x90\\x80\\x80"},
        {"\x1B[2J\xC2\x9B", {1, 1, 1, 1, 2}, "\x1B[2J\xC2\x9B", "\\x1B[2J\\u009B"},
    };
    for (const Fall& f : faelle) {
        std::vector<std::size_t> stuecke;
        for (std::size_t i = 0; i < f.Text.size();) {
            const Utf8Stueck s = LiesUtf8(f.Text, i);
            stuecke.push_back(s.Gueltig ? s.Laenge : 0);
            EXPECT_EQ(Utf8Laenge(f.Text, i), s.Gueltig ? s.Laenge : 0);
            i += s.Laenge;
        }
        EXPECT_EQ(stuecke, f.Stuecke) << Sichtbar(f.Text);
        std::string ersatz;
        EXPECT_EQ(GueltigesUtf8(f.Text, ersatz), f.Json) << Sichtbar(f.Text);
        EXPECT_EQ(Sichtbar(f.Text), f.Terminal);
    }
    EXPECT_EQ(LiesUtf8("\xE2\x82\xAC", 0).Zeichen, U'€');
}

TEST(Utf8, KuerzenAmZeichenanfang) {
    EXPECT_EQ(KuerzeText("abc", 3), "abc");
    EXPECT_EQ(KuerzeText("ab\xCE\xB1", 3), "ab…");
    EXPECT_EQ(KuerzeText("abcd", 2), "ab…");
}

} // namespace
} // namespace kalotri
