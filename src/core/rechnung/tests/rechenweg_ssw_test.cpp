// SPDX-License-Identifier: GPL-3.0-or-later
// SSW worked examples end to end, as a textbook has them: one, two or no triangles, the
// ratio at 1, two equal sides (isosceles, or no triangle), an obtuse given angle. Every
// step's numbers were recomputed with 50-digit mpmath from the numbers it shows.

#include "rechenweg_beispiel.h"

#include <gtest/gtest.h>

#include <vector>

namespace kalotri::test {
namespace {

using enum Feld;

const std::vector<Beispiel> Beispiele = {
    {"SSW with two solutions", Boxen({{A, "5"}, {B, "7"}, {Alpha, "40"}}),
     "Gegeben: a = 5; b = 7; α = 40°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Sinussatz: sin β = b·sin α / a = 7·sin 40° / 5 ≈ 0,89990\n"
     "Weil a kürzer ist als b, kommen für β ein spitzer und ein stumpfer Winkel in Frage.\n"
     "β₁ = sin⁻¹(0,89990) ≈ 64,145°\n"
     "β₂ = 180° − β₁ = 180° − 64,145° = 115,855°\n"
     "α + β₂ < 180°: Auch mit β₂ bleibt Platz für γ.\n"
     "Es gibt zwei Lösungen.\n"
     "1. Lösung:\n"
     "Winkelsumme: γ₁ = 180° − α − β₁ = 180° − 40° − 64,145° = 75,855°\n"
     "Cosinussatz: c₁² = a² + b² − 2·a·b·cos γ₁\n"
     "c₁ = √(5² + 7² − 2·5·7·cos 75,855°) ≈ 7,543\n"
     "2. Lösung:\n"
     "Winkelsumme: γ₂ = 180° − α − β₂ = 180° − 40° − 115,855° = 24,145°\n"
     "Cosinussatz: c₂² = a² + b² − 2·a·b·cos γ₂\n"
     "c₂ = √(5² + 7² − 2·5·7·cos 24,145°) ≈ 3,182\n"},

    {"SSW with one solution", Boxen({{A, "7"}, {B, "5"}, {Alpha, "40"}}),
     "Gegeben: a = 7; b = 5; α = 40°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Sinussatz: sin β = b·sin α / a = 5·sin 40° / 7 ≈ 0,45913\n"
     "Weil a länger ist als b, ist β kleiner als α und damit spitz.\n"
     "β = sin⁻¹(0,45913) ≈ 27,331°\n"
     "Es gibt genau eine Lösung.\n"
     "Winkelsumme: γ = 180° − α − β = 180° − 40° − 27,331° = 112,669°\n"
     "Cosinussatz: c² = a² + b² − 2·a·b·cos γ\n"
     "c = √(7² + 5² − 2·7·5·cos 112,669°) ≈ 10,049\n"},

    {"SSW, obtuse given angle facing the longer side", Boxen({{A, "7"}, {B, "5"}, {Alpha, "120"}}),
     "Gegeben: a = 7; b = 5; α = 120°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Sinussatz: sin β = b·sin α / a = 5·sin 120° / 7 ≈ 0,61859\n"
     "α misst 90° oder mehr; weil α + β < 180° sein muss, ist β spitz.\n"
     "β = sin⁻¹(0,61859) ≈ 38,213°\n"
     "Es gibt genau eine Lösung.\n"
     "Winkelsumme: γ = 180° − α − β = 180° − 120° − 38,213° = 21,787°\n"
     "Cosinussatz: c² = a² + b² − 2·a·b·cos γ\n"
     "c = √(7² + 5² − 2·7·5·cos 21,787°) ≈ 3,000\n"},

    {"SSW without solution", Boxen({{A, "3"}, {B, "7"}, {Alpha, "40"}}),
     "Gegeben: a = 3; b = 7; α = 40°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Sinussatz: sin β = b·sin α / a = 7·sin 40° / 3 ≈ 1,49984\n"
     "Ein Sinus ist nie größer als 1: Die Seite a ist zu kurz, um den zweiten Schenkel von α zu "
     "erreichen.\n"
     "Keine Lösung\n"},

    // The ratio that would read 1,000 at the output's digits shows enough to exceed 1.
    {"SSW, sine a hair above 1", Boxen({{A, "5"}, {B, "10.0001"}, {Alpha, "30"}}),
     "Gegeben: a = 5; b = 10,0001; α = 30°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Sinussatz: sin β = b·sin α / a = 10,0001·sin 30° / 5 ≈ 1,00001\n"
     "Ein Sinus ist nie größer als 1: Die Seite a ist zu kurz, um den zweiten Schenkel von α zu "
     "erreichen.\n"
     "Keine Lösung\n"},

    {"SSW, sine exactly 1", Boxen({{A, "5"}, {B, "10"}, {Alpha, "30"}}),
     "Gegeben: a = 5; b = 10; α = 30°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Sinussatz: sin β = b·sin α / a = 10·sin 30° / 5 = 1\n"
     "Der Sinus ist genau 1, also ist β ein rechter Winkel: a reicht gerade bis zum zweiten "
     "Schenkel von α und steht senkrecht auf ihm.\n"
     "β = sin⁻¹(1) = 90,000°\n"
     "Es gibt genau eine Lösung.\n"
     "Winkelsumme: γ = 180° − α − β = 180° − 30° − 90,000° = 60,000°\n"
     "Cosinussatz: c² = a² + b² − 2·a·b·cos γ\n"
     "c = √(5² + 10² − 2·5·10·cos 60,000°) ≈ 8,660\n"},

    // Exactly 1 in decimals, a hair below 1 in binary: the calculation's two angles near 90°.
    {"SSW, sine 1 to every digit, below 1 for the calculation",
     Boxen({{A, "1"}, {B, "2"}, {Alpha, "150"}}),
     "Gegeben: a = 1; b = 2; α = 150°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Sinussatz: sin β = b·sin α / a = 2·sin 150° / 1 ≈ 1,0000000000000000\n"
     "Auf 16 Dezimalen ist sin β = 1; die Rechnung mit Gleitkommazahlen erhält einen Quotienten "
     "knapp unter 1 und findet zwei Winkel nahe 90°.\n"
     "Weil a kürzer ist als b, kommen für β ein spitzer und ein stumpfer Winkel in Frage.\n"
     "β₁ = sin⁻¹(1,0000000000000000) ≈ 90,000°\n"
     "β₂ = 180° − β₁ = 180° − 90,000° = 90,000°\n"
     "α + β₁ > 180°: Für γ bleibt kein Platz, β₁ scheidet aus.\n"
     "α + β₂ > 180°: Für γ bleibt kein Platz, β₂ scheidet aus.\n"
     "Ein Winkel von 90° oder mehr ist der größte im Dreieck und liegt der längsten Seite "
     "gegenüber; α liegt aber a gegenüber, und a ist kürzer als b.\n"
     "Keine Lösung\n"},

    // Two equal sides: isosceles, and the obtuse candidate is a flat figure, no triangle.
    {"SSW, two equal sides and an acute angle: one triangle",
     Boxen({{A, "5"}, {B, "5"}, {Alpha, "40"}}),
     "Gegeben: a = 5; b = 5; α = 40°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Weil a und b gleich lang sind, ist das Dreieck gleichschenklig: Die Winkel gegenüber a und b "
     "sind gleich, β = α.\n"
     "β = α = 40,000°\n"
     "Der stumpfe Winkel mit demselben Sinus, 180° − α = 140°, ließe für γ nur 0°: a und b lägen "
     "aufeinander, c wäre 0. Eine solche flache Figur ist kein Dreieck.\n"
     "Es gibt genau eine Lösung.\n"
     "Winkelsumme: γ = 180° − α − β = 180° − 40° − 40,000° = 100,000°\n"
     "Cosinussatz: c² = a² + b² − 2·a·b·cos γ\n"
     "c = √(5² + 5² − 2·5·5·cos 100,000°) ≈ 7,660\n"},

    {"SSW, two equal sides and a right angle: none", Boxen({{A, "5"}, {B, "5"}, {Alpha, "90"}}),
     "Gegeben: a = 5; b = 5; α = 90°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Weil a und b gleich lang sind, ist das Dreieck gleichschenklig: Die Winkel gegenüber a und b "
     "sind gleich, β = α.\n"
     "Mit α ≥ 90° wären α + β ≥ 180°: Für γ bliebe kein Platz, a und b lägen höchstens "
     "aufeinander. Das ist kein Dreieck.\n"
     "Keine Lösung\n"},

    {"SSW, two equal sides and an obtuse angle: none", Boxen({{A, "5"}, {B, "5"}, {Alpha, "120"}}),
     "Gegeben: a = 5; b = 5; α = 120°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Weil a und b gleich lang sind, ist das Dreieck gleichschenklig: Die Winkel gegenüber a und b "
     "sind gleich, β = α.\n"
     "Mit α ≥ 90° wären α + β ≥ 180°: Für γ bliebe kein Platz, a und b lägen höchstens "
     "aufeinander. Das ist kein Dreieck.\n"
     "Keine Lösung\n"},

    {"SSW, obtuse angle facing the shorter side", Boxen({{A, "4"}, {B, "6"}, {Alpha, "150"}}),
     "Gegeben: a = 4; b = 6; α = 150°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Sinussatz: sin β = b·sin α / a = 6·sin 150° / 4 ≈ 0,75000\n"
     "Weil a kürzer ist als b, kommen für β ein spitzer und ein stumpfer Winkel in Frage.\n"
     "β₁ = sin⁻¹(0,75000) ≈ 48,590°\n"
     "β₂ = 180° − β₁ = 180° − 48,590° = 131,410°\n"
     "α + β₁ > 180°: Für γ bleibt kein Platz, β₁ scheidet aus.\n"
     "α + β₂ > 180°: Für γ bleibt kein Platz, β₂ scheidet aus.\n"
     "Ein Winkel von 90° oder mehr ist der größte im Dreieck und liegt der längsten Seite "
     "gegenüber; α liegt aber a gegenüber, und a ist kürzer als b.\n"
     "Keine Lösung\n"},

    {"SSW, angle of 180", Boxen({{A, "4"}, {B, "6"}, {Alpha, "180"}}),
     "Gegeben: a = 4; b = 6; α = 180°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Jeder Winkel eines Dreiecks ist kleiner als 180°; α ist es nicht, für die beiden anderen "
     "Winkel bleibt kein Platz.\n"
     "Keine Lösung\n"},

    // At 0 decimals the givens keep the digits typed, and the sine enough to find the angle.
    {"SSW with no decimals: the givens keep their own",
     Boxen({{A, "7,1"}, {C, "10,4"}, {Alpha, "26"}}),
     "Gegeben: a = 7,1; c = 10,4; α = 26°\n"
     "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n"
     "Sinussatz: sin γ = c·sin α / a = 10,4·sin 26° / 7,1 ≈ 0,64\n"
     "Weil a kürzer ist als c, kommen für γ ein spitzer und ein stumpfer Winkel in Frage.\n"
     "γ₁ = sin⁻¹(0,64) ≈ 40°\n"
     "γ₂ = 180° − γ₁ = 180° − 40° = 140°\n"
     "α + γ₂ < 180°: Auch mit γ₂ bleibt Platz für β.\n"
     "Es gibt zwei Lösungen.\n"
     "1. Lösung:\n"
     "Winkelsumme: β₁ = 180° − α − γ₁ = 180° − 26° − 40° = 114°\n"
     "Cosinussatz: b₁² = a² + c² − 2·a·c·cos β₁\n"
     "b₁ = √(7,1² + 10,4² − 2·7,1·10,4·cos 114°) ≈ 15\n"
     "2. Lösung:\n"
     "Winkelsumme: β₂ = 180° − α − γ₂ = 180° − 26° − 140° = 14°\n"
     "Cosinussatz: b₂² = a² + c² − 2·a·c·cos β₂\n"
     "b₂ = √(7,1² + 10,4² − 2·7,1·10,4·cos 14°) ≈ 4\n",
     {"0.", ","}},

};

TEST(RechenwegSSW, WorkedExamples) {
    for (const Beispiel& b : Beispiele) {
        SCOPED_TRACE(b.Name);
        EXPECT_EQ(Zeilen(b), b.Erwartet);
    }
}

} // namespace
} // namespace kalotri::test
