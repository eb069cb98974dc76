// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The marks of a pupil's answers to a question, all from the question's intervals and,
// for follow-up errors, from the same route engine started at the pupil's own values.

#include "frage.h"

#include <optional>
#include <vector>

namespace kalotri::frage {

// An answer as read from the pupil's box (reading words, units and separators is the
// page's): nothing typed, something that is no number, or a number with its typed decimals.
struct Antwort {
    enum class Lage { Leer, KeineZahl, Zahl } Art = Lage::Leer;
    long double Wert = 0;
    int Dezimalen = 0;

    static Antwort Zahl(long double wert, int dezimalen) { return {Lage::Zahl, wert, dezimalen}; }
};

struct Urteil {
    Note Wertung = Note::Leer;
    // Named where a wrong answer is a typical one: the other SSW triangle, radian mode, the
    // supplementary angle.
    std::optional<routen::Fehlerart> Fehler;
    // Dreieck fields of SSW: the triangle the pupil's block was matched to (either order).
    std::size_t Dreieck = 0;
};

// One mark per field, in the question's order (missing answers are Leer).
std::vector<Urteil> Beurteile(const Frage& frage, const std::vector<Antwort>& antworten);

// Points per field: 2 right, 1 for rounding only or a follow-up error, else 0.
inline constexpr int PunkteJeFeld = 2;
int Punkte(Note note);

} // namespace kalotri::frage
