// SPDX-License-Identifier: GPL-3.0-or-later
// One whole calculation per iteration, from the six box texts to the last Script line.

#include "rechner.h"
#include "scriptprotokoll.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kalotri;

void RechneAufgabe(benchmark::State& state, Eingabe eingabe) {
    const Zahlformat format;
    ScriptProtokoll script;
    for (auto _ : state) {
        script.Leeren();
        TRechner rechner(script);
        benchmark::DoNotOptimize(rechner.Rechne(eingabe, format));
    }
    state.counters["Zeilen"] = static_cast<double>(script.Zeilen().size());
}

Eingabe Aufgabe(std::array<std::string, 6> texte) {
    Eingabe eingabe;
    eingabe.Texte = std::move(texte);
    return eingabe;
}

BENCHMARK_CAPTURE(RechneAufgabe, SSS, Aufgabe({"3", "4", "5", "", "", ""}));
BENCHMARK_CAPTURE(RechneAufgabe, SWS, Aufgabe({"3", "4", "", "", "", "90"}));
BENCHMARK_CAPTURE(RechneAufgabe, SSW_zwei_Loesungen, Aufgabe({"5", "7", "", "40", "", ""}));
BENCHMARK_CAPTURE(RechneAufgabe, WSW, Aufgabe({"", "", "10", "30,25", "60", ""}));
BENCHMARK_CAPTURE(RechneAufgabe, SWW, Aufgabe({"5", "", "", "30", "60", ""}));
// The cheapest way out: a message before any Script line.
BENCHMARK_CAPTURE(RechneAufgabe, Meldung, Aufgabe({"3", "4", "x", "", "", ""}));

} // namespace
