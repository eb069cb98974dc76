// SPDX-License-Identifier: GPL-3.0-or-later
// A line set from its known width comes out as the same line laid out anew: the same
// wrapping and the same height, also where a character comes from a stand-in face.

#include "bloecke.h"

#include <QBuffer>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace kalotri::blatt {
namespace {

TEST(Satz, BekannteBreiteSetztWieNeuGesetzt) {
    QBuffer nirgends;
    QPdfWriter pdf(&nirgends);
    pdf.setResolution(600);
    const Satz s(&pdf);
    const char* zeilen[] = {
        "Gegeben: a = 5 cm; b = 7 cm; α = 40°",
        "c₁ = √(5² + 7² − 2·5·7·cos 75,855°) ≈ 7,543 cm",
        "β₁ = sin⁻¹(0,89990) ≈ 64,145°", // the superscript minus is not in the face
        ("Weil a kürzer ist als b, kommen für β ein spitzer und ein stumpfer Winkel in Frage, "
         "und diese Zeile ist länger als die Spalte breit ist."),
        "123456789012345678901234567890123456789012345678901234567890123456789012345678901",
    };
    const double breite = s.Mm(82);
    for (const QFontMetricsF* fm : {&s.Text, &s.Fett, &s.KursivMass}) {
        for (const char* zeile : zeilen) {
            const double natur = fm->horizontalAdvance(QString::fromUtf8(zeile));
            const Satz::Gesetzt neu = s.Setze(*fm, zeile, breite);
            const Satz::Gesetzt bekannt = s.Setze(*fm, zeile, breite, natur);
            EXPECT_EQ(bekannt.Umbruch, neu.Umbruch) << zeile;
            EXPECT_DOUBLE_EQ(bekannt.Hoehe, neu.Hoehe) << zeile;
        }
    }
}

} // namespace
} // namespace kalotri::blatt
