#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Kalotri needs to build, run and test.
# Idempotent and quiet when nothing is missing.
set -euo pipefail

PAKETE=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
  qt6-qpa-plugins libgl-dev libxkbcommon-dev
  rapidjson-dev libgtest-dev libbenchmark-dev
  cups cups-client cups-bsd libcups2-dev printer-driver-cups-pdf poppler-utils
  xvfb xauth x11-utils libxcb1-dev openbox
  fonts-urw-base35 fonts-liberation2 fontconfig
  clang libclang-rt-14-dev python3
  lintian desktop-file-utils appstream man-db
  # --- browser edition (scripts/web.sh): emscripten, node, headless Chromium ---
  emscripten nodejs chromium chromium-driver python3-selenium
  # --- end of browser edition ---
)
# npm fetches axe-core for the page's audit; Debian's npm only where node brings none.
if ! command -v npm >/dev/null; then PAKETE+=(npm); fi

fehlend=()
for p in "${PAKETE[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    fehlend+=("$p")
  fi
done

if ((${#fehlend[@]})); then
  echo "Installing: ${fehlend[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null
fi
