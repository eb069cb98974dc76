// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kalotri {

// The sketch of a word problem, deliberately not to scale: the situation's points in a
// frame of about 1 by 1 (y upwards), the lines between them and the angles marked. The
// given lengths and angles carry their values; what is asked, its name and "?" only.
struct Skizzenpunkt {
    std::string Name; // "A", "S"; empty for a point that only ends a line
    double X = 0;
    double Y = 0;
    // Where the name goes from the point (0, 0: away from the middle of the named points).
    double NameX = 0;
    double NameY = 0;
};

enum class Linienart {
    Gegeben,  // a given length: bold
    Gesucht,  // asked for: bold, in another colour
    Hilfe,    // sight line, perpendicular, parallel: thin, dashed
    Gelaende, // ground, river bank: thin
};

struct Skizzenlinie {
    std::size_t Von = 0;
    std::size_t Bis = 0;
    Linienart Art = Linienart::Hilfe;
    bool Pfeil = false;       // a force: an arrowhead at Bis
    std::string Beschriftung; // beside the line; may be empty
    // The label's side: 1 left of the way from Von to Bis, -1 right of it, 0 away from the
    // middle of the named points; and where along the line it stands.
    int Seite = 0;
    double Lage = 0.5;
    // Drawn this far (mm) beside the points, to the label's side, with end marks: a length
    // that runs along another line.
    double Versatz = 0;
};

// The angle at Scheitel from the ray towards Von to the ray towards Bis, the shorter way.
struct Skizzenwinkel {
    std::size_t Scheitel = 0;
    std::size_t Von = 0;
    std::size_t Bis = 0;
    std::string Beschriftung;
    bool Rechter = false; // marked with a square, without text
    // Where the label stands between the rays: 0 at Von, 1 at Bis, the bisector between.
    double Lage = 0.5;
};

struct Skizzentext {
    double X = 0;
    double Y = 0;
    std::string Text; // "Fluss"
};

struct Sachskizze {
    std::vector<Skizzenpunkt> Punkte;
    std::vector<Skizzenlinie> Linien;
    std::vector<Skizzenwinkel> Winkel;
    std::vector<Skizzentext> Texte;
    std::string Unterschrift = "Skizze (nicht maßstäblich)";
};

} // namespace kalotri
