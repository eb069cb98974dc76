// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabenzeile.h"
#include "dezimalen.h"
#include "figur.h"
#include "groessen.h"
#include "loesungsform.h"
#include "rechner.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kalotri {
struct Sachskizze;
}

namespace kalotri::blatt {

// One triangle of a solution with the texts its figure shows.
struct Loesungsfigur {
    kalotri::Groessen Form;                         // worked out from the given values
    std::array<std::string, 3> Ecken;               // corner names
    std::array<std::vector<std::string>, 3> Seiten; // "a = 7,000", then "a"
    std::array<std::vector<std::string>, 3> Winkel; // "α = 40,000°", then "α"
    std::array<bool, 3> Rechtwinklig{};             // the Script's angle is 90
    std::vector<std::string> Groessen;              // derived quantities (--mehr)
    std::optional<Figurlage> Lage;                  // a word problem's: as its sketch
};

// What the task sketch marks: the names of corners, sides and angles, and the values of
// those that are given ("a = 5 cm", "α = 40°"; empty where not given).
struct Skizzenangaben {
    std::array<std::string, 3> Ecken;
    std::array<std::string, 3> SeitenNamen;
    std::array<std::string, 3> WinkelNamen;
    std::array<std::string, 6> Werte; // in box order
};

// A line of a solution and how it is set: headings bold, notes and reasons in italics.
struct Wegzeile {
    enum class Stil { Normal, Fett, Kursiv };
    std::string Text;
    Stil Art = Stil::Normal;
};

// An exercise as the sheet shows it: its given values, the worked solution line by line
// as the Script shows it, and a figure for each triangle found.
struct BlattAufgabe {
    std::string Gegeben;                  // "a = 7 cm, b = 5 cm, α = 40°"
    std::vector<std::string> Loesungsweg; // the Script's lines
    std::vector<Wegzeile> Rechenweg;      // the worked steps
    std::vector<Loesungsfigur> Figuren;
    // Why the exercise has no solution worth the name: a line that cannot be read, a
    // message or an error of the calculation, too few values. Unset for a proper
    // exercise, also for one of the SSW kind without a triangle.
    std::optional<std::string> Problem;
    bool ProblemIstFehler = false; // of the arithmetic, not of the input
    // The values sought, one line per triangle ("c = 7,543 cm, β = 64,145°, …"); for an
    // SSW exercise without triangle "keine Lösung".
    std::vector<std::string> Schluessel;
    Skizzenangaben Skizze;
    std::string Einheit; // sets the figures' scale; may be empty
    // A word problem: Gegeben tells the situation, Auftrag asks its questions, and its own
    // sketch replaces the triangle's.
    std::string Auftrag;
    std::shared_ptr<const kalotri::Sachskizze> Sachskizze;
    // What the exercise counts: a point per value asked of each solution (with Mehr one
    // more per solution for the further quantities), one for seeing that there is none;
    // a word problem a point per quantity asked. None for an exercise with a problem.
    int Punkte = 0;
};

// "1 Punkt", "3 Punkte".
std::string PunkteText(int punkte);

// Texts typed into the boxes are shown as typed when they are no number; so much of them
// is enough to see what went wrong, and keeps the exercise on one page.
inline constexpr std::size_t GegebenMax = 1500;

struct Darstellung {
    Zahlformat Format;   // its mask is Stellen's
    std::string Einheit; // after side lengths; may be empty
    bool Mehr = false;
    Loesungsform Form = Loesungsform::Script; // the worked steps only when asked for
    Dezimalen Stellen;
};

// Triangle `nummer` of a solution with the texts of its figure (and with Mehr its derived
// quantities), named by the exercise's letters. The browser edition labels its figures
// the same way.
Loesungsfigur Figurtexte(const Loesung& loesung, std::size_t nummer, const Eingabe& eingabe,
                         const Darstellung& darstellung);

// The full texts that a laid-out figure shows only by its letter: the legend under it,
// the same on paper, in the SVG and on the web page.
std::vector<std::string> Legende(const Loesungsfigur& lf, const Figur& f);

// Runs the exercise through the calculation command as the first calculation of a freshly
// started program, exactly as kalotri-rechne does.
BlattAufgabe Bearbeite(const Eingabe& eingabe, const Darstellung& darstellung);
// The same from the calculation's result, without calculating again.
BlattAufgabe Bearbeite(const Eingabe& eingabe, const Loesung& loesung,
                       const Darstellung& darstellung);
// What the task sketch of an exercise marks (also for exports that draw it elsewhere).
Skizzenangaben SkizzeFuer(const Eingabe& eingabe, const Darstellung& darstellung);

// A line that is no exercise, shown as typed (fields parted by " | ") with the reason.
BlattAufgabe UnlesbareZeile(std::string_view zeile, const std::string& grund);

// The lines of the solution page in the form asked for; the worked steps fall back to the
// Script's lines where there are none.
std::vector<Wegzeile> LoesungsZeilen(const BlattAufgabe& aufgabe, Loesungsform form);

// The solution as the sheet writes it when it has nothing else: the problem, or nothing.
std::vector<std::string> ProblemZeilen(const BlattAufgabe& aufgabe);

} // namespace kalotri::blatt
