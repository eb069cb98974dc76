#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser edition (build-web/web/kalotri.html, the practice page
# kalotri-ueben.html and its SCORM package kalotri-ueben-scorm.zip; preset web, Debian's
# emscripten) and runs its tests: the WebAssembly kalotri-rechne under node against the native one
# (build/ must be built first), and the page in headless Chromium with the axe-core audit.
# axe-core is fetched from npm into build-web/npm once.
# Usage: scripts/web.sh [--bilder]   --bilder also renews the screenshots in docs/
set -euo pipefail
cd "$(dirname "$0")/.."

cache=()
if command -v ccache >/dev/null; then cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake --preset web "${cache[@]}" -DKALOTRI_WERROR="${KALOTRI_WERROR:-OFF}" >/dev/null
cmake --build --preset web -j"$(nproc)"

axe=build-web/npm/node_modules/axe-core/axe.min.js
if [ ! -f "$axe" ]; then
  npm install --no-save --no-audit --no-fund --prefix build-web/npm axe-core@4 >/dev/null
fi
ctest --preset web

if [ "${1:-}" = "--bilder" ]; then
  /usr/bin/python3 web/tests/pruefe_seite.py build-web/web/kalotri.html build-web/web/browsertest \
    --axe "$axe" --bilder docs Seite.test_layout_schmal_breit_und_zoom
  /usr/bin/python3 web/tests/pruefe_fairness.py build-web/web/kalotri-ueben.html \
    build-web/web/browsertest --axe "$axe" --bilder docs
  /usr/bin/python3 web/tests/pruefe_ueben.py build-web/web/kalotri-ueben.html \
    build-web/web/browsertest --axe "$axe" \
    --bilder docs
  /usr/bin/python3 web/tests/pruefe_scorm.py build-web/web/kalotri-ueben-scorm.zip \
    build-web/web/browsertest --bilder docs Scorm.test_ganzer_satz_dann_nur_noch_ansehen_dann_neuer_versuch
fi
