// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kalotri::uebung {

// What a pupil typed, read as a number the way it would be written on paper: a decimal
// comma or point, a sign (also "−"), thousands grouped by points, commas or spaces where that
// cannot be mistaken for decimals ("1.097,64", "1 097,64", "1.097.640"), and the unit after it
// ("81,79°", "81,79 Grad", "65,52 m", "1097,64 N"). A count of triangles may be a word ("keine",
// "zwei") and carry "Dreiecke".
enum class Lesart {
    Zahl,
    Leer,
    KeineZahl,     // letters, an exponent, two decimal separators, a group of other than 3 digits
    Mehrdeutig,    // "1.097" for 2 decimals: a thousand and ninety-seven, or barely more than 1?
    FremdeEinheit, // "65,52 cm" where m is asked, "12 m" for an angle
};

struct GeleseneAntwort {
    Lesart Art = Lesart::Leer;
    long double Wert = 0;
    int Dezimalen = 0; // digits typed after the decimal separator
};

// What is asked: a count of triangles, or a value in `einheit` ("°" for an angle, "" for a
// side without unit) to `dezimalen` decimals. Where three or more are asked, "12.345" is a
// decimal point; otherwise it might be a thousands point and is asked back.
struct Antwortform {
    bool Anzahl = false;
    std::string Einheit;
    int Dezimalen = 3;
};

GeleseneAntwort LiesAntworttext(std::string_view text, const Antwortform& form);

// Why an answer is no number, in words a pupil understands; empty for Zahl and Leer.
std::string Lesehinweis(Lesart art, const Antwortform& form);

// A practice code as typed, with every kind of dash ("–", "—", "‐", "−") made "-" and blanks
// between its parts ("3 4711") read as one.
std::string NormaleStriche(std::string_view code);

} // namespace kalotri::uebung
