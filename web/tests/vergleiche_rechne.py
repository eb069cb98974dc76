#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The batch tool built to WebAssembly, run under node, must write the native tool's bytes:
every exercise file with its own options, then all exercises at every decimal count the
page offers, as JSON and as text, and with the worked steps.

Usage: vergleiche_rechne.py NATIVE_RECHNE WASM_RECHNE_JS FAELLE_DIR   (node from $NODE)"""

import os
import pathlib
import random
import shlex
import subprocess
import sys

UEBERSPRINGEN = 77


def lauf(befehl, eingabe):
    r = subprocess.run(befehl, input=eingabe, capture_output=True, timeout=300)
    return r.returncode, r.stdout, r.stderr


def zufallsaufgaben(anzahl):
    """Exercises of every kind with 0 to 8 decimals, the same ones every run: the worked
    steps at 10 decimals show up to 17 significant digits and take branches on the last
    bits, where a platform's wider long double, libm or printf would show first."""
    zufall = random.Random(33)

    def zahl(unten, oben):
        return f"{zufall.uniform(unten, oben):.{zufall.choice([0, 1, 2, 3, 5, 8])}f}"

    zeilen = []
    for _ in range(anzahl):
        f = [""] * 6
        art = zufall.choice(["sss", "sws", "wsw", "ssw", "sww"])
        if art == "sss":
            a, b = float(zahl(1, 50)), float(zahl(1, 50))
            f[0:3] = [str(a), str(b), f"{zufall.uniform(abs(a - b), a + b):.3f}"]
        elif art == "sws":
            f[0], f[1], f[5] = zahl(0.1, 100), zahl(0.1, 100), zahl(0.5, 179)
        elif art == "wsw":
            alpha = float(zahl(1, 170))
            f[2], f[3] = zahl(0.1, 100), str(alpha)
            f[4] = f"{zufall.uniform(0.5, 179.4 - alpha):.4f}"
        elif art == "ssw":
            f[0], f[1], f[3] = zahl(0.1, 100), zahl(0.1, 100), zahl(1, 170)
        else:
            f[0], f[3], f[4] = zahl(0.1, 100), zahl(1, 80), zahl(1, 80)
        zeilen.append("\t".join(f) + "\n")
    return "".join(zeilen).encode()


def main():
    nativ, wasm, ordner = sys.argv[1:4]
    if not os.access(nativ, os.X_OK):
        print(f"no native kalotri-rechne at {nativ}: build the standard preset first")
        sys.exit(UEBERSPRINGEN)
    node = os.environ.get("NODE") or "node"
    dateien = sorted(pathlib.Path(ordner).glob("*.faelle"))
    if not dateien:
        sys.exit(f"no exercise files in {ordner}")

    laeufe = []  # (what, options, input)
    alle = b""
    for datei in dateien:
        zeilen = datei.read_text(encoding="utf-8").split("\n")
        optionen = shlex.split(zeilen[0][3:]) if zeilen[0].startswith("%% ") else []
        eingabe = "".join(z[2:] + "\n" for z in zeilen if z.startswith("< ")).encode()
        alle += eingabe
        laeufe.append((datei.name, ["--json", "--trennzeichen", ","] + optionen, eingabe))
    for dezimalen in range(1, 11):
        laeufe.append((f"alle, {dezimalen} Dezimalen, JSON",
                       ["--json", "--dezimalen", str(dezimalen)], alle))
    laeufe.append(("alle, Text mit Punkt", ["--trennzeichen", "."], alle))
    laeufe.append(("alle, Rechenweg, JSON", ["--json", "--rechenweg", "--dezimalen", "10"], alle))
    laeufe.append(("alle, Rechenweg, Text", ["--rechenweg"], alle))
    zufall = zufallsaufgaben(1000)
    laeufe.append(("Zufall, Rechenweg mit mehr, Text",
                   ["--rechenweg", "--mehr", "--dezimalen", "10"], zufall))
    laeufe.append(("Zufall, Rechenweg mit mehr, JSON",
                   ["--json", "--rechenweg", "--mehr", "--dezimalen", "7"], zufall))

    fehler = 0
    for was, optionen, eingabe in laeufe:
        soll = lauf([nativ, *optionen], eingabe)
        ist = lauf([node, wasm, *optionen], eingabe)
        if ist == soll:
            continue
        fehler += 1
        print(f"UNGLEICH: {was} ({' '.join(optionen)})")
        if ist[0] != soll[0]:
            print(f"  Rückgabewert nativ {soll[0]}, wasm {ist[0]}")
        if ist[2] != soll[2]:
            print(f"  stderr nativ {soll[2][:300]!r}\n  stderr wasm  {ist[2][:300]!r}")
        for nummer, (a, b) in enumerate(zip(soll[1].split(b"\n"), ist[1].split(b"\n")), 1):
            if a != b:
                print(f"  erste abweichende Zeile {nummer}:\n    nativ {a[:400]!r}\n"
                      f"    wasm  {b[:400]!r}")
                break
    print(f"{len(laeufe) - fehler} von {len(laeufe)} Läufen gleich")
    sys.exit(1 if fehler else 0)


if __name__ == "__main__":
    main()
