// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// A pupil's number: decimal comma or point, an optional sign, no exponent or thousands
// separator; the count of decimals typed.
struct Antwortzahl {
    long double Wert = 0;
    int Dezimalen = 0;
};
std::optional<Antwortzahl> LiesAntwort(std::string_view text);

// The typed text as the question model's marking takes it.
frage::Antwort AlsAntwort(std::string_view text);

// Marks the answers typed so far, one per question in order (missing ones are Leer), by
// the question model's one judge.
std::vector<Note> Bewerte(const Uebungsaufgabe& aufgabe, const std::vector<std::string>& antworten);

} // namespace kalotri::uebung
