// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one list of situations. A new situation is its own file (situation name, German text,
// sketch, solution) plus one line here in each of the three places below; the library
// picks up every file of its folder, and the programs' option, help and man pages read
// their lists from here. New ones go at the end: the generator takes the situations in
// this order, so every seed keeps the problems it had.

#include <array>
#include <optional>

namespace kalotri {

enum class Situation {
    Turmhoehe,
    Flussbreite,
    Grundstueck,
    Peilung,
    Kraefte,
    Seebreite,
    Berghoehe,
    Dach,
    Seitenwind,
    Torwinkel,
};

struct Sachaufgabe;
struct Sachregeln;

namespace sach {
class Wuerfel;
// A problem from the dice, or none when the numbers drawn make no plausible one (the
// caller draws again). `variante` chooses the kind where a situation has more than one;
// every version of a sheet passes the same.
using Erzeuger = std::optional<Sachaufgabe> (*)(Wuerfel&, const Sachregeln&, int variante);

std::optional<Sachaufgabe> Turmhoehe(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Flussbreite(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Grundstueck(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Peilung(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Kraefte(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Seebreite(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Berghoehe(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Dach(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Seitenwind(Wuerfel& w, const Sachregeln& r, int variante);
std::optional<Sachaufgabe> Torwinkel(Wuerfel& w, const Sachregeln& r, int variante);
} // namespace sach

struct Situationseintrag {
    Situation Art;
    const char* Kennung; // for options and files: "turm"
    const char* Titel;   // the heading of a problem: "Turmhöhe"
    sach::Erzeuger Erzeuge;
};

// One entry a line: the build reads the names for the man pages from these lines.
inline constexpr std::array<Situationseintrag, 10> Situationsliste = {{
    {Situation::Turmhoehe, "turm", "Turmhöhe", &sach::Turmhoehe},
    {Situation::Flussbreite, "fluss", "Flussbreite", &sach::Flussbreite},
    {Situation::Grundstueck, "grundstueck", "Grundstück", &sach::Grundstueck},
    {Situation::Peilung, "peilung", "Peilung", &sach::Peilung},
    {Situation::Kraefte, "kraefte", "Kräfte", &sach::Kraefte},
    {Situation::Seebreite, "see", "Entfernung über einen See", &sach::Seebreite},
    {Situation::Berghoehe, "berg", "Berghöhe", &sach::Berghoehe},
    {Situation::Dach, "dach", "Dachsparren", &sach::Dach},
    {Situation::Seitenwind, "wind", "Flug mit Seitenwind", &sach::Seitenwind},
    {Situation::Torwinkel, "tor", "Torwinkel", &sach::Torwinkel},
}};

} // namespace kalotri
