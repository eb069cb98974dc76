// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "uebungsaufgabe.h"

#include <array>
#include <string>
#include <vector>

namespace kalotri::uebung {

// The hints in the order they are given, each at its price in points. The first two
// are about the whole exercise; the last three about the question being answered.
enum class Hinweisart { Typ, ErsterSatz, Formel, Zahlen, Schritt };
inline constexpr std::array<int, 5> HinweisPreis = {1, 1, 1, 1, 2};
inline constexpr std::array<const char*, 5> HinweisName = {"Typ und warum", "Welcher Satz zuerst",
                                                           "Die Formel", "Die Formel mit Zahlen",
                                                           "Der Rechenschritt"};
// Once every answer of an exercise is marked, a hint can only explain, not help to points:
// it costs nothing.
inline constexpr int HinweisPreisMarkiert = 0;

// Texts of the question's hints: the formula, the formula with the numbers put in, the
// worked step's lines.
struct FragenHinweise {
    std::string Formel;
    std::string Zahlen;
    std::vector<std::string> Schritt;
};

struct Hinweise {
    std::string Typ;
    std::string ErsterSatz;
    std::vector<FragenHinweise> JeFrage; // one per question of the exercise
};

// Every hint is taken from the engine's worked steps at the exercise's decimals, so that
// a hint never says other than the solution does.
Hinweise HinweiseFuer(const Uebungsaufgabe& aufgabe);

} // namespace kalotri::uebung
