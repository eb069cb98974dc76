// SPDX-License-Identifier: GPL-3.0-or-later
// Worked examples end to end: box texts in, the whole worked solution out (SSW in
// rechenweg_ssw_test.cpp). Every step's numbers were recomputed with 50-digit mpmath from
// the numbers it shows when the table was written; tests/tools/pruefe_rechenweg_rundung.py
// does so over generated exercises.

#include "rechenweg_beispiel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalotri::test {
namespace {

using enum Feld;

const std::vector<Beispiel> Beispiele = {
    {"SSS 3, 4, 5", Boxen({{A, "3"}, {B, "4"}, {C, "5"}}),
     "Gegeben: a = 3; b = 4; c = 5\n"
     "Typ SSS: Die drei Seiten sind gegeben.\n"
     "Cosinussatz: cos α = (b² + c² − a²) / (2·b·c) = (4² + 5² − 3²) / (2·4·5) = 0,8\n"
     "α = cos⁻¹(0,8) ≈ 36,870°\n"
     "Cosinussatz: cos β = (a² + c² − b²) / (2·a·c) = (3² + 5² − 4²) / (2·3·5) = 0,6\n"
     "β = cos⁻¹(0,6) ≈ 53,130°\n"
     "Winkelsumme: γ = 180° − α − β = 180° − 36,870° − 53,130° = 90,000°\n"
     "Besser wäre auch hier der Cosinussatz: Er braucht nur die gegebenen Seiten, die Winkelsumme "
     "dagegen übernimmt jeden Fehler in α und β.\n"},

    {"SWS b = 5, c = 8, α = 60", Boxen({{B, "5"}, {C, "8"}, {Alpha, "60"}}),
     "Gegeben: b = 5; c = 8; α = 60°\n"
     "Typ SWS: Zwei Seiten und der Winkel zwischen ihnen sind gegeben.\n"
     "Cosinussatz: a² = b² + c² − 2·b·c·cos α\n"
     "a = √(5² + 8² − 2·5·8·cos 60°) ≈ 7,000\n"
     "Cosinussatz: cos β = (a² + c² − b²) / (2·a·c) = (7,000² + 8² − 5²) / (2·7,000·8) ≈ 0,785714\n"
     "β = cos⁻¹(0,785714) ≈ 38,2132° ≈ 38,213°\n"
     "Winkelsumme: γ = 180° − α − β = 180° − 60° − 38,2132° = 81,7868° ≈ 81,787°\n"},

    {"WSW a = 12, β = 50, γ = 60", Boxen({{A, "12"}, {Beta, "50"}, {Gamma, "60"}}),
     "Gegeben: a = 12; β = 50°; γ = 60°\n"
     "Typ WSW: Eine Seite und die beiden Winkel an ihr sind gegeben.\n"
     "Winkelsumme: α = 180° − β − γ = 180° − 50° − 60° = 70°\n"
     "Sinussatz: b = a·sin β / sin α = 12·sin 50° / sin 70° ≈ 9,782\n"
     "Sinussatz: c = a·sin γ / sin α = 12·sin 60° / sin 70° ≈ 11,059\n"},

    {"SWW c = 10, α = 45, γ = 75", Boxen({{C, "10"}, {Alpha, "45"}, {Gamma, "75"}}),
     "Gegeben: c = 10; α = 45°; γ = 75°\n"
     "Typ SWW: Eine Seite, der Winkel gegenüber und ein Winkel an ihr sind gegeben.\n"
     "Winkelsumme: β = 180° − α − γ = 180° − 45° − 75° = 60°\n"
     "Sinussatz: a = c·sin α / sin γ = 10·sin 45° / sin 75° ≈ 7,321\n"
     "Sinussatz: b = c·sin β / sin γ = 10·sin 60° / sin 75° ≈ 8,966\n"},

    {"WSW with one decimal and a point",
     Boxen({{A, "12"}, {Beta, "50.5"}, {Gamma, "60"}}),
     "Gegeben: a = 12; β = 50.5°; γ = 60°\n"
     "Typ WSW: Eine Seite und die beiden Winkel an ihr sind gegeben.\n"
     "Winkelsumme: α = 180° − β − γ = 180° − 50.5° − 60° = 69.5°\n"
     "Sinussatz: b = a·sin β / sin α = 12·sin 50.5° / sin 69.5° ≈ 9.9\n"
     "Sinussatz: c = a·sin γ / sin α = 12·sin 60° / sin 69.5° ≈ 11.1\n",
     {"0.0", "."}},

    // SSS whose angles must show more digits for their sum to round to the Script's.
    {"SSS whose angle sum needs more digits", Boxen({{A, "7,3"}, {B, "16"}, {C, "9,6"}}),
     "Gegeben: a = 7,3; b = 16; c = 9,6\n"
     "Typ SSS: Die drei Seiten sind gegeben.\n"
     "Cosinussatz: cos α = (b² + c² − a²) / (2·b·c) = (16² + 9,6² − 7,3²) / (2·16·9,6) ≈ 0,959863\n"
     "α = cos⁻¹(0,959863) ≈ 16,2882° ≈ 16,288°\n"
     "Cosinussatz: cos β = (a² + c² − b²) / (2·a·c) = (7,3² + 9,6² − 16²) / (2·7,3·9,6) ≈ "
     "−0,788741\n"
     "β = cos⁻¹(−0,788741) ≈ 142,068°\n"
     "Winkelsumme: γ = 180° − α − β = 180° − 16,2882° − 142,068° = 21,6438° ≈ 21,644°\n"
     "Besser wäre auch hier der Cosinussatz: Er braucht nur die gegebenen Seiten, die Winkelsumme "
     "dagegen übernimmt jeden Fehler in α und β.\n"},

    {"the exercise's own letters",
     MitBuchstaben(Boxen({{B, "5"}, {C, "8"}, {Alpha, "60"}}), {"x", "y", "z", "d", "e", "f"}),
     "Gegeben: y = 5; z = 8; δ = 60°\n"
     "Typ SWS: Zwei Seiten und der Winkel zwischen ihnen sind gegeben.\n"
     "Cosinussatz: x² = y² + z² − 2·y·z·cos δ\n"
     "x = √(5² + 8² − 2·5·8·cos 60°) ≈ 7,000\n"
     "Cosinussatz: cos ε = (x² + z² − y²) / (2·x·z) = (7,000² + 8² − 5²) / (2·7,000·8) ≈ 0,785714\n"
     "ε = cos⁻¹(0,785714) ≈ 38,2132° ≈ 38,213°\n"
     "Winkelsumme: φ = 180° − δ − ε = 180° − 60° − 38,2132° = 81,7868° ≈ 81,787°\n"},

    {"derived quantities",
     Boxen({{A, "5"}, {B, "7"}, {Alpha, "40"}}),
     "Gegeben: a = 5; b = 7; α = 40°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Sinussatz: sin β = b·sin α / a = 7·sin 40° / 5 ≈ 0,8999\n"
     "Weil a kürzer ist als b, kommen für β ein spitzer und ein stumpfer Winkel in Frage.\n"
     "β₁ = sin⁻¹(0,8999) ≈ 64,14° ≈ 64,1°\n"
     "β₂ = 180° − β₁ = 180° − 64,14° = 115,86° ≈ 115,9°\n"
     "α + β₂ < 180°: Auch mit β₂ bleibt Platz für γ.\n"
     "Es gibt zwei Lösungen.\n"
     "1. Lösung:\n"
     "Winkelsumme: γ₁ = 180° − α − β₁ = 180° − 40° − 64,14° = 75,86° ≈ 75,9°\n"
     "Cosinussatz: c₁² = a² + b² − 2·a·b·cos γ₁\n"
     "c₁ = √(5² + 7² − 2·5·7·cos 75,86°) ≈ 7,5\n"
     "Umfang: U₁ = a + b + c₁ = 5 + 7 + 7,5 = 19,5\n"
     "Flächeninhalt: A₁ = ½·a·b·sin γ₁ = ½·5·7·sin 75,86° ≈ 17,0\n"
     "Höhe auf a: h_a₁ = b·sin γ₁ = 7·sin 75,86° ≈ 6,8\n"
     "Höhe auf b: h_b₁ = a·sin γ₁ = 5·sin 75,86° ≈ 4,8\n"
     "Höhe auf c₁: h_c₁ = b·sin α = 7·sin 40° ≈ 4,5\n"
     "Umkreisradius: R₁ = a / (2·sin α) = 5 / (2·sin 40°) ≈ 3,9\n"
     "Inkreisradius: r₁ = 2·A₁ / U₁ = 2·17,0 / 19,5 ≈ 1,7\n"
     "2. Lösung:\n"
     "Winkelsumme: γ₂ = 180° − α − β₂ = 180° − 40° − 115,86° = 24,14° ≈ 24,1°\n"
     "Cosinussatz: c₂² = a² + b² − 2·a·b·cos γ₂\n"
     "c₂ = √(5² + 7² − 2·5·7·cos 24,14°) ≈ 3,2\n"
     "Umfang: U₂ = a + b + c₂ = 5 + 7 + 3,2 = 15,2\n"
     "Flächeninhalt: A₂ = ½·a·b·sin γ₂ = ½·5·7·sin 24,14° ≈ 7,2\n"
     "Höhe auf a: h_a₂ = b·sin γ₂ = 7·sin 24,14° ≈ 2,9\n"
     "Höhe auf b: h_b₂ = a·sin γ₂ = 5·sin 24,14° ≈ 2,0\n"
     "Höhe auf c₂: h_c₂ = b·sin α = 7·sin 40° ≈ 4,5\n"
     "Umkreisradius: R₂ = a / (2·sin α) = 5 / (2·sin 40°) ≈ 3,9\n"
     "Inkreisradius: r₂ = 2·A₂ / U₂ = 2·7,2 / 15,2 ≈ 0,9\n",
     {"0.0", ","},
     true},

    {"derived quantities of a right triangle",
     Boxen({{A, "3"}, {B, "4"}, {C, "5"}}),
     "Gegeben: a = 3; b = 4; c = 5\n"
     "Typ SSS: Die drei Seiten sind gegeben.\n"
     "Cosinussatz: cos α = (b² + c² − a²) / (2·b·c) = (4² + 5² − 3²) / (2·4·5) = 0,8\n"
     "α = cos⁻¹(0,8) ≈ 36,870°\n"
     "Cosinussatz: cos β = (a² + c² − b²) / (2·a·c) = (3² + 5² − 4²) / (2·3·5) = 0,6\n"
     "β = cos⁻¹(0,6) ≈ 53,130°\n"
     "Winkelsumme: γ = 180° − α − β = 180° − 36,870° − 53,130° = 90,000°\n"
     "Besser wäre auch hier der Cosinussatz: Er braucht nur die gegebenen Seiten, die Winkelsumme "
     "dagegen übernimmt jeden Fehler in α und β.\n"
     "Umfang: U = a + b + c = 3 + 4 + 5 = 12,000\n"
     "Flächeninhalt: A = ½·a·b·sin γ = ½·3·4·sin 90,000° ≈ 6,000\n"
     "Höhe auf a: h_a = b·sin γ = 4·sin 90,000° ≈ 4,000\n"
     "Höhe auf b: h_b = a·sin γ = 3·sin 90,000° ≈ 3,000\n"
     "Höhe auf c: h_c = a·sin β = 3·sin 53,130° ≈ 2,400\n"
     "Umkreisradius: R = c / (2·sin γ) = 5 / (2·sin 90,000°) ≈ 2,500\n"
     "Inkreisradius: r = 2·A / U = 2·6,000 / 12,000 = 1,000\n",
     {},
     true},

    {"Kein Dreieck!", Boxen({{A, "3"}, {B, "4"}, {C, "8"}}),
     "Gegeben: a = 3; b = 4; c = 8\n"
     "Jede Seite eines Dreiecks ist kürzer als die beiden anderen zusammen; c ist aber nicht "
     "kürzer als a + b.\n"
     "Kein Dreieck!\n"},

    {"Winkel zu groß!", Boxen({{B, "5"}, {C, "8"}, {Alpha, "200"}}),
     "Gegeben: b = 5; c = 8; α = 200°\n"
     "Jeder Winkel eines Dreiecks ist kleiner als 180°; α ist aber größer.\n"
     "Winkel zu groß!\n"},

    {"angle sum exceeded", Boxen({{A, "5"}, {Beta, "100"}, {Gamma, "90"}}),
     "Gegeben: a = 5; β = 100°; γ = 90°\n"
     "Die Winkel β und γ sind zusammen schon größer als 180°: Für α bleibt kein Platz.\n"
     "Winkelsumme im Dreieck überschritten!\n"},

    {"other messages stand alone", Boxen({{A, "3"}, {B, "4"}, {C, "5"}, {Alpha, "40"}}),
     "Überbestimmt SSS+W!\n"},

    {"an error after the given values", Boxen({{A, "5"}, {Beta, "100"}, {Gamma, "80"}}),
     "Gegeben: a = 5; β = 100°; γ = 80°\n"
     "Typ WSW: Eine Seite und die beiden Winkel an ihr sind gegeben.\n"
     "Gleitkommadivision durch Null.\n"},

    {"fewer than three values: why, in one line", Boxen({{A, "3"}, {B, "4"}}),
     "Nur 2 Werte gegeben; eine Aufgabe braucht drei, darunter eine Seite.\n"},

    // A mask too long for the fixed form stops every computed number; a message needs
    // none, and the givens stand as typed.
    {"mask too long",
     Boxen({{A, "3"}, {B, "4"}, {C, "5"}}),
     "Format-String zu lang.\n",
     {"0." + std::string(223, '0'), ","}},
    {"mask too long, message",
     Boxen({{A, "3"}, {B, "4"}, {C, "8"}}),
     "Gegeben: a = 3; b = 4; c = 8\n"
     "Jede Seite eines Dreiecks ist kürzer als die beiden anderen zusammen; c ist aber nicht "
     "kürzer als a + b.\n"
     "Kein Dreieck!\n",
     {"0." + std::string(223, '0'), ","}},
};

TEST(Rechenweg, WorkedExamples) {
    for (const Beispiel& b : Beispiele) {
        SCOPED_TRACE(b.Name);
        EXPECT_EQ(Zeilen(b), b.Erwartet);
    }
}

// The note on rounding names the output's digits; it stands once per output.
TEST(Rechenweg, RoundingNoteOnce) {
    Zahlformat null{"0.", ","};
    EXPECT_NE(RundungsHinweis(null).find("auf ganze Zahlen gerundet"), std::string::npos);
    Rechenweg weg = ErstelleRechenweg(Berechne(Boxen({{A, "3"}, {B, "4"}, {C, "5"}})), null);
    MitRundungsHinweis(weg, null);
    EXPECT_EQ(weg.front().Text, RundungsHinweis(null));
    Rechenweg meldung = ErstelleRechenweg(Berechne(Boxen({{A, "3"}, {B, "4"}, {C, "8"}})), null);
    const std::size_t vorher = meldung.size();
    MitRundungsHinweis(meldung, null);
    EXPECT_EQ(meldung.size(), vorher); // nothing computed, nothing to round
}

} // namespace
} // namespace kalotri::test
