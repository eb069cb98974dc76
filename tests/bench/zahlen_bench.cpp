// SPDX-License-Identifier: GPL-3.0-or-later
// The number conversions every Script line and every box goes through.

#include "pruef.h"
#include "zahlform.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace kalotri;

void FesteFormDrei(benchmark::State& state) {
    double x = 36.86989764584402;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FesteForm(x, "0.000", ","));
        x += 1e-9; // keeps the value from being hoisted out of the loop
    }
}
BENCHMARK(FesteFormDrei);

void FesteFormZehn(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(FesteForm(1.0 / 3.0, "0.0000000000", ","));
    }
}
BENCHMARK(FesteFormZehn);

void AllgemeineFormDrittel(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(AllgemeineForm(1.0 / 3.0, ","));
    }
}
BENCHMARK(AllgemeineFormDrittel);

void LiesWertText(benchmark::State& state, std::string text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LiesWert(text));
    }
}
BENCHMARK_CAPTURE(LiesWertText, ganz, std::string("5"));
BENCHMARK_CAPTURE(LiesWertText, komma, std::string("30,25"));
BENCHMARK_CAPTURE(LiesWertText, exponent, std::string("2.5E+2"));
BENCHMARK_CAPTURE(LiesWertText, lang, std::string("0.33333333333333333333333333"));
BENCHMARK_CAPTURE(LiesWertText, fehlerhaft, std::string("12 "));

} // namespace
