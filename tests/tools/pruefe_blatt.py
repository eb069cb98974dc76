#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt end to end: the solution text on the PDF's pages is the batch tool's text
for the same exercises, exercises stay whole on their pages, figures in the SVG files
are to scale, and bad input or an unwritable output ends as documented.
"""

import html
import math
import os
import re
import subprocess
import sys
import tempfile
import unittest

BLATT = RECHNE = None

MM = 72 / 25.4
# The solution text column of the sheet's layout: from 30 mm, at least 82 mm wide, the
# figures 6 mm to its right; the exercise numbers stand left of it.
TEXT_LINKS = 30 * MM
TEXT_RECHTS = (30 + 82 + 6) * MM

# Every kind of ending: two SSW solutions, a flat triangle, a flat second solution, a
# message, an error, own letters, too few values, and a line that cannot be read.
AUFGABEN = (
    "5\t7\t\t40\t\t\n"
    "3\t4\t\t\t\t180\n"
    "5\t5\t\t30\t\t\n"
    "3\t4\t7\t\t\t\n"
    "\t\t5\t100\t80\t\n"
    "7\t5\t\t40\t\t\tx\ty\tz\tp\tq\tr\n"
    "1\t2\t3\t4\t5\t6\t7\t8\n"
    "7\t\t\t\t\t\n"
    "\n"
    "\t\t10\t30,25\t60\t\n"
)
UNLESBAR = 7


def starte(*argumente, eingabe=b""):
    return subprocess.run([BLATT, *argumente], input=eingabe, capture_output=True, timeout=120)


def seiten(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    return int(re.search(r"Pages:\s+(\d+)", info).group(1))


def woerter(pdf, seite):
    """The words of one page with their left, top and right edge in points."""
    roh = subprocess.run(["pdftotext", "-bbox", "-f", str(seite), "-l", str(seite), pdf, "-"],
                         capture_output=True, text=True, check=True).stdout
    muster = r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">(.*?)</word>'
    return [(float(x0), float(y0), float(x1), html.unescape(t))
            for x0, y0, x1, t in re.findall(muster, roh)]


def zeilen(woerter_):
    """Words of the same height joined by blanks, top to bottom."""
    nach_hoehe = {}
    for x0, y0, _, text in sorted(woerter_):
        nach_hoehe.setdefault(round(y0, 1), []).append(text)
    return [" ".join(nach_hoehe[y]) for y in sorted(nach_hoehe)]


def textspalte(woerter_):
    """The words of the solution text: in its column, or a line's words that follow on
    from there with no more than a blank between them (a message wider than the column);
    the figures keep a wider distance."""
    drin = []
    for y in sorted({round(w[1], 1) for w in woerter_}):
        reihe = sorted(w for w in woerter_ if round(w[1], 1) == y and w[0] >= TEXT_LINKS - 1)
        for w in reihe:
            if w[2] <= TEXT_RECHTS or (drin and drin[-1][1] == w[1] and w[0] - drin[-1][2] < 3 * MM):
                drin.append(w)
    return drin


def loesungsseiten(pdf):
    """(page, words) of the solution pages: those whose footer names them."""
    alle = [(s, woerter(pdf, s)) for s in range(1, seiten(pdf) + 1)]
    return [(s, w) for s, w in alle if any("Lösungen · Seite" in z for z in zeilen(w))]


class Loesungstext(unittest.TestCase):
    def test_gleich_der_ausgabe_von_kalotri_rechne(self):
        with tempfile.TemporaryDirectory() as tmp:
            pdf = os.path.join(tmp, "blatt.pdf")
            lauf = starte("-o", pdf, "--trotzdem", "--loesung", "script", "-",
                          eingabe=AUFGABEN.encode())
            self.assertEqual(lauf.returncode, 1)
            self.assertIn(f"Zeile {UNLESBAR}:", lauf.stderr.decode())

            # Line by line, since a line that kalotri-rechne answers with nothing gets
            # its reason on the sheet, and one it cannot read its reason as a message.
            erwartet = []
            for zeile in AUFGABEN.splitlines():
                if not zeile.strip():
                    continue
                rechne = subprocess.run([RECHNE, "--trennzeichen", ","],
                                        input=(zeile + "\n").encode(), capture_output=True)
                ausgabe = rechne.stdout.decode()
                if ausgabe.startswith("Fehler: Zeile 1: "):
                    ausgabe = "Meldung: " + ausgabe.removeprefix("Fehler: Zeile 1: ").rstrip(".\n")
                elif not ausgabe.strip():
                    ausgabe = "Meldung: Nur 1 Wert; eine Aufgabe braucht drei, darunter eine Seite"
                erwartet += [z for z in ausgabe.splitlines() if z]
            text = []
            for _, w in loesungsseiten(pdf):
                text += zeilen(textspalte(w))
            # Long lines wrap on the sheet.
            self.assertEqual(" ".join(text), " ".join(erwartet))

    def test_rechenweg_gleich_dem_von_kalotri_rechne(self):
        # The default form: the worked steps, wrapped beside the figures.
        aufgaben = ("5\t7\t\t40\t\t\n3\t4\t7\n5\t5\t\t30\n\t\t10\t30,25\t60\t\n"
                    "7\t5\t\t40\t\t\tx\ty\tz\tp\tq\tr\n1\t2\t5\n2\t3\t\t\t\t90\n")
        with tempfile.TemporaryDirectory() as tmp:
            pdf = os.path.join(tmp, "blatt.pdf")
            lauf = starte("-o", pdf, "--trotzdem", "-", eingabe=aufgaben.encode())
            self.assertEqual(lauf.returncode, 1, lauf.stderr)
            erwartet = subprocess.run([RECHNE, "--rechenweg", "--trennzeichen", ","],
                                      input=aufgaben.encode(), capture_output=True).stdout.decode()
            # The note on rounding stands once, at the top of each.
            self.assertEqual(erwartet.count("So wird gerundet: "), 1)
            text = []
            for _, w in loesungsseiten(pdf):
                text += zeilen(textspalte(w))
            # Lines wrap where the column ends, so only the characters are compared.
            self.assertEqual("".join("".join(text).split()), "".join(erwartet.split()))

    def test_aufgaben_bleiben_ganz_und_die_seitenzahl_stimmt(self):
        with tempfile.TemporaryDirectory() as tmp:
            pdf = os.path.join(tmp, "blatt.pdf")
            lauf = starte("--erzeuge", "40", "--seed", "3", "--mehr", "--loesung", "script",
                          "-o", pdf)
            self.assertEqual(lauf.returncode, 0, lauf.stderr)
            n = seiten(pdf)
            # Progress is for a terminal; here stderr is a pipe.
            self.assertNotIn("Seite", lauf.stderr.decode())
            nummern = []
            loesungen = loesungsseiten(pdf)
            for k, (seite, w) in enumerate(loesungen, 1):
                # Solutions count their pages on their own.
                self.assertIn(f"Lösungen · Seite {k} von {len(loesungen)}", zeilen(w)[-1])
                text = [x for x in w if TEXT_LINKS - 1 <= x[0] and x[2] <= TEXT_RECHTS]
                nummern_hier = [x for x in w if x[0] < TEXT_LINKS - 1 and re.fullmatch(r"\d+\.", x[3])]
                # A page starts with an exercise's number beside its type line, never
                # with the rest of one from the page before.
                oben = min(text, key=lambda x: x[1])
                self.assertTrue(oben[3] == "Typ:" and any(abs(z[1] - oben[1]) < 0.1 for z in nummern_hier),
                                f"page {seite}")
                nummern += [int(x[3][:-1]) for x in sorted(nummern_hier, key=lambda x: x[1])]
            self.assertEqual(nummern, list(range(1, 41)))

            ohne = os.path.join(tmp, "ohne.pdf")
            self.assertEqual(starte("--erzeuge", "40", "--seed", "3", "--ohne-loesungen",
                                    "-o", ohne).returncode, 0)
            self.assertEqual(seiten(ohne), n - len(loesungsseiten(pdf)))
            self.assertEqual(loesungsseiten(ohne), [])


    def test_schriften_eingebettet(self):
        with tempfile.TemporaryDirectory() as tmp:
            pdf = os.path.join(tmp, "blatt.pdf")
            self.assertEqual(starte("--erzeuge", "5", "--seed", "2", "-o", pdf).returncode, 0)
            zeilen_ = subprocess.run(["pdffonts", pdf], capture_output=True, text=True,
                                     check=True).stdout.splitlines()[2:]
            self.assertTrue(zeilen_)
            for zeile in zeilen_:
                # Columns: name, type, encoding, emb, sub, uni, object, generation.
                self.assertEqual(zeile.split()[-5], "yes", zeile)


class Figuren(unittest.TestCase):
    def test_svg_ecken_massstaeblich(self):
        with tempfile.TemporaryDirectory() as tmp:
            pdf, svg = os.path.join(tmp, "blatt.pdf"), os.path.join(tmp, "svg")
            starte("-o", pdf, "--trotzdem", "--svg", svg, "-", eingabe=AUFGABEN.encode())
            # Only exercises with a triangle have a figure.
            self.assertEqual(sorted(os.listdir(svg)),
                             ["aufgabe-001.svg", "aufgabe-002.svg", "aufgabe-003.svg",
                              "aufgabe-006.svg", "aufgabe-009.svg"])
            seiten_soll = {
                "aufgabe-001.svg": [(5, 7, 7.543), (5, 7, 3.182)],  # two SSW solutions
                "aufgabe-002.svg": [(3, 4, 7)],                     # flat
                "aufgabe-006.svg": [(7, 5, 10.049)],
                "aufgabe-009.svg": [(5.038, 8.660, 10)],
            }
            zahl = r"(-?[\d.]+),(-?[\d.]+)"
            umriss = re.compile(rf'd="M{zahl} L{zahl} L{zahl} L{zahl}"')
            for datei, soll in seiten_soll.items():
                with open(os.path.join(svg, datei), encoding="utf-8") as f:
                    dreiecke = umriss.findall(f.read())
                self.assertEqual(len(dreiecke), len(soll), datei)
                for punkte, laengen in zip(dreiecke, soll):
                    p = [(float(punkte[i]), float(punkte[i + 1])) for i in range(0, 6, 2)]
                    ist = sorted(math.dist(p[i], p[(i + 1) % 3]) for i in range(3))
                    verhaeltnisse = [a / b for a, b in zip(ist, sorted(laengen))]
                    for v in verhaeltnisse:
                        self.assertAlmostEqual(v / verhaeltnisse[-1], 1, delta=2e-3, msg=datei)


class Fehler(unittest.TestCase):
    def test_falsche_optionen(self):
        for argumente in (["--erzeuge", "3"], ["-o", "x.pdf", "--erzeuge", "0"],
                          ["-o", "x.pdf", "--erzeuge", "3", "--typen", "SSS,XYZ"],
                          ["-o", "x.pdf", "--dezimalen", "abc", "--erzeuge", "3"],
                          ["-o", "x.pdf", "--trennzeichen", "", "--erzeuge", "3"],
                          ["-o", "x.pdf", "--trennzeichen", "5", "--erzeuge", "3"],
                          ["-o", "x.pdf", "--trennzeichen", "\t", "--erzeuge", "3"],
                          ["-o", "x.pdf", "--seed", "5", "datei.txt"],
                          ["-o", "x.pdf", "--unbekannt"]):
            with tempfile.TemporaryDirectory() as tmp:
                lauf = subprocess.run([BLATT, *argumente], cwd=tmp, capture_output=True,
                                      timeout=60)
                self.assertEqual(lauf.returncode, 2, argumente)
                self.assertTrue(lauf.stderr.startswith(b"kalotri-blatt: "), argumente)
                self.assertTrue(
                    lauf.stderr.endswith(b".\nHilfe mit: kalotri-blatt --help\n"), argumente)
                self.assertEqual(os.listdir(tmp), [], argumente)
        lauf = starte("--dezimalen", "abc", "-o", "x.pdf", "--erzeuge", "1")
        self.assertIn("'abc' ist kein gültiger Integerwert", lauf.stderr.decode())

    def test_ausgabe_laesst_sich_nicht_schreiben(self):
        with tempfile.TemporaryDirectory() as tmp:
            for ziel in (os.path.join(tmp, "fehlt", "blatt.pdf"), tmp):
                lauf = starte("--erzeuge", "3", "--seed", "1", "-o", ziel)
                self.assertEqual(lauf.returncode, 4)
                self.assertRegex(lauf.stderr.decode(),
                                 "lässt sich nicht schreiben|ist keine gewöhnliche Datei")
            self.assertEqual(os.listdir(tmp), [])

    def test_hilfe_und_version(self):
        self.assertIn("Aufruf: kalotri-blatt", starte("--help").stdout.decode())
        self.assertRegex(starte("--version").stdout.decode(), r"^kalotri-blatt \d+\.\d+")


if __name__ == "__main__":
    BLATT, RECHNE = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1])
