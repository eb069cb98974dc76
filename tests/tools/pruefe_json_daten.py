#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-rechne --json: the result as data agrees with the Script it stands beside.

Over exercises of every type (random, fixed seed): the type and outcome code match the
Script and message, every number is the shortest text that reads back as its double, and
each computed value, written with the Script's decimals, is the number its Script line
shows; angle letters are the Greek ones the window shows.
"""

import json
import random
import subprocess
import sys
from decimal import ROUND_HALF_UP, Decimal

GRIECHISCH = {"a": "α", "b": "β", "g": "γ", "d": "δ", "e": "ε", "f": "φ"}
NAMEN = ["a", "b", "c", "alpha", "beta", "gamma"]
DEZIMALEN = 6


def aufgaben(anzahl):
    zufall = random.Random(14)
    for _ in range(anzahl):
        felder = [""] * 6
        seiten = zufall.choice([1, 2, 2, 3])
        for i in zufall.sample(range(3), seiten):
            felder[i] = str(round(zufall.uniform(0.5, 20), zufall.randint(0, 4)))
        for i in zufall.sample(range(3), 3 - seiten):
            felder[3 + i] = str(round(zufall.uniform(1, 150), zufall.randint(0, 3)))
        buchstaben = zufall.choice([[], ["x", "y", "z", "d", "e", "f"]])
        yield "\t".join(felder + buchstaben)


def fest(x):
    # The Script's fixed form: ties away from zero on the exact expansion; a flat angle a
    # few ulps below 0 reads 0, without a sign.
    text = str(Decimal(x).quantize(Decimal(1).scaleb(-DEZIMALEN), rounding=ROUND_HALF_UP))
    return text.removeprefix("-") if Decimal(text) == 0 else text


def main():
    eingabe = list(aufgaben(3000))
    lauf = subprocess.run([sys.argv[1], "--json", "--dezimalen", str(DEZIMALEN),
                           "--trennzeichen", "."], input="\n".join(eingabe) + "\n",
                          capture_output=True, text=True, check=False)
    fehler = []
    ergebnisse = [json.loads(z) for z in lauf.stdout.splitlines()]
    assert len(ergebnisse) == len(eingabe), (lauf.returncode, lauf.stderr)
    typen = set()
    for zeile, r in zip(eingabe, ergebnisse):
        texte = [z["text"] for z in r["zeilen"]]
        if r["typ"] is not None:
            typen.add(r["typ"])
            if texte[0] != "Typ: " + r["typ"]:
                fehler.append((zeile, "typ", r["typ"], texte[0]))
        if (r["code"] == "geloest") != (r["meldung"] is None and r["fehler"] is None):
            fehler.append((zeile, "code", r["code"]))
        # Value lines start with a digit; "1. Lösung:" headings are no values.
        zahlen = [z.split("°")[0].split(" ")[0] for z in texte
                  if z[:1].isdigit() and not z.endswith("Lösung:")]
        felder = zeile.split("\t")
        buchstaben = felder[6:] if len(felder) > 6 else ["a", "b", "c", "a", "b", "g"]
        gezeigt = []
        for d in r["dreiecke"]:
            for i, name in enumerate(NAMEN):
                g = d[name]
                text = json.dumps(g["wert"])
                # Python's repr is the shortest text that reads back; ours may drop ".0".
                if float(text) != g["wert"] or text != repr(g["wert"]).removesuffix(".0"):
                    fehler.append((zeile, "zahl", text))
                erwartet = GRIECHISCH[buchstaben[i]] if i >= 3 else buchstaben[i]
                if g["buchstabe"] != erwartet:
                    fehler.append((zeile, "buchstabe", g["buchstabe"], erwartet))
                if g["herkunft"] != "gegeben":
                    gezeigt.append(fest(g["wert"]))
        # WSW and SWW write their third angle in the general form: compared at the
        # Script's decimals too.
        berechnet = [fest(Decimal(z)) for z in zahlen[len(r["gegeben"]):]]
        if r["dreiecke"] and sorted(berechnet) != sorted(gezeigt):
            fehler.append((zeile, "werte", berechnet, gezeigt))
    for f in fehler[:20]:
        print("FEHLSCHLAG", *f)
    print(f"{len(eingabe) - len(fehler)} von {len(eingabe)} stimmen; Typen: {sorted(typen)}")
    return 1 if fehler or len(typen) < 5 else 0


if __name__ == "__main__":
    sys.exit(main())
