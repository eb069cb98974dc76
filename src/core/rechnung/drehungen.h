// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the given quantities of a case lie in the triangle. Each case has a table of its
// possible placements, one row each, naming the records by Feld: the given ones in the
// order its solver takes them, then the ones that receive the solver's results.

#include "pruef.h"
#include "rechner.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace kalotri {

struct Drehung {
    std::array<Feld, 3> Gegeben;
    std::array<Feld, 3> Ergebnis;
};

// s1, the enclosed angle w, s2; then the third side, the angles opposite s1 and s2.
inline constexpr std::array<Drehung, 3> SWSDrehungen = {{
    {{Feld::A, Feld::Gamma, Feld::B}, {Feld::C, Feld::Alpha, Feld::Beta}},
    {{Feld::C, Feld::Beta, Feld::A}, {Feld::B, Feld::Gamma, Feld::Alpha}},
    {{Feld::B, Feld::Alpha, Feld::C}, {Feld::A, Feld::Beta, Feld::Gamma}},
}};

// The side s opposite the angle w, the other side t, as s, t, w; then the sine-rule
// angle, the angle-sum angle and the third side. Rows 4 to 6 take the reversed solver.
inline constexpr std::array<Drehung, 6> SSWDrehungen = {{
    {{Feld::A, Feld::B, Feld::Alpha}, {Feld::Beta, Feld::Gamma, Feld::C}},
    {{Feld::B, Feld::C, Feld::Beta}, {Feld::Gamma, Feld::Alpha, Feld::A}},
    {{Feld::C, Feld::A, Feld::Gamma}, {Feld::Alpha, Feld::Beta, Feld::B}},
    {{Feld::B, Feld::A, Feld::Beta}, {Feld::Alpha, Feld::Gamma, Feld::C}},
    {{Feld::C, Feld::B, Feld::Gamma}, {Feld::Beta, Feld::Alpha, Feld::A}},
    {{Feld::A, Feld::C, Feld::Alpha}, {Feld::Gamma, Feld::Beta, Feld::B}},
}};
inline constexpr std::size_t SSWErsteUmgekehrte = 3;

// w1, the side s between, w2; then the sides opposite w1 and w2 and the third angle.
inline constexpr std::array<Drehung, 3> WSWDrehungen = {{
    {{Feld::Alpha, Feld::C, Feld::Beta}, {Feld::A, Feld::B, Feld::Gamma}},
    {{Feld::Beta, Feld::A, Feld::Gamma}, {Feld::B, Feld::C, Feld::Alpha}},
    {{Feld::Gamma, Feld::B, Feld::Alpha}, {Feld::C, Feld::A, Feld::Beta}},
}};

// The side s and the angle w3 opposite it are given; the next angle w2 is either given
// or the third angle. The solver takes s, w2, w3 and gives the two other sides.
struct SWWDrehung {
    std::array<Feld, 2> Gegeben; // s, w3
    Feld W2;
    std::array<Feld, 2> Ergebnis;
};
inline constexpr std::array<SWWDrehung, 3> SWWDrehungen = {{
    {{Feld::C, Feld::Gamma}, Feld::Beta, {Feld::A, Feld::B}},
    {{Feld::A, Feld::Alpha}, Feld::Gamma, {Feld::B, Feld::C}},
    {{Feld::B, Feld::Beta}, Feld::Alpha, {Feld::C, Feld::A}},
}};

// The row whose given quantities are all given, or nullptr.
template <typename Zeile, std::size_t N>
const Zeile* FindeDrehung(const std::array<Zeile, N>& tabelle,
                          const std::array<TPruef, 6>& groessen) {
    const auto gegeben = [&groessen](Feld f) {
        return groessen[static_cast<std::size_t>(f)].Status == StatusGegeben;
    };
    for (const Zeile& d : tabelle) {
        if (std::all_of(d.Gegeben.begin(), d.Gegeben.end(), gegeben)) {
            return &d;
        }
    }
    return nullptr;
}

// As FindeDrehung for a case already chosen, where one row always fits; the last row
// stands for the remaining placement.
template <typename Zeile, std::size_t N>
const Zeile& WaehleDrehung(const std::array<Zeile, N>& tabelle,
                           const std::array<TPruef, 6>& groessen) {
    const Zeile* d = FindeDrehung(tabelle, groessen);
    return d != nullptr ? *d : tabelle.back();
}

} // namespace kalotri
