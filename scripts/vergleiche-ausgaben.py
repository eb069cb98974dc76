#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Holds the outputs of two builds against each other, byte for byte.

    scripts/vergleiche-ausgaben.py ALT_BIN NEU_BIN
    scripts/vergleiche-ausgaben.py ALT_BIN NEU_RECHNE NEU_BLATT

ALT_BIN and NEU_BIN each hold kalotri-rechne and kalotri-blatt (a build before a change
and one after); the new programs may also be named one by one (so CTest can run it with
KALOTRI_ALTE_WERKZEUGE set to the old programs' folder). Compared: every exercise of tests/tools/faelle through kalotri-rechne as
text, --json and --rechenweg; random lines; generated sheets as text (pdftotext), their
SVG figures and a Moodle quiz. The PDFs themselves differ in their creation date only,
which is blanked before comparing
(and Qt's hash seed is fixed, which otherwise orders the fonts at random). Exit 1 at the first difference.
"""

import os
import random
import shlex
import subprocess
import sys
import tempfile

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def lauf(programm, argumente, eingabe=b""):
    r = subprocess.run([programm] + argumente, input=eingabe, capture_output=True)
    return r.returncode, r.stdout, r.stderr


def faelle():
    ordner = os.path.join(WURZEL, "tests/tools/faelle")
    for name in sorted(os.listdir(ordner)):
        with open(os.path.join(ordner, name), encoding="utf-8") as f:
            zeilen = f.read().split("\n")
        optionen = shlex.split(zeilen[0][3:]) if zeilen[0].startswith("%% ") else []
        eingaben = [z[2:] for z in zeilen if z.startswith("< ")]
        yield name, optionen, ("\n".join(eingaben) + "\n").encode()


def zufallszeilen(anzahl, seed):
    zufall = random.Random(seed)
    teile = ["", "", "", "3", "4,5", "7.25", "40", "90", "120", "-2", "0", "1e3", "x", "1e4000",
             "0,0001", "179", "60", "30"]
    zeilen = []
    for _ in range(anzahl):
        felder = [zufall.choice(teile) for _ in range(6)]
        if zufall.random() < 0.2:
            felder += [zufall.choice(["a", "b", "c", "x", "α", "g", "\x1b", "\xff"]) for _ in range(6)]
        zeilen.append("\t".join(felder))
    return ("\n".join(zeilen) + "\n").encode("utf-8", "surrogateescape")


def ohne_datum(pdf):
    import re
    return re.sub(rb"/CreationDate \([^)]*\)", b"", pdf)


def main():
    # Qt orders the PDF's fonts by a hash seeded at random unless told otherwise.
    os.environ["QT_HASH_SEED"] = "0"
    alt = sys.argv[1]
    programme = {os.path.join(alt, "kalotri-rechne"): os.path.join(alt, "kalotri-rechne"),
                 os.path.join(alt, "kalotri-blatt"): os.path.join(alt, "kalotri-blatt")}
    if len(sys.argv) == 4:
        neu = "neu"
        programme["neu/kalotri-rechne"], programme["neu/kalotri-blatt"] = sys.argv[2:4]
    else:
        neu = sys.argv[2]
    for p in (os.path.join(alt, "kalotri-rechne"), os.path.join(alt, "kalotri-blatt")):
        if not os.access(p, os.X_OK):
            print("keine alten Programme in", alt)
            sys.exit(77)
    gleich = 0

    def vergleiche(was, a, b):
        nonlocal gleich
        if a != b:
            print("ANDERS:", was)
            sys.exit(1)
        gleich += 1

    rechne = lambda d: programme.get(os.path.join(d, "kalotri-rechne"), os.path.join(d, "kalotri-rechne"))
    blatt = lambda d: programme.get(os.path.join(d, "kalotri-blatt"), os.path.join(d, "kalotri-blatt"))
    for name, optionen, eingabe in faelle():
        for form in ([], ["--json"], ["--rechenweg"]):
            vergleiche(f"{name} {form}", lauf(rechne(alt), optionen + form, eingabe),
                       lauf(rechne(neu), optionen + form, eingabe))
    for seed in range(4):
        eingabe = zufallszeilen(500, seed)
        for form in ([], ["--json"], ["--rechenweg"], ["--json", "--dezimalen", "7"]):
            vergleiche(f"zufall {seed} {form}", lauf(rechne(alt), form, eingabe),
                       lauf(rechne(neu), form, eingabe))
    blaetter = [
        ["--erzeuge", "40", "--seed", "7", "--gruppen", "2", "--schluessel", "--skizze",
         "--mehr", "--loesung", "rechenweg"],
        ["--erzeuge", "30", "--seed", "3", "--loesung", "script", "--einheit", "cm"],
        ["--erzeuge", "25", "--seed", "11", "--loesung", "schluessel", "--platz", "3",
         "--dezimalen", "1", "--trennzeichen", "."],
    ]
    with tempfile.TemporaryDirectory() as tmp:
        for i, argumente in enumerate(blaetter):
            ergebnisse = []
            for seite, d in (("alt", alt), ("neu", neu)):
                ziel = os.path.join(tmp, f"{seite}{i}")
                os.mkdir(ziel)
                r = lauf(blatt(d), argumente + ["--svg", ziel + "/svg", "--moodle",
                                               ziel + "/q.xml", "-o", ziel + "/b.pdf"])
                text = subprocess.run(["pdftotext", "-layout", ziel + "/b.pdf", "-"],
                                      capture_output=True).stdout
                dateien = {}
                for wurzel, _, namen in os.walk(ziel + "/svg"):
                    for n in namen:
                        with open(os.path.join(wurzel, n), "rb") as f:
                            dateien[os.path.relpath(os.path.join(wurzel, n), ziel)] = f.read()
                with open(ziel + "/q.xml", "rb") as f:
                    quiz = f.read()
                with open(ziel + "/b.pdf", "rb") as f:
                    pdf = ohne_datum(f.read())
                ergebnisse.append((r, text, dateien, quiz, pdf))
            (ra, ta, sa, qa, pa), (rn, tn, sn, qn, pn) = ergebnisse
            vergleiche(f"blatt {i} rückgabe", ra, rn)
            vergleiche(f"blatt {i} text", ta, tn)
            vergleiche(f"blatt {i} svg", sa, sn)
            vergleiche(f"blatt {i} quiz", qa, qn)
            vergleiche(f"blatt {i} pdf", pa, pn)
        # A file with unusable lines, with and without --trotzdem.
        datei = os.path.join(tmp, "aufgaben.txt")
        with open(datei, "wb") as f:
            f.write(zufallszeilen(60, 99))
        for extra in ([], ["--trotzdem"]):
            a = lauf(blatt(alt), extra + ["-o", os.path.join(tmp, "a.pdf"), datei])
            n = lauf(blatt(neu), extra + ["-o", os.path.join(tmp, "n.pdf"), datei])
            vergleiche(f"datei {extra}", a, n)
            if extra:
                texte = [subprocess.run(["pdftotext", "-layout", os.path.join(tmp, p), "-"],
                                        capture_output=True).stdout for p in ("a.pdf", "n.pdf")]
                vergleiche("datei text", *texte)
    print(f"gleich: {gleich} Vergleiche")


if __name__ == "__main__":
    main()
