// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabentyp.h"
#include "sachaufgabe.h"
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

// The generator's version a code names. A published code keeps giving its set: what a
// version makes never changes, new word-problem situations or other sets come with a
// new version. Version 1 codes carry no mark (they were published before there was one).
inline constexpr int AktuelleFassung = 2;

// The situations a version's word-problem sets draw from, in turn. The newest version takes
// every situation there is; a situation added after its codes are out needs a new version,
// with this one's list written out here.
std::vector<Situation> SituationenDerFassung(int fassung);

// What a set is made of; its code says all of it, so that a teacher can write
// "Übung 3-4711" on the board and every pupil gets the same exercises.
struct Uebungswahl {
    int Stufe = 2;                  // 1 to 3, as for the worksheets
    std::optional<Aufgabentyp> Typ; // all kinds of the level when unset
    int Anzahl = UeblicherSatz;     // KleinsterSatz to GroessterSatz
    std::uint32_t Nummer = 1;       // 1 to GroessteNummer
    bool Sach = false;              // word problems ("SACH" in place of the kind)
    int Fassung = AktuelleFassung;  // 1 to AktuelleFassung
};

// "Stufe-Nummer", with the kind after the level and the set size after the number where
// they are not the usual, and the version last from version 2 on: "3-4711-V2",
// "2-SSW-4711-V2", "3-4711-8-V2"; word problems "3-SACH-4711-V2"; "3-4711" is version 1.
// Blanks, the word "Übung" in front and the case of the kind do not matter. None for
// anything else, an SSW set on level 1, which has no SSW exercises, or an unknown version.
std::optional<Uebungswahl> LiesUebungscode(std::string_view code);
std::string Uebungscode(const Uebungswahl& wahl);

// Why a code that names a version this page does not know is refused, in German; none for
// any other code.
std::optional<std::string> UnbekannteFassung(std::string_view code);

struct Uebungssatz {
    Uebungswahl Wahl;
    std::vector<Uebungsaufgabe> Aufgaben;
};

// The set of a code: exercises from the worksheets' generator, or word problems that ask
// their triangle's boxes, the same for the same code.
Uebungssatz ErstelleUebungssatz(const Uebungswahl& wahl);

} // namespace kalotri::uebung
