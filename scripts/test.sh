#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Kalotri and runs every test through CTest.
# KALOTRI_WERROR=ON (set by .ci/run) turns warnings in Kalotri's own code into errors.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/setup-cups.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKALOTRI_WERROR="${KALOTRI_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

# A short fuzzing round on the engine (clang, sanitizers) after the unit results, so a
# finding never hides them; longer rounds: scripts/fuzz.sh SECONDS
bash scripts/fuzz.sh 10

# --- Benchmarks -------------------------------------------------------------------------
# Each benchmark once and briefly, so none can rot unnoticed; timings never fail CI.
# The full run with its figures: scripts/bench.sh (see docs/performance.md).
bash scripts/bench.sh --kurz >/dev/null
