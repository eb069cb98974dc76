#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Throughput of kalotri-rechne in both output forms, measured on the real program.

Builds an input of N lines from the exercise lines of tests/tools/faelle (every case the
project checks, messages and errors included), runs text and JSON output alternately and
reports CPU time per line (user + system of the child, so other load on the machine does
not count) as the median of the runs, and the ratio JSON / text.

Usage: scripts/bench-rechne.py [PROGRAM] [--zeilen N] [--laeufe K]
"""

import argparse
import glob
import os
import resource
import statistics
import subprocess
import tempfile

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def eingabe(zeilen):
    faelle = []
    for pfad in sorted(glob.glob(os.path.join(WURZEL, "tests/tools/faelle/*.faelle"))):
        with open(pfad, "rb") as f:
            faelle += [z[2:] for z in f.read().split(b"\n") if z.startswith(b"< ")]
    return b"\n".join(faelle[i % len(faelle)] for i in range(zeilen)) + b"\n"


def cpu_sekunden(programm, argumente, datei):
    vorher = resource.getrusage(resource.RUSAGE_CHILDREN)
    with open(datei, "rb") as ein:
        subprocess.run([programm, *argumente], stdin=ein, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False)
    nachher = resource.getrusage(resource.RUSAGE_CHILDREN)
    return (nachher.ru_utime - vorher.ru_utime) + (nachher.ru_stime - vorher.ru_stime)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("programm", nargs="?",
                        default=os.path.join(WURZEL, "build/tools/kalotri-rechne/kalotri-rechne"))
    parser.add_argument("--zeilen", type=int, default=200_000)
    parser.add_argument("--laeufe", type=int, default=5)
    args = parser.parse_args()

    with tempfile.NamedTemporaryFile(suffix=".txt") as datei:
        datei.write(eingabe(args.zeilen))
        datei.flush()
        zeiten = {"text": [], "json": []}
        for _ in range(args.laeufe):
            zeiten["text"].append(cpu_sekunden(args.programm, ["--trennzeichen", ","], datei.name))
            zeiten["json"].append(cpu_sekunden(args.programm, ["--json"], datei.name))
    text = statistics.median(zeiten["text"]) / args.zeilen * 1e6
    json = statistics.median(zeiten["json"]) / args.zeilen * 1e6
    print(f"{args.zeilen} Zeilen, Median aus {args.laeufe} Läufen (CPU-Zeit)")
    print(f"Text: {text:.2f} µs/Zeile")
    print(f"JSON: {json:.2f} µs/Zeile")
    print(f"JSON/Text: {json / text:.2f}")


if __name__ == "__main__":
    main()
