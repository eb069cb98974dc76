// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blattaufgabe.h"
#include "sachskizze.h"

#include <optional>
#include <string>

namespace kalotri::blatt {

// What a figure shows, in words, for those who cannot see it (the PDF's alternative text,
// the SVG's description). Built from the same texts the figure is labelled with.

// The task sketch: "Skizze (nicht maßstäblich): Dreieck ABC. Gegeben: a = 5 cm, b = 7 cm,
// α = 40°. Gesucht: β, γ, c."
std::string SkizzenBeschreibung(const Skizzenangaben& s);

// Triangle i of a solution to scale, with the given and the computed values, named among
// several ("1. Lösung: …"); massstab is printed under it ("Maßstab 1 : 2").
std::string FigurBeschreibung(const BlattAufgabe& a, std::size_t i,
                              const std::optional<std::string>& massstab);

// A word problem's sketch in the situation's words: its points, what is given and asked,
// its angles and the names of the ground.
std::string SachskizzenBeschreibung(const Sachskizze& s);

} // namespace kalotri::blatt
