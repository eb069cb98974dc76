#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The batch tool built to WebAssembly, run under node, must write the native tool's bytes:
every exercise file with its own options, then all exercises at every decimal count the
page offers, as JSON and as text, and with the worked steps.

Usage: vergleiche_rechne.py NATIVE_RECHNE WASM_RECHNE_JS FAELLE_DIR   (node from $NODE)"""

import os
import pathlib
import shlex
import subprocess
import sys

UEBERSPRINGEN = 77


def lauf(befehl, eingabe):
    r = subprocess.run(befehl, input=eingabe, capture_output=True, timeout=300)
    return r.returncode, r.stdout, r.stderr


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
