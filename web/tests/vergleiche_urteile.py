#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The judge built to WebAssembly, run under node, must build the native question model:
per field the decimals asked, the answer shown and every interval with its mark, for
generated exercises at several least decimals and for generated word problems. Where these
agree, the practice page marks as the quiz does.

Usage: vergleiche_urteile.py NATIVE_FRAGE_URTEILE WASM_FRAGE_URTEILE_JS   (node from $NODE)"""

import os
import subprocess
import sys

from vergleiche_rechne import UEBERSPRINGEN, zufallsaufgaben


def eingabe():
    zeilen = zufallsaufgaben(150).decode().splitlines()
    eingaben = [f"{z}\t{n % 4}\n" for n, z in enumerate(zeilen)]
    for stufe in (1, 2, 3):
        eingaben += [f"SACH\t6\t{40 + stufe}\t{stufe}\t,\t{i}\t\n" for i in range(6)]
    return "".join(eingaben).encode()


def main():
    nativ, wasm = sys.argv[1:3]
    if not os.access(nativ, os.X_OK):
        print(f"no native frage_urteile at {nativ}: build the standard preset first")
        sys.exit(UEBERSPRINGEN)
    node = os.environ.get("NODE") or "node"
    daten = eingabe()
    soll = subprocess.run([nativ, "--modell"], input=daten, capture_output=True, timeout=120)
    ist = subprocess.run([node, wasm, "--modell"], input=daten, capture_output=True,
                         timeout=120)
    if soll.returncode or ist.returncode:
        sys.exit(f"Rückgabewert nativ {soll.returncode}, wasm {ist.returncode}: {ist.stderr!r}")
    a, b = soll.stdout.decode().splitlines(), ist.stdout.decode().splitlines()
    if len(a) != len(daten.splitlines()) or any(z in ("?", "") for z in a[-18:]):
        sys.exit(f"unerwartete Ausgabe: {a[-3:]}")
    ungleich = [(n, x, y) for n, (x, y) in enumerate(zip(a, b)) if x != y]
    for n, x, y in ungleich[:5]:
        print(f"UNGLEICH Zeile {n + 1}: {daten.splitlines()[n]!r}\n  nativ {x}\n  wasm  {y}")
    if ungleich or len(a) != len(b):
        sys.exit(f"{len(ungleich)} von {len(a)} Fragen ungleich")
    # The marks of answers typed on the edges of each field's intervals: the answer shown
    # plus and minus half a unit, with one decimal more, where binary rounding decides.
    zeilen = []
    for e, m in zip(daten.decode().splitlines(), a):
        if e.startswith("SACH") or m == "-":
            continue
        felder = [f.split()[0].split(":") for f in m.split(" | ") if f.strip()]
        for vorzeichen in (-1, 1):
            antworten = [f"{float(w) + vorzeichen * 0.5 * 10 ** -int(d):.{int(d) + 1}f}"
                         for d, w in felder]
            zeilen.append(e + "\t" + "\t".join(antworten) + "\n")
    kanten = "".join(zeilen).encode()
    soll = subprocess.run([nativ], input=kanten, capture_output=True, timeout=120)
    ist = subprocess.run([node, wasm], input=kanten, capture_output=True, timeout=120)
    if soll.stdout != ist.stdout or soll.returncode or ist.returncode:
        sys.exit(f"Noten an den Kanten ungleich:\n{soll.stdout[:300]!r}\n{ist.stdout[:300]!r}")
    print(f"{len(a)} Fragen gleich, {len(zeilen)} Antwortsätze an den Kanten gleich benotet")


if __name__ == "__main__":
    main()
