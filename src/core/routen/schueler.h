// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pupil's calculator at work: the laws of sines and cosines and the angle sum as a pupil
// keys them in, with the habits that make two pupils' answers differ.

#include "routen.h"

#include <array>
#include <optional>

namespace kalotri::routen::intern {

using L = long double;

struct Gewohnheit {
    bool RundetZwischen = false; // sines, cosines and squares rounded to Zwischen decimals
    bool Bogenmass = false;      // the calculator set to radians: the typical slip
};

// What the pupil has: each known value as carried on (a given as typed; an answer found
// so far unrounded, as written or with one decimal more).
struct Stand {
    std::array<bool, 6> Bekannt{};
    std::array<L, 6> Wert{};
};

Stand Anfang(const Anfangsstand& anfang);

// A given value as typed: the double's shortest decimal form read into a long double, so
// that the pupil's 9.1 is not 9.0999999999999996447, which can tip a sine rounded to six
// decimals the other way.
L AlsGetippt(double x);

enum class Gesetz { Sinussatz, Cosinussatz, Winkelsumme };

// One way to an unknown: the law, and for the law of sines the known side with its
// opposite angle that it goes through (0, 1, 2 for a/α, b/β, c/γ).
struct Schritt {
    std::size_t Feld = 0; // 0..5 as Feld
    Gesetz Weg = Gesetz::Winkelsumme;
    std::size_t Paar = 0;
    bool Stumpf = false; // an angle by the law of sines: 180° minus the arc sine
};

// Answers come from sums and differences of angles up to 180°: their halves are missed by
// a few units of the last place of 180.
inline constexpr L Massstab = 180;

class Taschenrechner {
  public:
    Taschenrechner(const Rundung& rundung, const Gewohnheit& gewohnheit)
        : rundung_(rundung), gewohnheit_(gewohnheit) {}

    // The value the pupil gets, or nothing where the calculator reports an error (an arc
    // sine of more than 1) or the law needs what the pupil does not have.
    std::optional<L> Rechne(const Stand& stand, const Schritt& schritt) const;

    const Rundung& Rundungen() const { return rundung_; }
    bool RundetZwischen() const { return gewohnheit_.RundetZwischen; }

  private:
    L Zwischen(L x) const;
    L Sin(L winkel) const;
    L Cos(L winkel) const;
    L ArcSin(L x) const;
    L ArcCos(L x) const;

    Rundung rundung_;
    Gewohnheit gewohnheit_;
};

} // namespace kalotri::routen::intern
