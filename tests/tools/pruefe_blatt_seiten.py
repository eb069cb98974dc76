#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt's pages as a teacher prints them: no word overprints another or leaves
the paper, every page has its head, and room to work never leaves a page nearly empty.
"""

import os
import re
import subprocess
import sys
import tempfile
import unittest

import pruefe_blatt as pb
from pruefe_blatt import MM, seiten, zeilen

BLATT = None


def starte(*argumente, eingabe=b""):
    return subprocess.run([BLATT, *argumente], input=eingabe, capture_output=True, timeout=300)


def ueberlappungen(w):
    """Pairs of words whose boxes overlap (words are (x0, y0, x1, text) plus height)."""
    paare = []
    for i, a in enumerate(w):
        for b in w[i + 1:]:
            if a[0] < b[2] - 0.3 and b[0] < a[2] - 0.3 and a[1] < b[4] - 0.3 and b[1] < a[4] - 0.3:
                paare.append((a[3], b[3]))
    return paare


def woerter_mit_hoehe(pdf, seite):
    roh = subprocess.run(["pdftotext", "-bbox", "-f", str(seite), "-l", str(seite), pdf, "-"],
                         capture_output=True, text=True, check=True).stdout
    muster = r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>'
    return [(float(a), float(b), float(c), t, float(d)) for a, b, c, d, t in re.findall(muster, roh)]


class Seiten(unittest.TestCase):
    def pruefe_seiten(self, pdf):
        """Every page: no two words overprint, none leaves the paper. The pages' text."""
        gesamt = []
        for s in range(1, seiten(pdf) + 1):
            w = woerter_mit_hoehe(pdf, s)
            self.assertEqual(ueberlappungen(w), [], f"page {s}")
            for x0, y0, x1, t, y1 in w:
                self.assertTrue(0 <= x0 and x1 <= 210 * MM and y1 <= 297 * MM, (s, t))
            gesamt.append(" ".join(zeilen([x[:4] for x in w])))
        return gesamt

    def test_ein_volles_blatt(self):
        with tempfile.TemporaryDirectory() as tmp:
            pdf = os.path.join(tmp, "blatt.pdf")
            lauf = starte("--erzeuge", "10", "--seed", "6", "--gruppen", "2", "--skizze",
                          "--schluessel", "--mehr", "--platz", "2", "--einheit", "cm",
                          "--schule", "Gymnasium", "--klasse", "10b", "--datum", "8.12.",
                          "-o", pdf)
            self.assertEqual(lauf.returncode, 0, lauf.stderr)
            texte = self.pruefe_seiten(pdf)
            kopf = [t for t in texte if "Aufgaben · Seite" in t]
            self.assertTrue(kopf)
            for t in kopf:
                for teil in ("Schule: Gymnasium", "Klasse: 10b", "Datum: 8.12.", "Name:"):
                    self.assertIn(teil, t)
            self.assertEqual(sum(t.count("Skizze (nicht maßstäblich)") for t in texte), 20)

    def test_platz_laesst_keine_seite_fast_leer(self):
        # --platz 24 put each exercise's text alone on a page and its room on the next:
        # three exercises took seven pages. A room the page cannot hold whole is shortened
        # to the page, by a third at most.
        with tempfile.TemporaryDirectory() as tmp:
            pdf = os.path.join(tmp, "blatt.pdf")
            for platz, erwartet in (("24", 3), ("16", 3), ("12", 2), ("6", 1)):
                with self.subTest(platz=platz):
                    lauf = starte("--platz", platz, "--ohne-loesungen", "-o", pdf,
                                  eingabe=b"3\t4\t5\n5\t7\t\t40\n2\t3\t4\n")
                    self.assertEqual(lauf.returncode, 0, lauf.stderr)
                    self.assertEqual(seiten(pdf), erwartet)
                    texte = self.pruefe_seiten(pdf)
                    self.assertNotIn("Fortsetzung", " ".join(texte))
                    self.assertEqual(sum(len(re.findall(r"\b\d\. [abc] = ", t)) for t in texte), 3)

    def test_nichts_ueberdruckt_nichts_faellt_vom_blatt(self):
        # Long letters make an exercise with room to work taller than a page, and with
        # many decimals a key row nearly one. (Figures are left out: their labels are not
        # what this is about.)
        lang = "\t".join(["W" * 160] * 6)
        text = f"5\t7\t\t40\t\t\t{lang}\n3\t4\t5\n".encode()
        with tempfile.TemporaryDirectory() as tmp:
            pdf = os.path.join(tmp, "blatt.pdf")
            lauf = starte("--titel", "Sinussatz " * 3000, "--schule", "S" * 500, "--klasse",
                          "10b", "--skizze", "--platz", "24", "--mehr", "--schluessel", "--loesung",
                          "schluessel",
                          "--dezimalen", "200", "-o", pdf, "-", eingabe=text)
            self.assertEqual(lauf.returncode, 0, lauf.stderr)
            gesamt = self.pruefe_seiten(pdf)
            alles = " ".join(gesamt)
            # The block went on with a mark, and the title was cut rather than overrun.
            self.assertIn("Fortsetzung auf der nächsten Seite", alles)
            self.assertIn("Aufgabe 1 (Fortsetzung)", alles)
            self.assertIn("…", gesamt[0])
            self.assertLess(gesamt[0].count("Sinussatz"), 60)


if __name__ == "__main__":
    BLATT = pb.BLATT = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1])
