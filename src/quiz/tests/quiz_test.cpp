// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz's parts on their own: Cloze text that no gap syntax can be read into, gaps as
// Moodle reads them, and the edges of the tolerances.

#include "cloze.h"
#include "loesung.h"
#include "rechner_testhilfe.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalotri::blatt {
namespace {

TEST(Cloze, NichtsImTextWirdZurLuecke) {
    struct Fall {
        const char* Text;
        const char* Html;
    };
    const Fall faelle[] = {
        {"a = 7 cm", "a = 7 cm"},
        {"{1:NUMERICAL:=1}", "&#123;1:NUMERICAL:=1&#125;"},
        {"<b>&amp;</b>", "&lt;b&gt;&amp;amp;&lt;&#47;b&gt;"},
        {"x~y#z\"'\\", "x&#126;y&#35;z&#34;&#39;&#92;"},
        {"α = 40°", "α = 40°"}, // UTF-8 passes as it is
        {"", ""},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(ClozeHtml(f.Text), f.Html) << f.Text;
    }
    // Feedback is decoded once more by Moodle: encoded twice.
    EXPECT_EQ(ClozeRueckmeldung("a<b"), ClozeHtml(ClozeHtml("a<b")));
}

TEST(Cloze, LueckenUndIhreZahlen) {
    EXPECT_EQ(ClozeZahl(12.5), "12.5");
    EXPECT_EQ(ClozeZahl(0.1), "0.1");
    EXPECT_EQ(std::stod(ClozeZahl(1.0 / 3)), 1.0 / 3);
    // Rounded up to two significant digits, never below the tolerance computed.
    EXPECT_EQ(AufgerundeteToleranz(0.0005), 0.0005);
    EXPECT_GE(AufgerundeteToleranz(0.000512), 0.000512);
    EXPECT_LE(AufgerundeteToleranz(0.000512), 0.00052 * (1 + 1e-12));
    const std::string luecke = NumerischeLuecke(7.5, 0.01, "Richtig.", "a {x}");
    EXPECT_EQ(luecke.rfind("{1:NUMERICAL:=7.5:0.01#", 0), 0u) << luecke;
    EXPECT_EQ(luecke.find("{x}"), std::string::npos) << luecke;
    EXPECT_EQ(luecke.back(), '}');
}

} // namespace
} // namespace kalotri::blatt
