#!/usr/bin/env bash
# Installs what is missing, builds Kalotri and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/setup-cups.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
# A short fuzzing round on the engine (clang, sanitizers); longer rounds: scripts/fuzz.sh SECONDS
bash scripts/fuzz.sh 10

ctest --test-dir build --output-on-failure -j"$(nproc)"
