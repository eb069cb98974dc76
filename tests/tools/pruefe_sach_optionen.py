#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt --sachaufgaben with the options around it: every decimal count the tool
accepts makes a quiz, a tolerance that would reject a correctly rounded answer is raised
where it would (with a warning), and options for bare triangles are refused with word
problems alone and said to act on the bare triangles with --gemischt.
"""

import re
import subprocess
import sys
import unittest

BLATT = None
# A gap's value, its tolerance, and the decimals it asks for where they are more than one.
LUECKE = re.compile(r"\{1:NUMERICAL:=(-?[0-9.]+):([0-9.eE+-]+)#[^}]*\}[^{<]*?"
                    r"(?:\(auf (\d+) Nachkommastellen\))?<")


def blatt(*argumente):
    return subprocess.run([BLATT, "--sachaufgaben", "--seed", "4", *argumente],
                          capture_output=True, timeout=300)


class SachOptionen(unittest.TestCase):
    def test_jede_dezimalenzahl(self):
        for dezimalen in ("214", "215", "222"):
            with self.subTest(dezimalen=dezimalen):
                lauf = blatt("--erzeuge", "5", "--dezimalen", dezimalen, "--moodle", "-")
                self.assertEqual(lauf.returncode, 0, lauf.stderr)
                self.assertIn(b"<quiz>", lauf.stdout)

    def test_zu_kleine_toleranz_gilt_nicht_wo_sie_richtiges_verwirft(self):
        lauf = blatt("--erzeuge", "20", "--moodle", "-", "--toleranz", "0.01")
        self.assertEqual(lauf.returncode, 0, lauf.stderr)
        self.assertIn("--toleranz gilt in Sachaufgaben nur", lauf.stderr.decode())
        luecken = LUECKE.findall(lauf.stdout.decode())
        self.assertGreater(len(luecken), 20)
        for wert, toleranz, dezimalen in luecken:
            # Answers have one decimal or the decimals the gap names (areas: none, where
            # one decimal is the stricter test still): the correctly rounded one counts.
            gerundet = round(float(wert), int(dezimalen or 1))
            self.assertLessEqual(abs(gerundet - float(wert)), float(toleranz) + 1e-12, wert)
        breit = blatt("--erzeuge", "5", "--moodle", "-", "--toleranz", "0.5")
        self.assertNotIn("--toleranz", breit.stderr.decode())

    def test_optionen_fuer_bloße_dreiecke(self):
        for option in (["--einheit", "cm"], ["--skizze"], ["--nur-loesbar"]):
            with self.subTest(option=option[0]):
                allein = blatt("--erzeuge", "2", "-o", "-", *option)
                self.assertEqual(allein.returncode, 2)
                self.assertIn(option[0] + " gilt nicht für Sachaufgaben", allein.stderr.decode())
                gemischt = blatt("--erzeuge", "2", "--gemischt", "--moodle", "-", *option)
                self.assertEqual(gemischt.returncode, 0, gemischt.stderr)
                self.assertIn(option[0] + " gilt nur für die bloßen Dreiecke",
                              gemischt.stderr.decode())


if __name__ == "__main__":
    BLATT = sys.argv[1]
    unittest.main(argv=sys.argv[:1])
