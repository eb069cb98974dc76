// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the situations share: the dice, numbers as the text prints them, the calculation
// run on the triangle, and the pieces of the worked solution.

#include "loesung.h"
#include "rechenweg.h"
#include "sachaufgabe.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>

namespace kalotri::sach {

using L = long double;

// mt19937_64's sequence is fixed by the standard, its distributions are not: the ranges
// are taken by hand so that a seed gives the same problems everywhere.
class Wuerfel {
  public:
    explicit Wuerfel(std::uint64_t seed) : rng_(seed) {}
    int Zahl(int von, int bis) {
        const auto spanne = static_cast<std::uint64_t>(bis - von + 1);
        return von + static_cast<int>(rng_() % spanne);
    }

  private:
    std::mt19937_64 rng_;
};

// A given number in tenths (or whole units), as exact as the text prints it.
struct Zehntel {
    int Wert = 0;     // in tenths
    bool Ganz = true; // printed without decimal
    L Zahl() const { return Wert / L{10}; }
};

// A length or force with a decimal on Stufe 2 and 3 now and then; otherwise whole.
Zehntel Laenge(Wuerfel& w, int von, int bis, int stufe);
// An angle in whole degrees, on Stufe 3 half the time in tenths.
Zehntel Grad(Wuerfel& w, int von, int bis, int stufe);

// The number as the text prints it: "35", "35,5".
std::string Text(Zehntel z, const std::string& trennzeichen);
// Rounded to `dezimalen` decimals, ties away from zero: "42,3".
std::string Gerundet(L x, int dezimalen, const std::string& trennzeichen);

// Everything one problem is built from; the situations fill it in turn.
class Bau {
  public:
    Bau(Situation art, const Sachregeln& regeln);

    Sachaufgabe A;
    const Sachregeln& R;

    // A number of the text: recorded, and returned as printed with its unit ("35,5 m",
    // "28°").
    std::string Gib(const std::string& name, Zehntel z, const std::string& einheit);
    // The same number with its name, as the sketch labels it: "α = 28°".
    std::string Marke(const std::string& name, Zehntel z, const std::string& einheit) const;

    // The triangle: letters of the sides and angles in box order, the given values
    // (empty: not given). Runs the calculation; none when it does not give `loesungen`
    // proper triangles.
    std::optional<Loesung> Rechne(const std::array<std::string, 6>& buchstaben,
                                  const std::array<std::optional<L>, 6>& werte,
                                  const std::string& einheit, int loesungen);

    // A number of the worked steps, in the sheet's form: "61,237".
    std::string Zahl(L x) const;
    std::string Seite(L x) const { return Zahl(x) + " " + A.Einheit; }
    // A computed value as a later step of the situation computes on with it: with the
    // sheet's decimals, or as many more as it takes for each `folge` of the shown number
    // to round like `folge` of the value itself; so every line follows from what it shows.
    std::string Weiter(L wert, std::initializer_list<std::function<L(L)>> folgen) const;

    void Satz(std::string text);
    void Rechnung(std::string gesetz, std::string formel, std::string einsetzung,
                  std::string ergebnis);
    // The calculation's worked steps, sides with the unit.
    void Rechenweg(const Loesung& loesung);
    // An asked quantity and its answer, in the story's words; returns the rounded text
    // ("42,3"). One of the triangle's own values is recognised as such; any other is
    // worked out from the triangle by `aus`.
    std::string Frage(const std::string& name, L wert, const std::string& einheit, int dezimalen,
                      const std::string& worte = "", Folgerung aus = {});
    void Antwort(std::string satz);

    // The problem, or none when an answer would round otherwise than the number the
    // steps show for it (29,7496 shown as 29,750 and answered as 29,7).
    std::optional<Sachaufgabe> Fertig();

  private:
    bool zweideutig_ = false;
    std::optional<Loesung> loesung_;
};

} // namespace kalotri::sach
