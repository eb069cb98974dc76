// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Inside the worked steps: the letters, the numbers a pupil reads, and one step per law.
// Not for the front ends; they read Rechenweg.

#include "rechenweg.h"
#include "rechenweg_zahl.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kalotri::weg {

inline std::size_t Index(Feld f) {
    return static_cast<std::size_t>(f);
}
inline bool IstWinkel(Feld f) {
    return Index(f) >= 3;
}
// Side a faces angle α, and so on.
inline Feld Gegenueber(Feld f) {
    return static_cast<Feld>((Index(f) + 3) % 6);
}
// The two other sides of a side, or the two other angles of an angle, in box order.
inline std::array<Feld, 2> Andere(Feld f) {
    const std::size_t basis = IstWinkel(f) ? 3 : 0;
    const std::size_t i = Index(f) - basis;
    const std::size_t erste = (i + 1) % 3;
    const std::size_t zweite = (i + 2) % 3;
    return {static_cast<Feld>(basis + std::min(erste, zweite)),
            static_cast<Feld>(basis + std::max(erste, zweite))};
}

// A step of one sentence.
Rechenschritt Satz(SchrittArt art, std::string text);

// "₁" or "₂" for the solution with this number (1 or 2), nothing for 0.
std::string Tiefgestellt(int nummer);

// A number as the steps show it: a minus sign rather than a hyphen.
std::string Angezeigt(const std::string& zahl);

// A number in a formula: with the degree sign for an angle, a negative one in brackets.
std::string Eingesetzt(const Zahl& z, bool winkel);

// What one triangle's steps refer to: each box's name in the formulas (with the number of
// its solution, where there are two), the number shown for it once known, and the key of
// its digits (empty for a given value).
struct Tafel {
    std::array<std::string, 6> Name;
    std::array<std::optional<Zahl>, 6> Wert;
    std::array<std::string, 6> Schluessel;
};

// A value worked out from numbers already shown.
struct Ausdruck {
    std::string Formel;     // in letters; may be empty
    std::string Einsetzung; // the same with the numbers shown
    long double Wert = 0;   // computed from those numbers
    // Exact decimal arithmetic (an angle sum): the result has Dezimalen decimals and "=".
    bool Genau = false;
    int Dezimalen = 0;
    // A ratio of whole numbers (a cosine from typed sides): "=" where its decimals end
    // within the digits shown. Nenner 0: none.
    std::int64_t Zaehler = 0;
    std::int64_t Nenner = 0;
    std::vector<std::string> Quellen; // digit keys of the computed numbers put in
    // How far long double's own rounding may put Wert from the value of the numbers put
    // in, where a step magnifies it (an inverse cosine near 0°): no more digits are shown
    // than that leaves certain. 0: not magnified.
    long double Unsicherheit = 0;
};

// That uncertainty for an inverse sine or cosine in degrees: the argument's last bit,
// magnified by 1/√(1 − x²).
long double UmkehrUnsicherheit(const Zahl& x);

// The value a step must arrive at, in the digits of the output: the Script's text, or
// the text of a derived quantity's line.
struct Ziel {
    std::string Text;
    long double Wert = 0;
    bool Fest = true; // the fixed form with the output's decimals, else the general form
};

// At most this many digits more than the output's for any number (rounds of writing the
// steps add one at a time).
inline constexpr int MaxMehrStellen = 12;

// How many more digits than the output each computed number shows. Grows from one
// writing of the steps to the next until every step follows from its numbers.
using Stellenplan = std::map<std::string, int>;

class Schreiber {
  public:
    Schreiber(const Loesung& loesung, const Zahlformat& format, const Wegangaben& angaben,
              const Stellenplan& plan)
        : L(loesung), A(angaben), format_(format), plan_(plan) {}

    const Loesung& L;
    const Wegangaben& A;
    Rechenweg Weg;
    // Keys that need more digits before the steps follow from their numbers.
    std::set<std::string> Mehr;

    // The exercise's letter as the window shows it; the usual one where it was left empty,
    // since a formula cannot do without.
    std::string Buchstabe(Feld f) const;
    int Dezimalen() const;
    const std::string& Trenner() const { return format_.Trennzeichen; }
    // " cm" after a length, "°" after an angle.
    std::string Einheit(Feld f) const;
    // The Script's value of a computed box: the angle sum of WSW and SWW in the general
    // form, everything else in the fixed form.
    Ziel ScriptZiel(double wert, Herkunft weg) const;
    Ziel LangZiel(long double wert) const;

    // The given values, under their letters.
    Tafel GegebeneTafel() const;
    // "Gegeben: a = 7,1; b = 5; α = 40°"
    void GegebenZeile();

    void Hinweis(std::string text);
    void Ueberschrift(std::string text);
    void Begruendung(std::string text);
    Rechenschritt& Rechnung(std::string gesetz, std::string formel, std::string einsetzung,
                            std::string ergebnis);

    // The step that shows a computed value: `name` for its left side, `schluessel` for its
    // digits, `einheit` after it; with a Ziel, a value the reader is to see as given there.
    // Returns the number later steps put in.
    Zahl Ergebnis(std::string gesetz, const std::string& name, const std::string& schluessel,
                  const Ausdruck& a, const std::string& einheit, const std::optional<Ziel>& ziel,
                  int mehrStellen = 0);
    // The step of the last value made; unset before the first.
    Rechenschritt* Letzter() { return Weg.empty() ? nullptr : &Weg.back(); }

    // One computed value, by the law it came from; enters it into the table. The step is
    // the one that explains the Script's value of f in triangle `dreieck`.
    void Berechnet(const Berechnung& b, Tafel& t, std::size_t dreieck);
    // The sentence after a flat triangle.
    void FlachBegruendung();
    // Perimeter, area, heights and radii of triangle `dreieck`, where asked for.
    void Weitere(const Tafel& t, std::size_t dreieck, int nummer);
    // Asks for more digits of this number and of every number it came from.
    void MehrStellen(const std::string& schluessel);

  private:
    // The cosine of angle f from the three sides as a step, and into `a` the angle from
    // it; false (with a sentence) where floating point gives no meaningful cosine.
    bool CosinusSchritte(const Tafel& t, Feld f, const std::string& schluessel, Ausdruck& a);

    const Zahlformat& format_;
    const Stellenplan& plan_;
    std::map<std::string, std::set<std::string>> quellen_; // every key's upstream keys
};

// The steps of SSW, from the sine to the last solution.
void SSWSchritte(Schreiber& s);

} // namespace kalotri::weg
