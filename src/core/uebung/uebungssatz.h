// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabentyp.h"
#include "uebungsaufgabe.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalotri::uebung {

inline constexpr int KleinsterSatz = 5;
inline constexpr int GroessterSatz = 10;
inline constexpr int UeblicherSatz = 6;
inline constexpr std::uint32_t GroessteNummer = 99999;

// What a set is made of; its code says all of it, so that a teacher can write
// "Übung 3-4711" on the board and every pupil gets the same exercises.
struct Uebungswahl {
    int Stufe = 2;                  // 1 to 3, as for the worksheets
    std::optional<Aufgabentyp> Typ; // all kinds of the level when unset
    int Anzahl = UeblicherSatz;     // KleinsterSatz to GroessterSatz
    std::uint32_t Nummer = 1;       // 1 to GroessteNummer
    bool Sach = false;              // word problems ("SACH" in place of the kind)
};

// "Stufe-Nummer", with the kind after the level and the set size after the number where
// they are not the usual: "3-4711", "2-SSW-4711", "3-4711-8"; word problems "3-SACH-4711". Blanks,
// the word "Übung" in front and the case of the kind do not matter. None for anything else, or an
// SSW set on level 1, which has no SSW exercises.
std::optional<Uebungswahl> LiesUebungscode(std::string_view code);
std::string Uebungscode(const Uebungswahl& wahl);

struct Uebungssatz {
    Uebungswahl Wahl;
    std::vector<Uebungsaufgabe> Aufgaben;
};

// The set of a code: exercises from the worksheets' generator, or word problems that ask
// their triangle's boxes, the same for the same code.
Uebungssatz ErstelleUebungssatz(const Uebungswahl& wahl);

} // namespace kalotri::uebung
