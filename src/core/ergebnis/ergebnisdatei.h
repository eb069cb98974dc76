// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "satzstand.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kalotri::ergebnis {

// One exercise of a pupil's result as the results file keeps it.
struct Aufgabenergebnis {
    int Punkte = 0;
    int Hoechstens = 0;
    int Hinweise = 0; // bought
    int Abzug = 0;    // their price in points
    std::vector<uebung::Note> Noten;
};

// What a pupil brings the teacher where there is no learning platform.
struct Ergebnis {
    std::string Name;
    std::string Code;
    std::string Datum; // as the pupil's device gave it, YYYY-MM-DD
    std::vector<Aufgabenergebnis> Aufgaben;
};

// The longest name kept; more is cut.
inline constexpr std::size_t NameHoechstens = 80;

Ergebnis ErgebnisAus(std::string name, std::string datum, const Satzstand& stand);

// A small text file a person can read. Its last line is a CRC-32 of the rest: it shows
// that a file was damaged on the way, not that nobody changed it, since anyone can
// recompute it.
std::string SchreibeErgebnis(const Ergebnis& e);

// The result back, or the reason it is not one, in German for the teacher.
std::variant<Ergebnis, std::string> LiesErgebnis(std::string_view text);

} // namespace kalotri::ergebnis
