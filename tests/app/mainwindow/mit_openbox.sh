#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program under the window manager openbox on the current X display (the test
# starts it inside xvfb-run): where windows land is the window manager's decision, which a
# bare X server never makes.
set -eu
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true' EXIT
# Openbox announces itself on the root window once it manages the screen.
i=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  i=$((i + 1))
  if [ "$i" -gt 100 ]; then
    echo "openbox did not start" >&2
    exit 1
  fi
  sleep 0.1
done
"$@"
