// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blattaufgabe.h"
#include "loesung.h"
#include "quelle.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace kalotri::blatt {

// One exercise line after its one calculation: the line and the calculation's result.
// Everything a sheet, quiz or figure shows of it is written from this without calculating
// again; the fields are read from the line again when needed (reading is cheap, and the
// line is kept anyway).
struct GeloesteAufgabe {
    const Quellzeile* Zeile = nullptr;
    bool IstAufgabe = false; // the line reads as an exercise
    Loesung Ergebnis;        // empty for a line that is no exercise
};

// Works out the line: read, calculated once.
GeloesteAufgabe Loese(const Quellzeile& zeile);

// The exercise as the sheet shows it, written from its result.
BlattAufgabe Bearbeite(const GeloesteAufgabe& aufgabe, const Darstellung& darstellung);

// Each exercise of a group in turn, worked out once and handed on: for outputs that use an
// exercise and forget it, so that the memory stays flat in the number of exercises.
void LoeseJede(const std::vector<Quellzeile>& gruppe,
               const std::function<void(const GeloesteAufgabe&, int nummer)>& tun);

// The worked sheet: every exercise of every group calculated once per run. It keeps the
// results (numbers, laws, codes), not their texts, so later parts of a sheet (the key and
// the solution pages after the exercises) write their texts from them again.
class Arbeitsblatt {
  public:
    explicit Arbeitsblatt(const Aufgabenliste& liste);

    const Aufgabenliste& Liste() const { return liste_; }
    std::size_t Gruppen() const { return aufgaben_.size(); }
    const std::vector<GeloesteAufgabe>& Gruppe(std::size_t g) const { return aufgaben_[g]; }

  private:
    const Aufgabenliste& liste_;
    std::vector<std::vector<GeloesteAufgabe>> aufgaben_;
};

} // namespace kalotri::blatt
