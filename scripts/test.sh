#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Kalotri and runs every test through CTest: once in the
# ordinary build (build/) and once more with AddressSanitizer and UBSan (build-san/, clang),
# where CTest also runs each fuzzer for a bounded number of inputs; then the Debian package
# is built, installed, tried and removed. Every stage runs even when an earlier one
# failed; the exit code says whether all passed.
# KALOTRI_WERROR=ON (set by .ci/run) turns warnings in Kalotri's own code into errors.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/setup-cups.sh

cache=()
if command -v ccache >/dev/null; then cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
jobs="$(nproc)"
fehler=0
beginn=$SECONDS
zeit() { echo "   ($1 after $((SECONDS - beginn)) s)"; }

echo "== Build"
cmake --preset standard "${cache[@]}" -DKALOTRI_WERROR="${KALOTRI_WERROR:-OFF}" >/dev/null
cmake --build --preset standard -j"$jobs"
ctest --preset standard -j"$jobs" || fehler=1
zeit "build and tests"

# After the ordinary results, so a sanitizer or fuzzer finding never hides them.
echo "== Sanitizer build (AddressSanitizer, UBSan, LeakSanitizer, bounded fuzzer runs)"
cmake --preset sanitizer "${cache[@]}" -DKALOTRI_WERROR="${KALOTRI_WERROR:-OFF}" >/dev/null
cmake --build --preset sanitizer -j"$jobs"
ctest --preset sanitizer -j"$jobs" || fehler=1
zeit "sanitizer build and tests"

# The browser edition, before the package, which takes kalotri.html from build-web/.
echo "== Web page (emscripten, node, headless Chromium)"
bash scripts/web.sh || fehler=1
zeit "web page"

# The Debian package: built, checked by lintian, installed, run, removed (needs root).
echo "== Package"
bash scripts/paket-test.sh build || fehler=1
zeit "package"

# --- Benchmarks -------------------------------------------------------------------------
# Each benchmark once and briefly, so none can rot unnoticed; timings never fail CI.
# The full run with its figures: scripts/bench.sh (see docs/performance.md).
echo "== Benchmarks (once, briefly)"
bash scripts/bench.sh --kurz >/dev/null || fehler=1
zeit "benchmarks"

exit "$fehler"
