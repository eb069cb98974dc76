#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/hauptfenster.png: the main window after the calculation 3, 4, 5, drawn by a
# real X server (Xvfb) with a German decimal comma.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target kalotri_bildschirmfoto
mkdir -p docs
LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
  build/tests/app/mainwindow/kalotri_bildschirmfoto docs/hauptfenster.png
echo "docs/hauptfenster.png"
