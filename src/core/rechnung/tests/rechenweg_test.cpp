// SPDX-License-Identifier: GPL-3.0-or-later
// Worked examples end to end: box texts in, the whole worked solution out. Every number
// was checked against a 40-digit calculation when the table was written.

#include "rechenweg.h"
#include "rechner_testhilfe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalotri::test {
namespace {

const std::string Notiz = "Gerechnet wird mit den ungerundeten Werten; wer mit den gezeigten "
                          "Zahlen nachrechnet, kann in der letzten Stelle abweichen.\n";
const std::string TypSSW =
    "Typ SSW: Zwei Seiten und der Winkel gegenüber einer von ihnen sind gegeben.\n";

struct Beispiel {
    const char* Name;
    Eingabe Boxen;
    std::string Erwartet; // the lines, each ended by "\n"
    Zahlformat Format{};
};

Eingabe MitBuchstaben(Eingabe e, std::array<std::string, 6> buchstaben) {
    e.Buchstaben = std::move(buchstaben);
    return e;
}

std::string Zeilen(const Eingabe& e, const Zahlformat& format) {
    std::string text;
    for (const std::string& z : RechenwegZeilen(ErstelleRechenweg(Berechne(e), format))) {
        text += z + "\n";
    }
    return text;
}

using enum Feld;

const std::vector<Beispiel> Beispiele = {
    {"SSS 3, 4, 5", Boxen({{A, "3"}, {B, "4"}, {C, "5"}}),
     Notiz + "Gegeben: a = 3,000; b = 4,000; c = 5,000\n"
             "Typ SSS: Die drei Seiten sind gegeben.\n"
             "Cosinussatz: cos α = (b² + c² − a²) / (2·b·c) = (4,000² + 5,000² − 3,000²) / "
             "(2·4,000·5,000)\n"
             "α = 36,870°\n"
             "Cosinussatz: cos β = (a² + c² − b²) / (2·a·c) = (3,000² + 5,000² − 4,000²) / "
             "(2·3,000·5,000)\n"
             "β = 53,130°\n"
             "Winkelsumme: γ = 180° − α − β = 180° − 36,870° − 53,130° = 90,000°\n"
             "Besser wäre auch hier der Cosinussatz: Er braucht nur die gegebenen Seiten, die "
             "Winkelsumme dagegen übernimmt jeden Fehler in α und β.\n"},

    {"SWS b = 5, c = 8, α = 60", Boxen({{B, "5"}, {C, "8"}, {Alpha, "60"}}),
     Notiz + "Gegeben: b = 5,000; c = 8,000; α = 60,000°\n"
             "Typ SWS: Zwei Seiten und der Winkel zwischen ihnen sind gegeben.\n"
             "Cosinussatz: a² = b² + c² − 2·b·c·cos α\n"
             "a = √(5,000² + 8,000² − 2·5,000·8,000·cos 60,000°) = 7,000\n"
             "Cosinussatz: cos β = (a² + c² − b²) / (2·a·c) = (7,000² + 8,000² − 5,000²) / "
             "(2·7,000·8,000)\n"
             "β = 38,213°\n"
             "Winkelsumme: γ = 180° − α − β = 180° − 60,000° − 38,213° = 81,787°\n"},

    {"SSW with two solutions", Boxen({{A, "5"}, {B, "7"}, {Alpha, "40"}}),
     Notiz + "Gegeben: a = 5,000; b = 7,000; α = 40,000°\n" + TypSSW +
         "Sinussatz: sin β = b·sin α / a = 7,000·sin 40,000° / 5,000 = 0,900\n"
         "Weil a kürzer ist als b, kommen für β ein spitzer und ein stumpfer Winkel in Frage.\n"
         "β₁ = 64,145°\n"
         "β₂ = 180° − β₁ = 180° − 64,145° = 115,855°\n"
         "α + β₂ < 180°: Auch mit β₂ bleibt Platz für γ.\n"
         "Es gibt zwei Lösungen.\n"
         "1. Lösung:\n"
         "Winkelsumme: γ₁ = 180° − α − β₁ = 180° − 40,000° − 64,145° = 75,855°\n"
         "Cosinussatz: c₁² = a² + b² − 2·a·b·cos γ₁\n"
         "c₁ = √(5,000² + 7,000² − 2·5,000·7,000·cos 75,855°) = 7,543\n"
         "2. Lösung:\n"
         "Winkelsumme: γ₂ = 180° − α − β₂ = 180° − 40,000° − 115,855° = 24,145°\n"
         "Cosinussatz: c₂² = a² + b² − 2·a·b·cos γ₂\n"
         "c₂ = √(5,000² + 7,000² − 2·5,000·7,000·cos 24,145°) = 3,182\n"},

    {"SSW with one solution", Boxen({{A, "7"}, {B, "5"}, {Alpha, "40"}}),
     Notiz + "Gegeben: a = 7,000; b = 5,000; α = 40,000°\n" + TypSSW +
         "Sinussatz: sin β = b·sin α / a = 5,000·sin 40,000° / 7,000 = 0,459\n"
         "Weil a länger ist als b, ist β kleiner als α und damit spitz.\n"
         "β = 27,331°\n"
         "Es gibt genau eine Lösung.\n"
         "Winkelsumme: γ = 180° − α − β = 180° − 40,000° − 27,331° = 112,669°\n"
         "Cosinussatz: c² = a² + b² − 2·a·b·cos γ\n"
         "c = √(7,000² + 5,000² − 2·7,000·5,000·cos 112,669°) = 10,049\n"},

    {"SSW without solution", Boxen({{A, "3"}, {B, "7"}, {Alpha, "40"}}),
     Notiz + "Gegeben: a = 3,000; b = 7,000; α = 40,000°\n" + TypSSW +
         "Sinussatz: sin β = b·sin α / a = 7,000·sin 40,000° / 3,000 = 1,500\n"
         "Ein Sinus ist nie größer als 1: Die Seite a ist zu kurz, um den zweiten Schenkel von "
         "α zu erreichen.\n"
         "Keine Lösung\n"},

    // The given b reads 10,000 but is not: the ratio that looks like 1 must not say so.
    {"SSW, sine a hair above 1", Boxen({{A, "5"}, {B, "10.0001"}, {Alpha, "30"}}),
     Notiz + "Gegeben: a = 5,000; b = 10,000; α = 30,000°\n" + TypSSW +
         "Sinussatz: sin β = b·sin α / a = 10,000·sin 30,000° / 5,000\n"
         "sin β > 1\n"
         "Ein Sinus ist nie größer als 1: Die Seite a ist zu kurz, um den zweiten Schenkel von "
         "α zu erreichen.\n"
         "Keine Lösung\n"},

    {"SSW, sine exactly 1", Boxen({{A, "5"}, {B, "10"}, {Alpha, "30"}}),
     Notiz + "Gegeben: a = 5,000; b = 10,000; α = 30,000°\n" + TypSSW +
         "Sinussatz: sin β = b·sin α / a = 10,000·sin 30,000° / 5,000 = 1,000\n"
         "Der Sinus ist genau 1, also ist β ein rechter Winkel: a reicht gerade bis zum zweiten "
         "Schenkel von α und steht senkrecht auf ihm.\n"
         "β = 90,000°\n"
         "Es gibt genau eine Lösung.\n"
         "Winkelsumme: γ = 180° − α − β = 180° − 30,000° − 90,000° = 60,000°\n"
         "Cosinussatz: c² = a² + b² − 2·a·b·cos γ\n"
         "c = √(5,000² + 10,000² − 2·5,000·10,000·cos 60,000°) = 8,660\n"},

    {"SSW, flat second solution of two equal sides", Boxen({{A, "5"}, {B, "5"}, {Alpha, "30"}}),
     Notiz + "Gegeben: a = 5,000; b = 5,000; α = 30,000°\n" + TypSSW +
         "Sinussatz: sin β = b·sin α / a = 5,000·sin 30,000° / 5,000 = 0,500\n"
         "Weil a und b gleich lang sind, kommen für β ein spitzer und ein stumpfer Winkel in "
         "Frage.\n"
         "β₁ = 30,000°\n"
         "β₂ = 180° − β₁ = 180° − 30,000° = 150,000°\n"
         "α + β₂ = 180°: Für γ bleibt 0°.\n"
         "Es gibt zwei Lösungen.\n"
         "1. Lösung:\n"
         "Winkelsumme: γ₁ = 180° − α − β₁ = 180° − 30,000° − 30,000° = 120,000°\n"
         "Cosinussatz: c₁² = a² + b² − 2·a·b·cos γ₁\n"
         "c₁ = √(5,000² + 5,000² − 2·5,000·5,000·cos 120,000°) = 8,660\n"
         "2. Lösung:\n"
         "Winkelsumme: γ₂ = 180° − α − β₂ = 180° − 30,000° − 150,000° = 0,000°\n"
         "Cosinussatz: c₂² = a² + b² − 2·a·b·cos γ₂\n"
         "c₂ = √(5,000² + 5,000² − 2·5,000·5,000·cos 0,000°) = 0,000\n"
         "Weil a und b gleich lang sind, liegen sie in der zweiten Lösung aufeinander: Das "
         "Dreieck ist flach.\n"},

    {"SSW, obtuse angle facing the shorter side", Boxen({{A, "4"}, {B, "6"}, {Alpha, "150"}}),
     Notiz + "Gegeben: a = 4,000; b = 6,000; α = 150,000°\n" + TypSSW +
         "Sinussatz: sin β = b·sin α / a = 6,000·sin 150,000° / 4,000 = 0,750\n"
         "Weil a kürzer ist als b, kommen für β ein spitzer und ein stumpfer Winkel in Frage.\n"
         "β₁ = 48,590°\n"
         "β₂ = 180° − β₁ = 180° − 48,590° = 131,410°\n"
         "α + β₁ > 180°: Für γ bleibt kein Platz, β₁ scheidet aus.\n"
         "α + β₂ > 180°: Für γ bleibt kein Platz, β₂ scheidet aus.\n"
         "Ein Winkel von 90° oder mehr ist der größte im Dreieck und liegt der längsten Seite "
         "gegenüber; α liegt aber a gegenüber, und a ist kürzer als b.\n"
         "Keine Lösung\n"},

    {"SSW, angle of 180", Boxen({{A, "4"}, {B, "6"}, {Alpha, "180"}}),
     "Gegeben: a = 4,000; b = 6,000; α = 180,000°\n" + TypSSW +
         "Jeder Winkel eines Dreiecks ist kleiner als 180°; α ist es nicht, für die beiden "
         "anderen Winkel bleibt kein Platz.\n"
         "Keine Lösung\n"},

    {"WSW a = 12, β = 50, γ = 60", Boxen({{A, "12"}, {Beta, "50"}, {Gamma, "60"}}),
     Notiz + "Gegeben: a = 12,000; β = 50,000°; γ = 60,000°\n"
             "Typ WSW: Eine Seite und die beiden Winkel an ihr sind gegeben.\n"
             "Winkelsumme: α = 180° − β − γ = 180° − 50,000° − 60,000° = 70°\n"
             "Sinussatz: b = a·sin β / sin α = 12,000·sin 50,000° / sin 70° = 9,782\n"
             "Sinussatz: c = a·sin γ / sin α = 12,000·sin 60,000° / sin 70° = 11,059\n"},

    {"SWW c = 10, α = 45, γ = 75", Boxen({{C, "10"}, {Alpha, "45"}, {Gamma, "75"}}),
     Notiz + "Gegeben: c = 10,000; α = 45,000°; γ = 75,000°\n"
             "Typ SWW: Eine Seite, der Winkel gegenüber und ein Winkel an ihr sind gegeben.\n"
             "Winkelsumme: β = 180° − α − γ = 180° − 45,000° − 75,000° = 60°\n"
             "Sinussatz: a = c·sin α / sin γ = 10,000·sin 45,000° / sin 75,000° = 7,321\n"
             "Sinussatz: b = c·sin β / sin γ = 10,000·sin 60° / sin 75,000° = 8,966\n"},

    // The general form of the angle sum follows the separator; the rest the decimals too.
    {"WSW with one decimal and a point",
     Boxen({{A, "12"}, {Beta, "50.5"}, {Gamma, "60"}}),
     Notiz + "Gegeben: a = 12.0; β = 50.5°; γ = 60.0°\n"
             "Typ WSW: Eine Seite und die beiden Winkel an ihr sind gegeben.\n"
             "Winkelsumme: α = 180° − β − γ = 180° − 50.5° − 60.0° = 69.5°\n"
             "Sinussatz: b = a·sin β / sin α = 12.0·sin 50.5° / sin 69.5° = 9.9\n"
             "Sinussatz: c = a·sin γ / sin α = 12.0·sin 60.0° / sin 69.5° = 11.1\n",
     {"0.0", "."}},

    {"the exercise's own letters",
     MitBuchstaben(Boxen({{B, "5"}, {C, "8"}, {Alpha, "60"}}), {"x", "y", "z", "d", "e", "f"}),
     Notiz + "Gegeben: y = 5,000; z = 8,000; δ = 60,000°\n"
             "Typ SWS: Zwei Seiten und der Winkel zwischen ihnen sind gegeben.\n"
             "Cosinussatz: x² = y² + z² − 2·y·z·cos δ\n"
             "x = √(5,000² + 8,000² − 2·5,000·8,000·cos 60,000°) = 7,000\n"
             "Cosinussatz: cos ε = (x² + z² − y²) / (2·x·z) = (7,000² + 8,000² − 5,000²) / "
             "(2·7,000·8,000)\n"
             "ε = 38,213°\n"
             "Winkelsumme: φ = 180° − δ − ε = 180° − 60,000° − 38,213° = 81,787°\n"},

    {"Kein Dreieck!", Boxen({{A, "3"}, {B, "4"}, {C, "8"}}),
     "Gegeben: a = 3,000; b = 4,000; c = 8,000\n"
     "Jede Seite eines Dreiecks ist kürzer als die beiden anderen zusammen; c ist aber nicht "
     "kürzer als a + b.\n"
     "Kein Dreieck!\n"},

    {"Winkel zu groß!", Boxen({{B, "5"}, {C, "8"}, {Alpha, "200"}}),
     "Gegeben: b = 5,000; c = 8,000; α = 200,000°\n"
     "Jeder Winkel eines Dreiecks ist kleiner als 180°; α ist aber größer.\n"
     "Winkel zu groß!\n"},

    {"angle sum exceeded", Boxen({{A, "5"}, {Beta, "100"}, {Gamma, "90"}}),
     "Gegeben: a = 5,000; β = 100,000°; γ = 90,000°\n"
     "Die Winkel β und γ sind zusammen schon größer als 180°: Für α bleibt kein Platz.\n"
     "Winkelsumme im Dreieck überschritten!\n"},

    {"other messages stand alone", Boxen({{A, "3"}, {B, "4"}, {C, "5"}, {Alpha, "40"}}),
     "Überbestimmt SSS+W!\n"},

    {"an error after the given values", Boxen({{A, "5"}, {Beta, "100"}, {Gamma, "80"}}),
     "Gegeben: a = 5,000; β = 100,000°; γ = 80,000°\n"
     "Typ WSW: Eine Seite und die beiden Winkel an ihr sind gegeben.\n"
     "Gleitkommadivision durch Null.\n"},

    {"fewer than three values: nothing", Boxen({{A, "3"}, {B, "4"}}), ""},

    // A mask too long for the fixed form stops every number, but a message shows none.
    {"mask too long",
     Boxen({{A, "3"}, {B, "4"}, {C, "5"}}),
     "Format-String zu lang.\n",
     {"0." + std::string(223, '0'), ","}},
    {"mask too long, message",
     Boxen({{A, "3"}, {B, "4"}, {C, "8"}}),
     "Kein Dreieck!\n",
     {"0." + std::string(223, '0'), ","}},
};

TEST(Rechenweg, WorkedExamples) {
    for (const Beispiel& b : Beispiele) {
        SCOPED_TRACE(b.Name);
        EXPECT_EQ(Zeilen(b.Boxen, b.Format), b.Erwartet);
    }
}

} // namespace
} // namespace kalotri::test
