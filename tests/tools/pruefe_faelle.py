#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs kalotri-rechne --json on the exercises of a .faelle file and compares the results.

A .faelle file is a sequence of cases separated by blank lines:

    %% --dezimalen 1          options for the whole file (optional, first line)
    # free text               what the case shows
    < 3<TAB>4<TAB>5           the input line, exactly as it stands after "< "
    M Typ: SSS                Script line in "MS Sans Serif" (M), "Symbol" (S) or "Arial" (A)
    ! Fehlerhafte Eingabe!    message
    @ eA                      box that gets the focus
    X Gleitkommadivision ...  error text, without the display's full stop

A case without any of M/S/A/!/@/X lines expects nothing at all to happen.
"""

import json
import shlex
import subprocess
import sys

SCHRIFTEN = {"M": "MS Sans Serif", "S": "Symbol", "A": "Arial"}


def lies_faelle(pfad):
    with open(pfad, encoding="utf-8") as f:
        zeilen = f.read().split("\n")
    optionen = []
    if zeilen and zeilen[0].startswith("%% "):
        optionen = shlex.split(zeilen[0][3:])
        zeilen = zeilen[1:]
    faelle, fall = [], None
    for nummer, zeile in enumerate(zeilen, start=1):
        if not zeile.strip():
            fall = None
            continue
        if fall is None:
            fall = {"titel": "", "eingabe": None, "zeilen": [], "meldung": None,
                    "fokus": None, "fehler": None, "stelle": nummer}
            faelle.append(fall)
        art, text = zeile[0], zeile[2:]
        if art == "#":
            fall["titel"] += text
        elif art == "<":
            fall["eingabe"] = zeile[2:]
        elif art in SCHRIFTEN:
            fall["zeilen"].append({"schrift": SCHRIFTEN[art], "text": text})
        elif art == "!":
            fall["meldung"] = text
        elif art == "@":
            fall["fokus"] = text
        elif art == "X":
            fall["fehler"] = text
        else:
            sys.exit(f"{pfad}:{nummer}: unbekannte Zeilenart {art!r}")
    for fall in faelle:
        if fall["eingabe"] is None:
            sys.exit(f"{pfad}:{fall['stelle']}: Fall ohne Eingabezeile")
    return optionen, faelle


def zeige(zeilen):
    return "\n".join(f"    [{z['schrift']}] {z['text']}" for z in zeilen) or "    (keine)"


def main():
    programm, datei = sys.argv[1], sys.argv[2]
    optionen, faelle = lies_faelle(datei)
    eingabe = "".join(f["eingabe"] + "\n" for f in faelle)
    lauf = subprocess.run([programm, "--json", "--trennzeichen", ",", *optionen],
                          input=eingabe.encode("utf-8"), capture_output=True, timeout=60)
    if lauf.returncode != 0:
        sys.exit(f"Rückgabewert {lauf.returncode}, stderr: {lauf.stderr.decode(errors='replace')}")
    ergebnisse = lauf.stdout.decode("utf-8").splitlines()
    if len(ergebnisse) != len(faelle):
        sys.exit(f"{len(faelle)} Fälle, aber {len(ergebnisse)} Ergebniszeilen")

    fehlschlaege = 0
    for fall, roh in zip(faelle, ergebnisse):
        ist = json.loads(roh)
        soll = {k: fall[k] for k in ("zeilen", "meldung", "fokus", "fehler")}
        # The data fields after these are checked by pruefe_json_daten.py.
        if {k: ist.get(k) for k in soll} == soll:
            continue
        fehlschlaege += 1
        print(f"FEHLSCHLAG {datei}:{fall['stelle']} {fall['titel']}")
        print(f"  Eingabe: {fall['eingabe']!r}")
        for schluessel in ("meldung", "fokus", "fehler"):
            if ist.get(schluessel) != soll[schluessel]:
                print(f"  {schluessel}: erwartet {soll[schluessel]!r}, bekommen {ist.get(schluessel)!r}")
        if ist.get("zeilen") != soll["zeilen"]:
            print("  erwartete Zeilen:\n" + zeige(soll["zeilen"]))
            print("  bekommene Zeilen:\n" + zeige(ist.get("zeilen", [])))
    print(f"{len(faelle) - fehlschlaege} von {len(faelle)} Fällen stimmen ({datei})")
    sys.exit(1 if fehlschlaege else 0)


if __name__ == "__main__":
    main()
