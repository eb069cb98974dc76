// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabentyp.h"
#include "fehler.h"
#include "rechner.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalotri {

// How a value came about; the Script names all but the first in brackets.
enum class Herkunft {
    Gegeben,
    Sinussatz,
    Cosinussatz,
    Winkelsumme,
    WinkelsummeBesserCosinussatz, // SSS's third angle: "Winkelsumme, besser: Cosinussatz"
};

// One computed value, as the calculation stored it.
struct Berechnung {
    Feld Groesse = Feld::A;
    double Wert = 0; // the double the Script prints
    Herkunft Weg = Herkunft::Gegeben;
};

// One solved triangle: every value by Feld, and how each came about.
struct LoesungsDreieck {
    std::array<double, 6> Werte{};
    std::array<Herkunft, 6> Wege{};
    // The computed values in the order they were computed and written. After an error this
    // holds only what was computed before it, and Werte is not to be read.
    std::vector<Berechnung> Schritte;
    // A computed angle came out 0 within the calculation's tolerance: drawn as a segment,
    // without derived quantities. Still a solution (a triangle of sides 1 and 10^100 is
    // that thin); SSW's flat candidates never become triangles at all.
    bool Flach = false;
    // Whether it counts as a solution: every triangle the calculation keeps does.
    bool Zaehlt = true;
};

// SSW: what the worked steps need to explain the number of solutions. Side s faces the
// given angle w, t is the other given side; the law of sines gives the angle opposite t.
struct SSWBefund {
    Feld S = Feld::A;
    Feld T = Feld::B;
    Feld W = Feld::Alpha;
    Feld SinusWinkel = Feld::Beta;   // opposite t, by the law of sines
    Feld SummenWinkel = Feld::Gamma; // by the angle sum
    Feld Seite = Feld::C;            // by the law of cosines

    // w of 180 or more leaves no room for the other two angles: nothing was computed.
    bool WinkelZuGross = false;
    // sin of the sine angle, t·sin w / s, as rounded before it was compared with 1.
    double Sinus = 0;
    // s compared with t: s > t allows only the acute angle opposite t.
    enum class Vergleich { Laenger, Gleich, Kuerzer } SGegenT = Vergleich::Laenger;

    // The candidates the solver found before any was dropped (0, 1 or 2): the acute angle
    // first, then 180° minus it.
    enum class Kandidatenart {
        Gueltig,   // a proper triangle
        Flach,     // an angle came out 0: a flat figure, no triangle
        Verworfen, // an angle came out negative: no triangle
    };
    struct Kandidat {
        double SinusWinkel = 0;
        double SummenWinkel = 0;
        double Seite = 0;
        Kandidatenart Art = Kandidatenart::Gueltig;
    };
    std::vector<Kandidat> Kandidaten;
};

// A given quantity: its box, the exercise's letter for it, the value as stored, and the
// box's text as typed (the worked steps show the pupil's own digits).
struct GegebeneGroesse {
    Feld Groesse = Feld::A;
    std::string Buchstabe;
    double Wert = 0;
    std::string Text;
};

// Everything one calculation found, before any of it is written anywhere. The Script, the
// worked steps, JSON, worksheets and the web page are renderings of this.
struct Loesung {
    // How it ended. Code::Geloest also for an SSW problem without a triangle, and for an
    // input of fewer than three quantities (Typ is then unset and nothing is written).
    Code Ausgangscode = Code::Geloest;
    kalotri::Ausgang Ausgang; // message and focus, or error text, as the window shows them

    // Set once the kind of problem is known, also when an error stopped it later.
    std::optional<Aufgabentyp> Typ;
    // The exercise's letters for all six boxes, as typed (angles in the Symbol face's
    // Latin letters; see Anzeigebuchstabe).
    std::array<std::string, 6> Buchstaben;
    // The given quantities in box order.
    std::vector<GegebeneGroesse> Gegeben;
    // How many boxes hold a value: fewer than three end the calculation without a word.
    int Angaben = 0;

    // 0, 1 or 2 triangles; for SSW in the order of the Script (acute sine angle first).
    // After an error: one entry holding the values computed before it.
    std::vector<LoesungsDreieck> Dreiecke;

    std::optional<SSWBefund> SSW;

    // "Kein Dreieck!": the side that is not shorter than the other two together.
    // "Winkel zu groß!": the angle over 180°. "Winkelsumme …": the empty angle.
    std::optional<Feld> Anlass;

    // The triangles that count as solutions (see LoesungsDreieck::Zaehlt).
    std::size_t Loesungszahl() const;
};

// Runs the calculation on the input; writes nothing. Floating-point faults end up in
// Ausgangscode and Ausgang.Fehler, never as an exception.
Loesung Berechne(const Eingabe& eingabe);

// The same, reading the boxes into the caller's records and leaving them as the command
// leaves the window's.
Loesung BerechneMit(const Eingabe& eingabe, std::array<TPruef, 6>& groessen);

// How many calculations this thread has run: how a test sees that a sheet with all its
// outputs calculates each exercise once.
std::uint64_t Berechnungen();

// The letter as the window shows it: sides as typed, angles through the Symbol face
// (Latin "a" is shown as "α"), UTF-8.
std::string Anzeigebuchstabe(const Loesung& loesung, Feld feld);

} // namespace kalotri
