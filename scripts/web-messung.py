#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Figures of the browser edition for docs/performance.md: size of kalotri.html, its load
time in headless Chromium against a bare page, the WebAssembly batch tool's speed against
the native one, and how many results differ from the native ones at 3, 10 and 15 decimals
(also for a build without the 64-bit-mantissa rounding, if given).

Usage: scripts/web-messung.py [ANZAHL] [--ohne-rundung WASM_JS]   (after scripts/web.sh)"""

import argparse
import gzip
import pathlib
import random
import statistics
import subprocess
import sys
import tempfile
import time

WURZEL = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(WURZEL / "web" / "tests"))
NATIV = WURZEL / "build/tools/kalotri-rechne/kalotri-rechne"
WASM = WURZEL / "build-web/tools/kalotri-rechne/kalotri-rechne.js"
SEITE = WURZEL / "build-web/web/kalotri.html"


def aufgaben(anzahl):
    """Three of the six quantities, school-sized values with up to four decimals."""
    z = random.Random(18)
    zeilen = []
    for _ in range(anzahl):
        felder = [""] * 6
        for i in z.sample(range(6), 3):
            wert = z.uniform(0.5, 100) if i < 3 else z.uniform(1, 150)
            felder[i] = f"{wert:.{z.randint(0, 4)}f}"
        zeilen.append("\t".join(felder))
    return ("\n".join(zeilen) + "\n").encode()


def lauf(befehl, eingabe):
    beginn = time.perf_counter()
    r = subprocess.run(befehl, input=eingabe, capture_output=True, check=True)
    # The text output puts a blank line after each exercise.
    return r.stdout.decode().split("\n\n"), time.perf_counter() - beginn


def main():
    p = argparse.ArgumentParser()
    p.add_argument("anzahl", type=int, nargs="?", default=200000)
    p.add_argument("--ohne-rundung")
    a = p.parse_args()
    eingabe = aufgaben(a.anzahl)

    roh = SEITE.read_bytes()
    print(f"kalotri.html: {len(roh)} bytes, gzip -9 {len(gzip.compress(roh, 9))} bytes")

    zeiten = {"nativ": [], "wasm": [], "ohne": []}
    for dezimalen in (3, 10, 15):
        soll, t = lauf([NATIV, "--dezimalen", str(dezimalen)], eingabe)
        zeiten["nativ"].append(t)
        wasm = [("mit Rundung", WASM)]
        if a.ohne_rundung:
            wasm.append(("ohne Rundung", a.ohne_rundung))
        for name, js in wasm:
            ist, t = lauf(["node", js, "--dezimalen", str(dezimalen)], eingabe)
            zeiten["wasm" if name == "mit Rundung" else "ohne"].append(t)
            anders = sum(x != y for x, y in zip(soll, ist)) + abs(len(soll) - len(ist))
            print(f"{dezimalen:2} decimals, {name}: {anders} of {len(soll) - 1} exercises differ")
    n, w = statistics.median(zeiten["nativ"]), statistics.median(zeiten["wasm"])
    print(f"batch, {a.anzahl} exercises: native {n:.2f} s, node {w:.2f} s, ratio {w / n:.1f} ×")
    if zeiten["ohne"]:
        o = statistics.median(zeiten["ohne"])
        print(f"node without the rounding {o:.2f} s: the rounding costs {w / o:.2f} ×")

    import browser
    b = browser.Browser()
    try:
        with tempfile.TemporaryDirectory() as ordner:
            leer = pathlib.Path(ordner) / "leer.html"
            leer.write_text("<!DOCTYPE html><title>leer</title><p>leer", encoding="utf-8")
            seite_ms, leer_ms = [], []
            for _ in range(11):
                b.driver.get(SEITE.as_uri())
                while b.driver.execute_script("return document.documentElement.dataset.bereit") != "ja":
                    time.sleep(0.005)
                seite_ms.append(float(b.driver.execute_script(
                    "return document.documentElement.dataset.bereitNachMs")))
                b.driver.get(leer.as_uri())
                leer_ms.append(b.driver.execute_script(
                    "const t = performance.getEntriesByType('navigation')[0];"
                    "return t.loadEventEnd || performance.now();"))
            s, l = statistics.median(seite_ms), statistics.median(leer_ms)
            print(f"load to engine ready: {s:.1f} ms, bare page loaded: {l:.1f} ms "
                  f"(medians of 11), ratio {s / l:.1f} ×")
    finally:
        b.schliessen()


if __name__ == "__main__":
    main()
