#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and starting needs (nothing for the tests), builds Kalotri and
# starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --lauf

# Without the tests and benchmarks, whose libraries only scripts/test.sh installs.
cmake -S . -B build-lauf -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DKALOTRI_BUILD_BENCH=OFF >/dev/null
cmake --build build-lauf -j"$(nproc)" --target kalotri
exec build-lauf/src/app/kalotri
