// SPDX-License-Identifier: GPL-3.0-or-later
// kalotri-rechne's work per input line in both output forms, in memory: the fields of a
// line to an exercise, the calculation, and the result appended to the output buffer.
// Lines are a mix of the cases, messages and errors, as in the project's case files.

#include "aufgabenzeile.h"
#include "jsonausgabe.h"
#include "loesung.h"
#include "rechner.h"
#include "scriptausgabe.h"
#include "scriptprotokoll.h"
#include "textausgabe.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace {

using namespace kalotri;

const std::vector<std::array<std::string, 12>>& Zeilen() {
    static const std::vector<std::array<std::string, 12>> zeilen = {
        {"3", "4", "5"},
        {"3", "4", "", "", "", "90"},
        {"5", "7", "", "40"},
        {"", "", "10", "30,25", "60"},
        {"5", "", "", "30", "60"},
        {"3", "4", "x"},
        {"", "", "5", "100", "80"},
        {"3", "4", "5", "", "", "", "a", "b", "c", "a", "b", "g"},
    };
    return zeilen;
}

template <typename Haenge> void Durchsatz(benchmark::State& state, Haenge haenge) {
    const Zahlformat format{"0.000", ","};
    ScriptProtokoll script;
    std::string ausgabe;
    ausgabe.reserve(1 << 17);
    std::size_t zeilen = 0;
    for (auto _ : state) {
        for (const auto& felder : Zeilen()) {
            const std::size_t anzahl = felder[6].empty() ? 6 : 12;
            const Aufgabenzeile aufgabe = AusFeldern(felder, anzahl);
            script.Leeren();
            const Loesung loesung = Berechne(std::get<Eingabe>(aufgabe));
            const Ausgang ausgang = SchreibeScript(loesung, format, script);
            haenge(ausgabe, script, ausgang, loesung);
            ++zeilen;
        }
        if (ausgabe.size() > (1 << 16)) {
            benchmark::DoNotOptimize(ausgabe.data());
            ausgabe.clear();
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(zeilen));
}

void Text(benchmark::State& state) {
    Durchsatz(state, [](std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang,
                        const Loesung&) { rechne::HaengeTextAn(ziel, script, ausgang); });
}
BENCHMARK(Text);

void Json(benchmark::State& state) {
    rechne::JsonAusgabe json;
    Durchsatz(state,
              [&json](std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang,
                      const Loesung& loesung) { json.HaengeAn(ziel, script, ausgang, &loesung); });
}
BENCHMARK(Json);

} // namespace
