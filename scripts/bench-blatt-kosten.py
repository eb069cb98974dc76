#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the tagged PDF costs: a 200-exercise sheet with the worked steps against the same
sheet without solutions, and its size against the untagged sheet of an earlier build,
the programs started alternately in one run. Prints medians; judges nothing.

    scripts/bench-blatt-kosten.py KALOTRI_BLATT [FRUEHERES_KALOTRI_BLATT] [RUNDEN]
"""

import os
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


def main():
    programme = {"getaggt": sys.argv[1]}
    if len(sys.argv) > 2 and sys.argv[2]:
        programme["früher"] = sys.argv[2]
    runden = int(sys.argv[3]) if len(sys.argv) > 3 else 7
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
