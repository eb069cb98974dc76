// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Inside the worked steps: the letters, the numbers as the Script prints them, and one
// step per law. Not for the front ends; they read Rechenweg.

#include "rechenweg.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>

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

// What one triangle's steps refer to: each box's name in the formulas (with the number of
// its solution, where there are two) and its value as the Script prints it, once known.
struct Tafel {
    std::array<std::string, 6> Name;
    std::array<std::optional<std::string>, 6> Text;
};

class Schreiber {
  public:
    Schreiber(const Loesung& loesung, const Zahlformat& format) : L(loesung), format_(format) {}

    const Loesung& L;
    Rechenweg Weg;

    // The exercise's letter as the window shows it; the usual one where it was left empty,
    // since a formula cannot do without.
    std::string Buchstabe(Feld f) const;
    std::string Zahl(double x) const;
    // A value as the Script prints it, with the degree sign for an angle: the angle sum of
    // WSW and SWW in the general form, everything else in the fixed form.
    std::string WertText(Feld f, double wert, Herkunft weg) const;
    // The given values, under their letters.
    Tafel GegebeneTafel() const;
    // "Gegeben: a = 3,000; b = 4,000; c = 5,000"
    void GegebenZeile();

    void Hinweis(std::string text);
    void Ueberschrift(std::string text);
    void Begruendung(std::string text);
    Rechenschritt& Rechnung(std::string gesetz, std::string formel, std::string einsetzung,
                            std::string ergebnis);

    // One computed value, by the law it came from; enters it into the table. The step is
    // the one that explains the Script's value of f in triangle `dreieck`.
    void Berechnet(const Berechnung& b, Tafel& t, std::size_t dreieck);
    // The sentence after a flat triangle.
    void FlachBegruendung(std::size_t dreieck);

  private:
    const Zahlformat& format_;
};

// The steps of SSW, from the sine to the last solution.
void SSWSchritte(Schreiber& s);

} // namespace kalotri::weg
