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

# The printing tests print to a queue of their own, whose PDFs land in a folder of their
# own, so that nothing else printing on the machine mixes with what they check.
if ! lpstat -v Kalotri-Test >/dev/null 2>&1; then
  printf 'Out ${HOME}/PDF-Kalotri-Test\nGrp lpadmin\nDecodeHexStrings 1\n' \
    >/etc/cups/cups-pdf-kalotri-test.conf
  lpadmin -p Kalotri-Test -E -v cups-pdf:/kalotri-test -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
fi
