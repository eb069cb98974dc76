// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Inside the calculation only: one run in progress and the steps the cases share.

#include "loesung.h"
#include "pruef.h"

#include <array>
#include <cstddef>

namespace kalotri::intern {

// One calculation in progress: the six records it reads and writes, and what it found.
struct Lauf {
    std::array<TPruef, 6>& Groessen;
    Loesung& Ergebnis;

    TPruef& Groesse(Feld feld) { return Groessen[static_cast<std::size_t>(feld)]; }
    bool Gegeben(Feld feld) const {
        return Groessen[static_cast<std::size_t>(feld)].Status == StatusGegeben;
    }
    // A new triangle holding the given values; its computed values follow with Trage.
    LoesungsDreieck& NeuesDreieck();
};

// Records a computed value in the triangle, in the order the Script writes it.
void Trage(LoesungsDreieck& dreieck, Feld feld, double wert, Herkunft weg);
// Marks the triangle flat when an angle came out 0 within the calculation's tolerance.
void PruefeFlach(LoesungsDreieck& dreieck);

// The cases, each after the command has decided the kind of problem.
void FallSSS(Lauf& lauf);
void FallSWS(Lauf& lauf);
void FallSSW(Lauf& lauf);
void FallWSW(Lauf& lauf);
void FallSWW(Lauf& lauf);

} // namespace kalotri::intern
