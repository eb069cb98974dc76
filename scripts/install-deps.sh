#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Kalotri needs. Idempotent and quiet when nothing is
# missing; waits for another apt or dpkg run instead of failing on its lock.
# Usage: scripts/install-deps.sh [--lauf]
#   --lauf  only what building and starting the program needs (scripts/run.sh)
#   none    everything, for the tests, the package check and the benchmarks as well
set -euo pipefail

# Building and starting the program.
LAUF=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
  qt6-qpa-plugins libgl-dev libxkbcommon-dev
  rapidjson-dev libcups2-dev
  libcairo2-dev libpango1.0-dev libfontconfig-dev libqpdf-dev
  fonts-urw-base35 fonts-liberation2 fontconfig
)

# Tests, package check, sanitizers, fuzzers and benchmarks: one group a line.
TEST=(
  libgtest-dev libbenchmark-dev
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  xvfb xauth x11-utils libxcb1-dev openbox
  clang libclang-rt-14-dev python3 python3-mpmath python3-fonttools
  libxml2-utils
  lintian desktop-file-utils appstream man-db devscripts python3-pikepdf
  locales
  # --- browser edition (scripts/web.sh): emscripten, node, headless Chromium ---
  emscripten nodejs chromium chromium-driver python3-selenium
  # --- end of browser edition ---
)
# npm fetches axe-core for the page's audit; Debian's npm only where node brings none.
if ! command -v npm >/dev/null; then TEST+=(npm); fi

PAKETE=("${LAUF[@]}")
case "${1:-}" in
  --lauf) ;;
  "") PAKETE+=("${TEST[@]}") ;;
  *) echo "Aufruf: $0 [--lauf]" >&2; exit 2 ;;
esac

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
  apt=(apt-get -o DPkg::Lock::Timeout=600)
  $SUDO "${apt[@]}" update -qq
  $SUDO "${apt[@]}" install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null
fi

# The tests check that numbers meant for other programs keep their decimal point under a
# German locale.
if [ "${1:-}" != "--lauf" ] && ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
