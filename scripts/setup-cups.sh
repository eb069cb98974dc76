#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes sure a CUPS scheduler runs and that a default printer exists, so the printing
# tests have somewhere to print. Adds a cups-pdf queue "Kalotri-PDF" only when the
# system has no default printer of its own.
set -euo pipefail

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  if command -v systemctl >/dev/null && systemctl is-system-running >/dev/null 2>&1; then
    systemctl start cups
  else
    mkdir -p /run/cups
    cupsd
  fi
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
  done
fi

if ! lpstat -d 2>/dev/null | grep -q "^system default destination:"; then
  lpadmin -p Kalotri-PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  lpadmin -d Kalotri-PDF
  cupsenable Kalotri-PDF
  cupsaccept Kalotri-PDF
fi
