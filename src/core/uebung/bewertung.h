// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "antwortleser.h"
#include "uebungsaufgabe.h"
#include "urteil.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalotri::uebung {

using frage::Note;

// What the pupil is told about rounding, German plain text: the marks follow it.
std::string Rundungsanweisung(int dezimalen);

// Points per answer: 2 right, 1 for rounding only or a follow-up error, else 0.
inline constexpr int PunkteJeFrage = frage::PunkteJeFeld;
using frage::Punkte;
const char* NotenText(Note note);
// The mark with the typical mistake it names, if any: "falsch: das ist der Nebenwinkel …".
std::string UrteilText(const frage::Urteil& urteil);

// What question `feld` asks for: a count, or a value in its unit.
Antwortform FormFuer(const Uebungsaufgabe& aufgabe, std::size_t feld);

// The typed text as the question model's marking takes it, read as LiesAntworttext reads it
// (a bare number without unit where no form is given).
frage::Antwort AlsAntwort(std::string_view text, const Antwortform& form = {});

// Marks the answers typed so far, one per question in order (missing ones are Leer), by
// the question model's one judge: the mark, the typical mistake it names, the SSW triangle
// the pupil's values were matched to.
std::vector<frage::Urteil> Beurteile(const Uebungsaufgabe& aufgabe,
                                     const std::vector<std::string>& antworten);
std::vector<Note> Bewerte(const Uebungsaufgabe& aufgabe, const std::vector<std::string>& antworten);

} // namespace kalotri::uebung
