#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two equal sides and the angle opposite one of them, in every output at once: the Script
(text and JSON), the JSON triangles, the worked steps, the key, the quiz and the page.
Under 90° there is exactly one triangle, whose other base angle is the given one; from 90°
on there is none. A flat figure (an angle or a side of 0) is never written as a solution.
"""

import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

RECHNE = BLATT = None

# Given angle, then the triangle (β, γ, c) at three decimals, or None for no solution.
FAELLE = [
    ("30", ("30,000°", "120,000°", "8,660")),
    ("40", ("40,000°", "100,000°", "7,660")),
    ("89", ("89,000°", "2,000°", "0,175")),
    ("90", None),
    ("120", None),
]
EINGABE = "".join(f"5\t5\t\t{w}\n" for w, _ in FAELLE).encode()


def lauf(programm, *argumente):
    ergebnis = subprocess.run([programm, *argumente], input=EINGABE, capture_output=True,
                              timeout=120)
    return ergebnis


def pdftext(*argumente):
    with tempfile.TemporaryDirectory() as ordner:
        ziel = os.path.join(ordner, "blatt.pdf")
        ergebnis = lauf(BLATT, "--trotzdem", "--leise", "-o", ziel, *argumente, "-")
        assert ergebnis.returncode == 0, ergebnis.stderr.decode()
        return subprocess.run(["pdftotext", "-raw", ziel, "-"], capture_output=True,
                              check=True).stdout.decode()


class Gleichschenklig(unittest.TestCase):
    def test_script_und_json(self):
        ergebnis = lauf(RECHNE, "--json", "--rechenweg", "--trennzeichen", ",")
        self.assertEqual(ergebnis.returncode, 0, ergebnis.stderr.decode())
        zeilen = ergebnis.stdout.decode().splitlines()
        for (w, erwartet), zeile in zip(FAELLE, zeilen, strict=True):
            with self.subTest(alpha=w):
                daten = json.loads(zeile)
                script = [z["text"] for z in daten["zeilen"]]
                nach = script[script.index("Berechnet:") + 1:]
                weg = [z for schritt in daten["rechenweg"] for z in schritt["zeilen"]]
                self.assertNotIn("2. Lösung:", script)
                if erwartet is None:
                    self.assertEqual(nach, ["Keine Lösung"])
                    self.assertEqual(daten["dreiecke"], [])
                    self.assertIn("Keine Lösung", weg)
                    continue
                beta, gamma, c = erwartet
                self.assertEqual(nach, ["b:", beta + " (Sinussatz)", "g:",
                                        gamma + " (Winkelsumme)", "c:", c + " (Cosinussatz)"])
                self.assertEqual(len(daten["dreiecke"]), 1)
                dreieck = daten["dreiecke"][0]
                self.assertEqual(dreieck["beta"]["wert"], float(w))
                self.assertFalse(dreieck["flach"])
                self.assertIn("Es gibt genau eine Lösung.", weg)

    def test_schluessel_quiz_und_seite(self):
        schluessel = pdftext("--loesung", "schluessel")
        seite = pdftext("--loesung", "script")
        # No line of a solution shows a zero angle or side.
        self.assertNotRegex(seite, r"(?m)^(0,000°? \(|.*= 0,000)")
        self.assertNotIn("2. Lösung", seite)
        for nummer, (w, erwartet) in enumerate(FAELLE, start=1):
            with self.subTest(alpha=w):
                zeile = re.search(rf"(?m)^{nummer}\. (.*)$", schluessel.split("Lösungen")[1])
                if erwartet is None:
                    self.assertEqual(zeile.group(1), "keine Lösung")
                else:
                    beta, gamma, c = erwartet
                    self.assertEqual(zeile.group(1), f"c = {c}, β = {beta}, γ = {gamma}")
        loesbar = "".join(f"5\t5\t\t{w}\n" for w, e in FAELLE if e).encode()
        quiz = subprocess.run([BLATT, "--leise", "--moodle", "-"], input=loesbar,
                              capture_output=True, timeout=120)
        self.assertEqual(quiz.returncode, 0, quiz.stderr.decode())
        erste = re.findall(r"\{1:NUMERICAL:=([0-9.]+):", quiz.stdout.decode())
        erwartet = [x.replace(",", ".").rstrip("°") for _, e in FAELLE if e
                    for x in (e[0], e[1], e[2])]  # the question's order: β, γ, c
        self.assertEqual(erste, erwartet)


if __name__ == "__main__":
    RECHNE, BLATT = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1])
