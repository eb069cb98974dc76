#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the engine's fuzzers in the sanitizer build (build-san, clang) and runs each for a
# bounded time.
# Usage: scripts/fuzz.sh [SECONDS per fuzzer, default 20]
# Findings (crash-*, timeout-*, ...) are left in build-san/funde/.
set -euo pipefail
cd "$(dirname "$0")/.."

sekunden="${1:-20}"
build=build-san

cache=()
if command -v ccache >/dev/null; then cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake --preset sanitizer "${cache[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_lieswert fuzz_anzahl fuzz_zahlform fuzz_rechne fuzz_optionen

mkdir -p "$build/funde"
fehler=0
for fuzzer in fuzz_lieswert fuzz_anzahl fuzz_zahlform fuzz_rechne fuzz_optionen; do
    korpus="$build/korpus/$fuzzer"
    mkdir -p "$korpus"
    if [ -d "tests/fuzz/korpus/$fuzzer" ]; then
        cp -n tests/fuzz/korpus/"$fuzzer"/* "$korpus"/ 2>/dev/null || true
    fi
    echo "== $fuzzer ($sekunden s)"
    if ! "$build/tests/fuzz/$fuzzer" "$korpus" -max_total_time="$sekunden" -timeout=10 \
        -max_len=256 -artifact_prefix="$build/funde/$fuzzer-" -print_final_stats=1 \
        2>"$build/funde/$fuzzer.log"; then
        echo "   FUND, siehe $build/funde/$fuzzer.log"
        tail -n 30 "$build/funde/$fuzzer.log"
        fehler=1
    else
        grep -E 'stat::number_of_executed_units|cov:' "$build/funde/$fuzzer.log" | tail -n 2
    fi
done
exit "$fehler"
