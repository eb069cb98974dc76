// SPDX-License-Identifier: GPL-3.0-or-later
// What pupils type, as the sheets print values and as phones and copied text give them:
// each either its number (with the decimals typed) or the reason it is none.
#include "antwortleser.h"

#include <gtest/gtest.h>

namespace kalotri::uebung {
namespace {

TEST(Antwortleser, WasSchuelerTippen) {
    const Antwortform winkel{false, "°", 2};
    const Antwortform meter{false, "m", 2};
    const Antwortform kraft{false, "N", 1};
    const Antwortform flaeche{false, "m²", 0};
    const Antwortform ohne{false, "", 2};
    const Antwortform drei{false, "", 3};
    const Antwortform anzahl{true, "", 0};
    struct Fall {
        const char* text;
        const Antwortform& form;
        Lesart art;
        long double wert = 0;
        int dezimalen = 0;
    };
    const Fall faelle[] = {
        {"81,79", winkel, Lesart::Zahl, 81.79L, 2},
        {"81,79°", winkel, Lesart::Zahl, 81.79L, 2},
        {"16,43 °", winkel, Lesart::Zahl, 16.43L, 2},
        {"81,79 Grad", winkel, Lesart::Zahl, 81.79L, 2},
        {"81,79º", winkel, Lesart::Zahl, 81.79L, 2}, // the ordinal sign beside °
        {"81.79", winkel, Lesart::Zahl, 81.79L, 2},
        {"65,52 m", meter, Lesart::Zahl, 65.52L, 2},
        {"65,52m", meter, Lesart::Zahl, 65.52L, 2},
        {"1097,64 N", kraft, Lesart::Zahl, 1097.64L, 2},
        {"1.097,64", kraft, Lesart::Zahl, 1097.64L, 2},
        {"1.097,64 N", kraft, Lesart::Zahl, 1097.64L, 2},
        {"1 097,64", kraft, Lesart::Zahl, 1097.64L, 2},
        {"1\u202F097,64", kraft, Lesart::Zahl, 1097.64L, 2},
        {"1,097.64", kraft, Lesart::Zahl, 1097.64L, 2},
        {"1.097.640", kraft, Lesart::Zahl, 1097640.0L, 0},
        {"812,5 m²", flaeche, Lesart::Zahl, 812.5L, 1},
        {"812,5 m2", flaeche, Lesart::Zahl, 812.5L, 1},
        {"−12,5", ohne, Lesart::Zahl, -12.5L, 1},
        {"- 12,5", ohne, Lesart::Zahl, -12.5L, 1},
        {"  7,250\t", ohne, Lesart::Zahl, 7.25L, 3},
        {"0.097", ohne, Lesart::Zahl, 0.097L, 3},
        {"1,097", ohne, Lesart::Zahl, 1.097L, 3},
        {",5", ohne, Lesart::Zahl, 0.5L, 1},
        {"", ohne, Lesart::Leer},
        {" \u00A0 ", ohne, Lesart::Leer},
        // Unclear or no numbers: told so, never marked.
        {"1.097", kraft, Lesart::Mehrdeutig},
        {"12.345", ohne, Lesart::Mehrdeutig},
        {"12.345", drei, Lesart::Zahl, 12.345L, 3}, // three decimals asked: a decimal point
        {"1.09.7", ohne, Lesart::KeineZahl},
        {"1.0975,3", ohne, Lesart::KeineZahl},
        {"1,2,3.4", ohne, Lesart::KeineZahl},
        {"1 2", ohne, Lesart::KeineZahl},
        {"12,5x", ohne, Lesart::KeineZahl},
        {"1,2e3", ohne, Lesart::KeineZahl},
        {"1/2", ohne, Lesart::KeineZahl},
        {"abc", ohne, Lesart::KeineZahl},
        {"°", winkel, Lesart::KeineZahl},
        {",", ohne, Lesart::KeineZahl},
        {"12--3", ohne, Lesart::KeineZahl},
        {"1234567890123456789012345678901234", ohne, Lesart::KeineZahl},
        {"65,52 cm", meter, Lesart::FremdeEinheit},
        {"65,52 m", winkel, Lesart::FremdeEinheit},
        {"81,79°", meter, Lesart::FremdeEinheit},
        {"65,52 m", ohne, Lesart::FremdeEinheit},
        {"1097 N", flaeche, Lesart::FremdeEinheit},
        // Counts of triangles, also in words.
        {"keine", anzahl, Lesart::Zahl, 0},
        {"Keine Dreiecke", anzahl, Lesart::Zahl, 0},
        {"0", anzahl, Lesart::Zahl, 0},
        {"zwei", anzahl, Lesart::Zahl, 2},
        {"2 Dreiecke", anzahl, Lesart::Zahl, 2},
        {"ein Dreieck", anzahl, Lesart::Zahl, 1},
        {"keine", ohne, Lesart::KeineZahl},
        {"viele", anzahl, Lesart::KeineZahl},
        {"2°", anzahl, Lesart::FremdeEinheit},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        const GeleseneAntwort a = LiesAntworttext(f.text, f.form);
        EXPECT_EQ(a.Art, f.art);
        if (f.art == Lesart::Zahl) {
            EXPECT_NEAR(static_cast<double>(a.Wert), static_cast<double>(f.wert), 1e-12);
            EXPECT_EQ(a.Dezimalen, f.dezimalen);
        }
        // Every reason a pupil is given names what to type instead.
        EXPECT_EQ(Lesehinweis(a.Art, f.form).empty(),
                  f.art == Lesart::Zahl || f.art == Lesart::Leer);
    }
    EXPECT_EQ(Lesehinweis(Lesart::FremdeEinheit, meter), "keine Zahl: gefragt ist der Wert in m");
    EXPECT_EQ(Lesehinweis(Lesart::KeineZahl, kraft),
              "keine Zahl: schreibe sie wie 81,79 oder 81,79 N");
}

} // namespace
} // namespace kalotri::uebung
