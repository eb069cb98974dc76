#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the tagged PDF costs: a 200-exercise sheet with the worked steps against the same
sheet without solutions, and its size against the untagged sheet of an earlier build,
the programs started alternately in one run. Prints medians; judges nothing.

    scripts/bench-blatt-kosten.py [--befehle] KALOTRI_BLATT [FRUEHERES_KALOTRI_BLATT] [RUNDEN]

With --befehle it counts instructions under valgrind's callgrind instead, once per sheet:
the same count run after run, where the times on a busy machine are mostly waiting.
"""

import os
import re
import resource
import statistics
import subprocess
import sys
import tempfile
import time

BLATT = ["--erzeuge", "200", "--seed", "5"]
ARTEN = {"ohne Lösungen": ["--ohne-loesungen"], "Rechenweg": []}


def lauf(programm, optionen, ziel):
    vorher = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run([programm, "-o", ziel, *BLATT, *optionen], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    dauer = time.perf_counter() - start
    nachher = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (nachher.ru_utime - vorher.ru_utime) + (nachher.ru_stime - vorher.ru_stime)
    return dauer, cpu, os.path.getsize(ziel)


def befehle(programm, optionen, ziel):
    lauf = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null",
                           programm, "-o", ziel, *BLATT, *optionen], check=True,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    return int(re.search(r"Collected : (\d+)", lauf.stderr).group(1)), os.path.getsize(ziel)


def zaehle(programme):
    with tempfile.TemporaryDirectory() as ordner:
        ziel = os.path.join(ordner, "blatt.pdf")
        zahl = {(n, a): befehle(p, o, ziel) for n, p in programme.items()
                for a, o in ARTEN.items()}
    for (name, art), (anzahl, groesse) in zahl.items():
        print(f"{name:8} {art:14} {anzahl / 1e6:9.1f} Mio. Befehle  {groesse:8d} Bytes")
    for name in programme:
        ohne, weg = zahl[(name, "ohne Lösungen")][0], zahl[(name, "Rechenweg")][0]
        print(f"{name}: Rechenweg / ohne Lösungen = {weg / ohne:.2f} × (Befehle)")
    if "früher" in programme:
        for art in ARTEN:
            neu, alt = zahl[("getaggt", art)], zahl[("früher", art)]
            print(f"{art}: getaggt / früher = Befehle {neu[0] / alt[0]:.2f} ×, "
                  f"Größe {neu[1] / alt[1]:.2f} ×")


def main():
    argumente = [a for a in sys.argv[1:] if a != "--befehle"]
    programme = {"getaggt": argumente[0]}
    if len(argumente) > 1 and argumente[1]:
        programme["früher"] = argumente[1]
    if "--befehle" in sys.argv:
        zaehle(programme)
        return
    runden = int(argumente[2]) if len(argumente) > 2 else 7
    messung = {}
    with tempfile.TemporaryDirectory() as ordner:
        for _ in range(runden):
            for name, programm in programme.items():
                for art, optionen in ARTEN.items():
                    ziel = os.path.join(ordner, "blatt.pdf")
                    messung.setdefault((name, art), []).append(lauf(programm, optionen, ziel))
    median = {k: [statistics.median(w[i] for w in v) for i in range(3)]
              for k, v in messung.items()}
    for (name, art), (dauer, cpu, groesse) in median.items():
        print(f"{name:8} {art:14} {dauer * 1000:7.0f} ms  CPU {cpu * 1000:6.0f} ms  "
              f"{groesse:8d} Bytes")
    for name in programme:
        ohne, weg = median[(name, "ohne Lösungen")], median[(name, "Rechenweg")]
        print(f"{name}: Rechenweg / ohne Lösungen = {weg[0] / ohne[0]:.2f} × "
              f"(CPU {weg[1] / ohne[1]:.2f} ×)")
    if "früher" in programme:
        for art in ARTEN:
            neu, alt = median[("getaggt", art)], median[("früher", art)]
            print(f"{art}: getaggt / früher = Zeit {neu[0] / alt[0]:.2f} ×, "
                  f"Größe {neu[2] / alt[2]:.2f} ×")


if __name__ == "__main__":
    main()
