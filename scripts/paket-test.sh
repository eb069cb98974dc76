#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build directory (default: build), checks it with
# lintian and its programs with hardening-check, installs it with apt-get, runs the
# installed programs, and removes it again, checking that nothing of it is left. A kalotri
# package this test did not install itself (by hand, from a release) is left alone: then
# the installation part is skipped. Needs root (apt-get, dpkg) and a finished build.
# Usage: scripts/paket-test.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build}"
apt=(apt-get -y -qq -o DPkg::Lock::Timeout=300)
export DEBIAN_FRONTEND=noninteractive
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

rm -rf "$build/paket"
(cd "$build" && cpack -G DEB -B paket >/dev/null)
deb="$(ls "$PWD/$build"/paket/kalotri_*.deb)"
echo "Paket: $deb"

echo "== lintian"
lintian --fail-on error --pedantic --display-experimental "$deb" 2>&1 |
  grep -v "running with root privileges" || true
lintian --fail-on error "$deb" >/dev/null 2>&1

echo "== hardening-check"
# The programs as the package holds them. Two checks are left to the build flags:
# bookworm's dpkg-buildflags has no control-flow protection in hardening=+all, and the
# Fortify check finds no checked call where the compiler can prove every buffer size.
grep -q -- "-D_FORTIFY_SOURCE=2" "$build/build.ninja" || {
  echo "$build was not built with dpkg-buildflags (cmake --preset standard)" >&2
  exit 1
}
inhalt="$(mktemp -d)"
dpkg-deb -x "$deb" "$inhalt"
hardening-check --nocfprotection --nofortify \
  "$inhalt/usr/bin/kalotri" "$inhalt/usr/bin/kalotri-rechne" "$inhalt/usr/bin/kalotri-blatt"
rm -rf "$inhalt"

# Whether kalotri is installed because this test put it there: the mark is set before
# installing and removed after purging, so a run that stopped half way is recognised.
marke="$PWD/$build/paket-test-installiert"
installiert() { dpkg-query -W -f='${Status}' kalotri 2>/dev/null | grep -q "ok installed"; }
if installiert; then
  if [ ! -e "$marke" ]; then
    echo "Package test: kalotri $(dpkg-query -W -f='${Version}' kalotri) is installed," \
      "not by this test; left alone, installation test skipped"
    exit 0
  fi
  $SUDO "${apt[@]}" purge kalotri >/dev/null
fi
rm -f "$marke"
aufraeumen() {
  if [ -e "$marke" ]; then
    $SUDO "${apt[@]}" purge kalotri >/dev/null 2>&1 && rm -f "$marke"
  fi
}
trap aufraeumen EXIT

echo "== apt-get install"
touch "$marke"
$SUDO "${apt[@]}" install "$deb" >/dev/null
dateien="$(mktemp)"
dpkg-query -L kalotri | sort >"$dateien"

echo "== installed programs"
# The example worksheet that ships with the package, with a decimal comma.
diff -u packaging/beispiel/arbeitsblatt.erwartet \
  <(/usr/bin/kalotri-rechne --trennzeichen , </usr/share/doc/kalotri/examples/arbeitsblatt.txt)
version="$(sed -n 's/^#define KALOTRI_VERSION "\(.*\)"$/\1/p' "$build/generated/kalotri_version.h")"
[ "$(QT_QPA_PLATFORM=offscreen /usr/bin/kalotri --version)" = "kalotri $version" ]
[ "$(/usr/bin/kalotri-rechne --version)" = "kalotri-rechne $version" ]
[ "$(QT_QPA_PLATFORM=offscreen /usr/bin/kalotri-blatt --version)" = "kalotri-blatt $version" ]
for seite in kalotri kalotri-rechne kalotri-blatt; do
  man -w "$seite" | grep -q "^/usr/share/man/man1/$seite.1.gz$"
  [ -f "/usr/share/man/en/man1/$seite.1.gz" ]
done
# The browser edition, whenever it was built before the package.
if [ -f build-web/web/kalotri.html ]; then
  cmp build-web/web/kalotri.html /usr/share/kalotri/web/kalotri.html
  cmp build-web/web/kalotri-ueben.html /usr/share/kalotri/web/kalotri-ueben.html
  cmp build-web/web/kalotri-ueben-scorm.zip /usr/share/kalotri/web/kalotri-ueben-scorm.zip
fi
desktop-file-validate /usr/share/applications/de.kalotri.Kalotri.desktop
appstreamcli validate --no-net /usr/share/metainfo/de.kalotri.Kalotri.metainfo.xml >/dev/null
# Installed binaries look for libraries in the system's directories only.
if readelf -d /usr/bin/kalotri /usr/bin/kalotri-rechne /usr/bin/kalotri-blatt |
  grep -E "RPATH|RUNPATH"; then
  echo "installed programs carry a RUNPATH" >&2
  exit 1
fi

echo "== apt-get purge"
trap - EXIT
$SUDO "${apt[@]}" purge kalotri >/dev/null
rm -f "$marke"
if dpkg-query -W -f='${Status}' kalotri 2>/dev/null | grep -q "installed"; then
  echo "kalotri is still installed" >&2
  exit 1
fi
uebrig=0
while read -r datei; do
  # Directories such as /usr/share/man/man1 belong to other packages as well.
  if [ -e "$datei" ] && [ ! -d "$datei" ]; then
    echo "left behind: $datei" >&2
    uebrig=1
  fi
done <"$dateien"
for verzeichnis in /usr/share/doc/kalotri /usr/share/doc/kalotri/examples /usr/share/kalotri; do
  if [ -e "$verzeichnis" ]; then
    echo "left behind: $verzeichnis" >&2
    uebrig=1
  fi
done
rm -f "$dateien"
[ "$uebrig" -eq 0 ]
echo "Package test: passed"
