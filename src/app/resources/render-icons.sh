#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders kalotri.svg into the PNG sizes that are compiled into the program and
# installed for the desktop. The PNGs are committed, so building needs no SVG
# renderer; run this only after changing the SVG (needs rsvg-convert, Debian
# package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for groesse in 16 32 48 64 128 256; do
  rsvg-convert -w "$groesse" -h "$groesse" kalotri.svg -o "kalotri-$groesse.png"
done
