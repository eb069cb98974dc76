#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt --sachaufgaben end to end: the sheet with the ten situations in two
groups, the key, and the quiz whose gaps hold the answers the solution states; and the
key of any sheet, which never breaks a row inside a number or before its unit.

    pruefe_blatt_sach.py KALOTRI_BLATT
"""

import base64
import html
import os
import re
import subprocess
import sys
import tempfile
import unittest

from moodle_quiz import fragen, luecken, numerisch, zeichnet_etwas

BLATT = None
# A sentence of each situation, as the sheet prints it.
SITUATIONEN = ["geradewegs auf den Turm zu", "die Breite eines Flusses",
               "dreieckigen Grundstücks|dreieckiges Grundstück", "Schiff", "zwei Seile",
               "Ufern eines Sees", "Gipfel G eines Berges", "Satteldach", "Sportflugzeug",
               "Pfosten"]


def starte(*argumente):
    return subprocess.run([BLATT, *argumente], capture_output=True, timeout=300)


def pdf_text(pfad):
    text = subprocess.run(["pdftotext", pfad, "-"], capture_output=True, check=True).stdout
    return text.decode().replace("\u00a0", " ")


class Blatt(unittest.TestCase):
    """The command of the issue: ten word problems, two groups, key and quiz."""

    @classmethod
    def setUpClass(cls):
        cls.ordner = tempfile.TemporaryDirectory()
        pdf = os.path.join(cls.ordner.name, "blatt.pdf")
        xml = os.path.join(cls.ordner.name, "quiz.xml")
        lauf = starte("--sachaufgaben", "--erzeuge", "10", "--schluessel", "--gruppen", "2",
                      "--seed", "5", "-o", pdf, "--moodle", xml)
        assert lauf.returncode == 0, lauf.stderr.decode()
        cls.text = pdf_text(pdf)
        with open(xml, "rb") as f:
            cls.fragen = [q for q in fragen(f.read()) if q.get("type") == "cloze"]

    @classmethod
    def tearDownClass(cls):
        cls.ordner.cleanup()

    def test_fuenf_situationen_je_gruppe_mit_skizze_und_antwort(self):
        for satz in SITUATIONEN:
            self.assertGreaterEqual(len(re.findall(satz, self.text.replace("\n", " "))), 2, satz)
        self.assertEqual(self.text.count("Skizze (nicht maßstäblich)"), 20)
        self.assertEqual(self.text.count("Antwort:"), 20)
        self.assertIn("Lösungsschlüssel", self.text)
        self.assertIn("Der Fluss ist etwa", self.text)
        self.assertNotIn("Berechne die fehlenden Größen", self.text)

    def test_quiz_luecken_halten_die_antworten_der_loesung(self):
        self.assertEqual(len(self.fragen), 20)
        for frage in self.fragen:
            name = frage.find("name/text").text
            text = html.unescape(frage.find("questiontext/text").text)
            bilder = {d.get("name"): d.text for d in frage.findall("questiontext/file")}
            skizze = [n for n in bilder if n.endswith("-skizze.png")]
            self.assertEqual(len(skizze), 1, name)
            self.assertIn(f"@@PLUGINFILE@@/{skizze[0]}", text)
            self.assertTrue(zeichnet_etwas(base64.b64decode(bilder[skizze[0]])), name)

            gefunden, _ = luecken(text)
            werte = [numerisch(l) for l in gefunden]
            rueck = html.unescape(frage.find("generalfeedback/text").text).replace("\u00a0", " ")
            antwort = re.search(r"Antwort: (.*?)</strong>", rueck).group(1)
            gesagt = re.findall(r"etwa ([0-9]+(?:,[0-9]+)?)", antwort)
            self.assertEqual(len(gesagt), len(werte), name)
            verlangt = re.findall(r"\}[^{<]*?(?:\(auf (\d+) Nachkommastellen\))?(?:<br>|</p>)",
                                  text)
            self.assertEqual(len(verlangt), len(werte), name)
            for (wert, toleranz), zahl, mehr in zip(werte, gesagt, verlangt):
                stellen = len(zahl.split(",")[1]) if "," in zahl else 0
                gefragt = int(mehr) if mehr else stellen
                if gefragt == stellen:
                    self.assertEqual(f"{wert:.{stellen}f}".replace(".", ","), zahl, name)
                else:
                    # The gap demands more decimals than the sentence gives: the gap's value,
                    # itself rounded, lies within the sentence's rounding.
                    self.assertLessEqual(abs(wert - float(zahl.replace(",", "."))),
                                         0.5 * 10 ** -stellen + 0.5 * 10 ** -gefragt, name)
                # The answer's own rounding, at the least, is let through, at the decimals
                # the gap asks for.
                self.assertGreaterEqual(toleranz, 0.5 * 10 ** -gefragt, name)
                # An answer 1 % off, rounded as asked, is not.
                for faktor in (0.99, 1.01):
                    falsch = round(wert * faktor, gefragt)
                    self.assertGreater(abs(falsch - wert), toleranz, (name, falsch))
            self.assertIn("-figur.png", " ".join(
                d.get("name") for d in frage.findall("generalfeedback/file")), name)


# One item of a key row, whole: a name (a typeset subscript reads as its own letter), its
# value with the unit, or the points.
EINTRAG = r"(?:[^\s=≈,]+(?: [a-zα-γ])? [=≈] −?[0-9]+(?:,[0-9]+)?(?:°| (?:cm|m|km|N|km/h)²?)?" \
          r"|[0-9]+ Punkte?|keine Lösung)"
ZEILE = re.compile(rf"^(?:[0-9]\. Lösung: )?{EINTRAG}(?:, {EINTRAG})*,?$")


class Schluessel(unittest.TestCase):
    def zeilen(self, *argumente):
        with tempfile.TemporaryDirectory() as ordner:
            pdf = os.path.join(ordner, "blatt.pdf")
            lauf = starte(*argumente, "--gruppen", "2", "--schluessel", "--punkte", "-o", pdf)
            self.assertEqual(lauf.returncode, 0, lauf.stderr.decode())
            seiten = pdf_text(pdf).split("\f")
        schluessel = [s for s in seiten if "Lösungsschlüssel" in s]
        self.assertTrue(schluessel)
        return [z for s in schluessel for z in s.splitlines() if " = " in z or " ≈ " in z or
                "Punkt" in z]

    def test_zeilen_brechen_nur_zwischen_werten(self):
        for argumente in (["--erzeuge", "24", "--mehr", "--einheit", "cm", "--seed", "4"],
                          ["--erzeuge", "20", "--sachaufgaben", "--seed", "3"]):
            zeilen = self.zeilen(*argumente)
            self.assertGreater(len(zeilen), 20, argumente)
            for zeile in zeilen:
                if zeile.startswith("Zusammen "):
                    continue
                self.assertRegex(zeile, ZEILE, argumente)
                self.assertNotIn("_", zeile)
            punkte = [int(p) for z in zeilen if not z.startswith("Zusammen")
                      for p in re.findall(r"([0-9]+) Punkte?$", z)]
            summen = [int(p) for z in zeilen for p in re.findall(r"^Zusammen ([0-9]+)", z)]
            self.assertEqual(sum(summen), sum(punkte), argumente)


    def test_punkte_aus_der_datei(self):
        aufgaben = "# Punkte: 7\n5\t7\t\t40\t\t\n3\t4\t5\t\t\t\n#  Punkte:  2 \n8\t\t6\t\t50\t\n"
        with tempfile.TemporaryDirectory() as ordner:
            pdf = os.path.join(ordner, "blatt.pdf")
            lauf = subprocess.run([BLATT, "--schluessel", "--punkte", "-o", pdf, "-"],
                                  input=aufgaben.encode(), capture_output=True, timeout=60)
            self.assertEqual(lauf.returncode, 0, lauf.stderr.decode())
            text = pdf_text(pdf)
        # Set by the file for an SSW with two solutions and for a SWS; counted for the SSS.
        self.assertEqual(re.findall(r"\(([0-9]+) Punkte?\)", text), ["7", "3", "2"])
        self.assertIn("Zusammen 12 Punkte", text)


class Optionen(unittest.TestCase):
    def test_gemischt_nimmt_bloße_dreiecke_dazwischen(self):
        with tempfile.TemporaryDirectory() as ordner:
            pdf = os.path.join(ordner, "blatt.pdf")
            lauf = starte("--sachaufgaben", "--gemischt", "--erzeuge", "6", "--typen", "SSS,WSW",
                          "--seed", "2", "--loesung", "script", "-o", pdf)
            self.assertEqual(lauf.returncode, 0, lauf.stderr.decode())
            text = pdf_text(pdf)
            self.assertEqual(text.count("Berechne die fehlenden Größen."), 3)
            self.assertEqual(text.count("Skizze (nicht maßstäblich)"), 3)
            # The Script's lines of the triangle, and what they mean for the situation.
            self.assertEqual(text.count("Antwort:"), 3)

    def test_falsche_kombinationen(self):
        for argumente, meldung in [
                (["--sachaufgaben"], "nur mit --erzeuge"),
                (["--erzeuge", "3", "--gemischt"], "nur mit --sachaufgaben"),
                (["--sachaufgaben", "--erzeuge", "3", "--typen", "SSS"], "--gemischt"),
                (["--sachaufgaben", "--erzeuge", "3", "--situationen", "turm,burg"],
                 "Unbekannte Situation: \"burg\"")]:
            lauf = starte(*argumente, "-o", os.devnull)
            self.assertEqual(lauf.returncode, 2, argumente)
            self.assertIn(meldung, lauf.stderr.decode(), argumente)


if __name__ == "__main__":
    BLATT = sys.argv.pop(1)
    unittest.main()
