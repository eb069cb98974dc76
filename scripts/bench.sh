#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark of Kalotri and prints the figures docs/performance.md holds:
#  - the Google Benchmark programs in tests/bench (engine, number forms, the window's
#    commands offscreen and in-process, and any other *_bench there);
#  - start-up to the mapped window and peak memory of kalotri against a bare Qt window,
#    started alternately under Xvfb, medians;
#  - throughput of kalotri-rechne, text and --json output (scripts/bench-rechne.py);
#  - what the tagged worksheet costs (scripts/bench-blatt-kosten.py).
#
#   scripts/bench.sh           the full run (a few minutes)
#   scripts/bench.sh --kurz    everything once and briefly: only that it still runs
#
# Uses the build in $KALOTRI_BUILD (default: build), configured like scripts/test.sh.
# Timings are printed, never judged: nothing here fails on a slow machine.
set -euo pipefail
cd "$(dirname "$0")/.."

kurz=0
if [[ ${1:-} == --kurz ]]; then kurz=1; fi
BUILD=${KALOTRI_BUILD:-build}

if [[ ! -f $BUILD/CMakeCache.txt ]]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD" -j"$(nproc)" >/dev/null

if ((kurz)); then
  mindestzeit=(--benchmark_min_time=0.01)
  starts=1
  zeilen=2000
  wiederholungen=1
else
  mindestzeit=()
  starts=21
  zeilen=200000
  wiederholungen=5
fi

echo "== Google Benchmark programs"
for programm in "$BUILD"/tests/bench/*_bench; do
  echo "-- ${programm##*/}"
  QT_QPA_PLATFORM=offscreen "$programm" "${mindestzeit[@]}" 2>/dev/null
done

echo "== Start-up to the mapped window, $starts starts each, alternately (Xvfb)"
xvfb-run -a -s "-screen 0 1024x768x24" \
  "$BUILD/tests/bench/kalotri_startzeit" "$starts" \
  "$BUILD/src/app/kalotri" "$BUILD/tests/bench/kalotri_nackt"

echo "== kalotri-rechne, text and --json output"
python3 scripts/bench-rechne.py "$BUILD/tools/kalotri-rechne/kalotri-rechne" \
  --zeilen "$zeilen" --laeufe "$wiederholungen"

echo "== kalotri-blatt: worked steps against no solutions (and against an earlier build's"
echo "   sheet where KALOTRI_FRUEHER_BLATT names its kalotri-blatt)"
python3 scripts/bench-blatt-kosten.py "$BUILD/tools/kalotri-blatt/kalotri-blatt" \
  "${KALOTRI_FRUEHER_BLATT:-}" "$((kurz ? 1 : 9))"
