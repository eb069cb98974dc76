#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every printed step of the worked solution follows from its printed numbers.

Exercises of every kind are made here (not by the program's generator), run through
`kalotri-rechne --rechenweg --json --mehr`, and each step's substitution is computed
again with 50-digit mpmath from the numbers as printed. Each number the step then shows
must lie within one unit of its last digit of that value; "=" must be exact; the givens
must stand as typed.

    pruefe_rechenweg_rundung.py KALOTRI-RECHNE [ANZAHL [SEED]]

prints the figures per count of decimals; exits 1 on any failure.
"""

import json
import os
import random
import re
import subprocess
import sys

from mpmath import mp, mpf

mp.dps = 50
DEZIMALEN = (0, 1, 3, 10)
ZAHL = re.compile(r"\d+(?:,\d+)?(?:E-?\d+)?")
WINKELFUNKTION = re.compile(r"(sin|cos) (\(−[\d,]+°\)|[\d,]+°)")


def getippt(wert, stellen):
    text = f"{wert:.{stellen}f}".replace(".", ",")
    return text if float(text.replace(",", ".")) > 0 else "1"


def aufgabe(zufall):
    """Six box texts of one exercise of a random kind and placement."""
    felder = [""] * 6
    i, j, k = zufall.sample(range(3), 3)
    seite = lambda: getippt(zufall.uniform(0.5, 30), zufall.choice((0, 0, 1, 2)))
    winkel = lambda hoch=170: getippt(zufall.uniform(1, hoch), zufall.choice((0, 0, 1, 2)))
    art = zufall.choice(("SSS", "SWS", "SSW", "SSW", "WSW", "SWW"))
    if art == "SSS":
        felder[0:3] = [seite() for _ in range(3)]
        # Exactly flat (2,7 + 20,2 = 22,9): binary rounding lets the calculation take it
        # for a triangle and its angles are rounding noise, which no shown digits explain.
        laengen = sorted(mpf(t.replace(",", ".")) for t in felder[0:3])
        if laengen[0] + laengen[1] == laengen[2]:
            return aufgabe(zufall)
    elif art == "SWS":
        felder[i], felder[j], felder[3 + k] = seite(), seite(), winkel(175)
    elif art == "SSW":
        felder[i], felder[j], felder[3 + i] = seite(), seite(), winkel()
        if zufall.random() < 0.15:
            felder[j] = felder[i]  # isosceles
    else:
        w1 = zufall.uniform(1, 170)
        w2 = zufall.uniform(1, 178 - w1)
        stellen = zufall.choice((0, 1, 2))
        felder[i] = seite()
        andere = (j, k) if art == "WSW" else (i, j)
        felder[3 + andere[0]] = getippt(w1, stellen)
        felder[3 + andere[1]] = getippt(w2, stellen)
    return felder


def wert(text):
    """The number a result shows: "β₁ ≈ 64,145°" -> (mpf, decimals)."""
    zahl = re.search(r"−?\d+(?:,(\d+))?(?:E(-?\d+))?", text)
    stellen = len(zahl.group(1) or "") - int(zahl.group(2) or 0)
    return mpf(zahl.group(0).replace("−", "-").replace(",", ".")), stellen


def rechne(einsetzung):
    """The right side of a substitution, computed from its printed numbers."""
    rechts = einsetzung.split(" = ", 1)[1]
    rechts = rechts.replace("sin⁻¹(", "ASIN(").replace("cos⁻¹(", "ACOS(")
    rechts = WINKELFUNKTION.sub(lambda m: m.group(1).upper() + "(" + m.group(2) + ")", rechts)
    rechts = (rechts.replace("°", "").replace("−", "-").replace("·", "*").replace("½", "HALB")
              .replace("²", "**ZWEI").replace("√", "sqrt"))
    rechts = ZAHL.sub(lambda m: "mpf('" + m.group(0).replace(",", ".") + "')", rechts)
    rechts = rechts.replace("ZWEI", "2")
    umgebung = {
        "mpf": mpf, "sqrt": mp.sqrt, "HALB": mpf(1) / 2,
        "SIN": lambda g: mp.sin(mp.radians(g)), "COS": lambda g: mp.cos(mp.radians(g)),
        "ASIN": lambda x: mp.degrees(mp.asin(x)), "ACOS": lambda x: mp.degrees(mp.acos(x)),
    }
    return eval(rechts, {"__builtins__": {}}, umgebung)  # noqa: S307 - our own text


def pruefe_schritt(schritt):
    """Problems of one Rechnung step (an empty list when it holds)."""
    if not schritt["einsetzung"]:
        return []
    genau = rechne(schritt["einsetzung"])
    fehler = []
    vorher, vorher_genau = genau, True
    for feld in ("zwischenwert", "ergebnis"):
        text = schritt[feld]
        if not text:
            continue
        zahl, stellen = wert(text.split(" ≈ ")[-1].split(" = ")[-1])
        einheit = mpf(10) ** -stellen
        if abs(genau - zahl) > einheit * (1 + mpf(10) ** -9):
            fehler.append(f"{text}: recomputed {mp.nstr(genau, 20)}")
        if " = " in text and vorher_genau and abs(vorher - zahl) > abs(zahl) * mpf(10) ** -24:
            fehler.append(f"{text}: '=' but {mp.nstr(vorher, 20)}")
        vorher, vorher_genau = zahl, True
    return fehler


def laufe(programm, aufgaben, dezimalen, mehr):
    eingabe = "".join("\t".join(a) + "\n" for a in aufgaben).encode()
    lauf = subprocess.run([programm, "--rechenweg", "--json", *(["--mehr"] if mehr else []),
                           "--trennzeichen", ",", "--dezimalen", str(dezimalen)],
                          input=eingabe, capture_output=True, check=True, timeout=600)
    schritte = fehlschlaege = 0
    for felder, zeile in zip(aufgaben, lauf.stdout.decode().splitlines()):
        weg = json.loads(zeile)["rechenweg"]
        probleme = []
        gegeben = [s["text"] for s in weg if s["text"].startswith("Gegeben:")]
        for text in felder:
            if text and gegeben and f" = {text}" not in gegeben[0]:
                probleme.append(f"given {text} not as typed: {gegeben[0]}")
        folgt = None
        for schritt in weg:
            if schritt["art"] == "rechnung" and schritt["einsetzung"]:
                schritte += 1
                if folgt:
                    # The result is said to be the floating-point calculation's own; the
                    # value said to follow from the shown numbers must then do so.
                    schritt = dict(schritt, ergebnis=folgt)
                probleme += pruefe_schritt(schritt)
            teile = schritt["text"].split("aus den gezeigten Zahlen folgt ")
            folgt = teile[1].rstrip(".") if schritt["art"] == "begruendung" and len(teile) == 2 \
                else None
        if probleme:
            fehlschlaege += 1
            if fehlschlaege <= int(os.environ.get("ZEIGE", "5")):
                print(f"{'|'.join(felder)} with {dezimalen} decimals:", *probleme, sep="\n  ")
    return schritte, fehlschlaege


def main():
    programm = sys.argv[1]
    anzahl = int(sys.argv[2]) if len(sys.argv) > 2 else 250
    zufall = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 20261208)
    aufgaben = [aufgabe(zufall) for _ in range(anzahl)]
    schlecht = 0
    # Without --mehr the numbers feeding the last steps need their own digits.
    for dezimalen, mehr in [(d, True) for d in DEZIMALEN] + [(10, False)]:
        schritte, fehlschlaege = laufe(programm, aufgaben, dezimalen, mehr)
        print(f"{dezimalen} decimals{' --mehr' if mehr else ''}: {anzahl} exercises, "
              f"{schritte} steps recomputed, "
              f"{fehlschlaege} exercises with a step that does not follow")
        schlecht += fehlschlaege
    sys.exit(1 if schlecht else 0)


if __name__ == "__main__":
    main()
