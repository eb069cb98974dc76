#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt --moodle: the quiz file read as Moodle's XML import reads it. The gaps are
found again with a parser of the embedded-answer syntax written from the pattern of
Moodle's importer and compared with kalotri-rechne --json; a pupil who recomputes from the
shown rounded numbers stays inside each tolerance.
"""

import base64
import html
from decimal import ROUND_HALF_UP, Decimal
import itertools
import os
import re
import struct
import subprocess
import sys
import tempfile
import unittest

from moodle_quiz import (FELDER, erwartete_reihen, fragen, gegeben_zeile, kastenfolge, luecken,
                         numerisch, unbekannte, zeichnet_etwas)
import moodle_quiz

BLATT = None
RECHNE = None


def rechne(zeilen):
    return moodle_quiz.rechne(RECHNE, zeilen)


def starte(*argumente, eingabe=b"", env=None, cwd=None):
    return subprocess.run([BLATT, *argumente], input=eingabe, capture_output=True,
                          timeout=300, env=env, cwd=cwd)


def quiz(*argumente, eingabe=b""):
    with tempfile.TemporaryDirectory() as ordner:
        ziel = os.path.join(ordner, "quiz.xml")
        lauf = starte("--moodle", ziel, *argumente, eingabe=eingabe)
        assert lauf.returncode in (0, 1), lauf.stderr.decode()
        with open(ziel, "rb") as f:
            return f.read()


class Quiz(unittest.TestCase):
    """The quiz of the worked example: twenty exercises in two groups."""

    @classmethod
    def setUpClass(cls):
        cls.daten = quiz("--erzeuge", "20", "--seed", "3", "--gruppen", "2")
        cls.fragen = fragen(cls.daten)

    def test_kategorien_und_elemente_die_moodle_liest(self):
        kategorien = [q.find("category/text").text for q in self.fragen
                      if q.get("type") == "category"]
        self.assertEqual(kategorien, ["$course$/top/Kalotri", "$course$/top/Kalotri/Gruppe A",
                                      "$course$/top/Kalotri/Gruppe B"])
        self.assertEqual(self.fragen[0].get("type"), "category")
        cloze = [q for q in self.fragen if q.get("type") == "cloze"]
        self.assertEqual(len(cloze), 40)
        for q in cloze:
            self.assertTrue(q.find("name/text").text.strip())
            self.assertEqual(q.find("questiontext").get("format"), "html")
            self.assertEqual(q.find("generalfeedback").get("format"), "html")
            self.assertEqual(q.find("penalty").text, "0.3333333")
            gaps, _ = luecken(q.find("questiontext/text").text)
            self.assertEqual(int(q.find("defaultgrade").text), len(gaps))
            self.assertTrue(all(g["gewicht"] == "1" for g in gaps))
            for feld in ("questiontext", "generalfeedback"):
                namen = [f.get("name") for f in q.findall(feld + "/file")]
                for f in q.findall(feld + "/file"):
                    self.assertEqual((f.get("path"), f.get("encoding")), ("/", "base64"))
                verweise = re.findall(r"@@PLUGINFILE@@/([^\"]+)\"", q.find(feld + "/text").text)
                self.assertEqual(sorted(verweise), sorted(namen))
                self.assertEqual(len(set(namen)), len(namen))

    def test_luecken_sind_die_unbekannten_des_rechners(self):
        cloze = [q for q in self.fragen if q.get("type") == "cloze"]
        ergebnisse = rechne([gegeben_zeile(q) for q in cloze])
        for q, ergebnis in zip(cloze, ergebnisse):
            gaps, rest = luecken(q.find("questiontext/text").text)
            self.assertNotIn("{", rest.replace("{#", ""))
            if ergebnis["typ"] == "SSW":
                anzahl = gaps.pop(0)
                self.assertEqual(anzahl["typ"], "MULTICHOICE")
                richtig = [a for a in anzahl["alternativen"] if a[0] == "="]
                self.assertEqual([a[1] for a in anzahl["alternativen"]], ["0", "1", "2"])
                self.assertEqual(richtig[0][1], str(len(ergebnis["dreiecke"])))
            reihen = erwartete_reihen(ergebnis)
            gaps = kastenfolge(gaps, ergebnis)
            werte = [numerisch(g)[0] for g in gaps]
            # Moodle shows the first alternative as the right answer: rounded as asked.
            self.assertEqual(werte, [float(Decimal(w).quantize(Decimal("0.001"), ROUND_HALF_UP))
                                     for reihe in reihen for w in reihe], q.find("name/text").text)
            # Each gap stands after its letter.
            namen = [ergebnis["dreiecke"][0][f]["buchstabe"] for f in unbekannte(ergebnis["dreiecke"][0])] \
                if reihen else []
            for g, name in zip(gaps, namen * len(reihen)):
                self.assertTrue(html.unescape(g["davor"]).endswith(name + " = "), g["davor"][-40:])

    def test_bilder_sind_pngs_in_der_angegebenen_groesse(self):
        gesehen = 0
        for q in self.fragen:
            for feld in ("questiontext", "generalfeedback"):
                text = q.find(feld + "/text").text if q.find(feld) is not None else ""
                for f in q.findall(feld + "/file"):
                    png = base64.b64decode(f.text)
                    self.assertEqual(png[:8], b"\x89PNG\r\n\x1a\n")
                    breite, hoehe = struct.unpack(">II", png[16:24])
                    groesse = re.search(r'src="@@PLUGINFILE@@/' + re.escape(f.get("name")) +
                                        r'" alt="([^"]+)" width="(\d+)" height="(\d+)"', text)
                    self.assertTrue(groesse.group(1).strip())
                    self.assertEqual((breite, hoehe), (int(groesse.group(2)), int(groesse.group(3))))
                    self.assertTrue(breite > 100 and hoehe > 100)
                    self.assertTrue(zeichnet_etwas(png), f.get("name"))
                    gesehen += 1
        # A sketch for each question, a figure for each with a triangle.
        self.assertEqual(gesehen, 40 + sum(1 for q in self.fragen if q.find("generalfeedback/file") is not None))

    def test_deutsches_gebietsschema_aendert_kein_byte(self):
        with tempfile.TemporaryDirectory() as ordner:
            ziel = os.path.join(ordner, "quiz.xml")
            umgebung = dict(os.environ, LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8")
            lauf = starte("--erzeuge", "20", "--seed", "3", "--gruppen", "2", "--moodle",
                          ziel, env=umgebung)
            self.assertEqual(lauf.returncode, 0, lauf.stderr)
            if b"locale" in lauf.stderr.lower():
                self.skipTest("de_DE.UTF-8 ist nicht eingerichtet (scripts/install-deps.sh)")
            with open(ziel, "rb") as f:
                self.assertEqual(f.read(), self.daten)
        self.assertIn("de_DE.utf8", subprocess.run(["locale", "-a"], capture_output=True,
                                                   text=True).stdout.replace("UTF-8", "utf8"))


class Eigenschaften(unittest.TestCase):
    """Generated exercises of every level and decimal count (the tolerances themselves:
    pruefe_routen.py)."""

    def test_ssw_anzahl_und_reihenfolge_der_loesungen(self):
        for seed, dezimalen in itertools.product((1, 2, 7), (1, 2, 3)):
            daten = quiz("--erzeuge", "40", "--seed", str(seed), "--dezimalen", str(dezimalen))
            cloze = [q for q in fragen(daten) if q.get("type") == "cloze"]
            for q, ergebnis in zip(cloze, rechne([gegeben_zeile(q) for q in cloze])):
                gaps, _ = luecken(q.find("questiontext/text").text)
                if ergebnis["typ"] == "SSW":
                    richtig = [a[1] for a in gaps.pop(0)["alternativen"] if a[0] == "="]
                    self.assertEqual(richtig, [str(len(ergebnis["dreiecke"]))])
                    sinuswinkel = [f for f in FELDER[3:] if ergebnis["dreiecke"] and
                                   ergebnis["dreiecke"][0][f]["herkunft"] == "sinussatz"]
                    winkel = [d[sinuswinkel[0]]["wert"] for d in ergebnis["dreiecke"]]
                    self.assertTrue(all(w < 90 for w in winkel[:1]), winkel)
                    self.assertTrue(all(w > 90 for w in winkel[1:]), winkel)
                self.assertEqual(len(gaps), sum(len(unbekannte(d)) for d in ergebnis["dreiecke"]))


class Feindlich(unittest.TestCase):
    """Letters and titles made of XML, CDATA and Cloze syntax."""

    TITEL = 'T<&"]]>/x 🙂\u200f'
    SEITEN = ["<&\"'x", "]]>", "{1:NUMERICAL:=1}#~/\\"]

    def test_buchstaben_und_titel_ueberstehen_xml_cdata_und_cloze(self):
        zeile = "\t".join(["7", "5", "", "", "", "40"] + self.SEITEN +
                          ["a", "\U0001F642", "\u200fg"])
        daten = quiz("--titel", self.TITEL, eingabe=zeile.encode() + b"\n")
        alle = fragen(daten)
        self.assertEqual(alle[0].find("category/text").text,
                         "$course$/top/" + self.TITEL.replace("/", "//"))
        q = alle[1]
        gaps, rest = luecken(q.find("questiontext/text").text)
        self.assertEqual(len(gaps), 3)
        sichtbar = html.unescape(rest)
        self.assertIn("Gegeben: <&\"'x = 7, ]]> = 5, \u200fγ = 40°", sichtbar)
        self.assertIn(self.SEITEN[2] + " = {#1}", sichtbar)
        falsch = gaps[0]["alternativen"][-1]
        self.assertEqual(falsch[:2], (None, "*"))
        self.assertEqual(html.unescape(falsch[2]), self.SEITEN[2] + " stimmt nicht – rechne nach.")
        self.assertIn("\U0001F642 = {#3}°", sichtbar)

    def test_unerlaubte_zeichen_werden_ersetzt(self):
        daten = quiz("--titel", "a\x01b\x7fc", eingabe=b"3\t4\t5\n")
        self.assertEqual(fragen(daten)[0].find("category/text").text,
                         "$course$/top/a\ufffdb\x7fc")
        daten = quiz("--titel", "/a/", eingabe=b"3\t4\t5\n")
        self.assertEqual(fragen(daten)[0].find("category/text").text, "$course$/top/ //a// ")


class Loesungszahl(unittest.TestCase):
    def test_flache_figur_zaehlt_weder_im_quiz_noch_im_schluessel(self):
        # Two equal sides: isosceles or no triangle; the Script's flat second "solution"
        # is no triangle. Sheet key, figures and quiz read the same count.
        faelle = (("5\t5\t\t40", 1), ("5\t5\t\t90", 0), ("5\t5\t\t120", 0),
                  ("7\t5\t\t120", 1), ("5\t7\t\t40", 2))
        eingabe = "".join(z + "\n" for z, _ in faelle).encode()
        with tempfile.TemporaryDirectory() as ordner:
            pdf, ziel = os.path.join(ordner, "blatt.pdf"), os.path.join(ordner, "quiz.xml")
            lauf = starte("-o", pdf, "--schluessel", "--mehr", "--moodle", ziel, "--svg", ordner,
                          eingabe=eingabe)
            self.assertEqual(lauf.returncode, 0, lauf.stderr)
            with open(ziel, "rb") as f:
                cloze = [q for q in fragen(f.read()) if q.get("type") == "cloze"]
            schluessel = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                                        text=True, check=True).stdout.split("Lösungsschlüssel")[1]
            figuren = sorted(n for n in os.listdir(ordner) if n.endswith(".svg"))
        self.assertEqual(len(cloze), len(faelle))
        # With --mehr the key names the derived quantities of the one isosceles triangle.
        # (The count column's digit may stand inside a wrapped row's text.)
        self.assertIn("γ=100,000°,U=17,660,A=12,310,h_a=4,924,h_b=4,924",
                      "".join(schluessel.split()))
        for nummer, ((zeile, zahl), q) in enumerate(zip(faelle, cloze), 1):
            with self.subTest(zeile=zeile):
                gaps, _ = luecken(q.find("questiontext/text").text)
                richtig = [a[1] for a in gaps[0]["alternativen"] if a[0] == "="]
                self.assertEqual(richtig, [str(zahl)])
                self.assertEqual(len(gaps), 1 + 3 * zahl)
                reihe = re.search(rf"^{nummer}\.\s.*?(\d)\s*$", schluessel, re.M)
                self.assertEqual(reihe.group(1), str(zahl), schluessel)
                self.assertEqual(len([n for n in figuren if f"-{nummer:03d}" in n]),
                                 min(zahl, 1), figuren)


class Kommandozeile(unittest.TestCase):
    def test_nichts_geschrieben_bei_aufgaben_ohne_loesung(self):
        with tempfile.TemporaryDirectory() as ordner:
            ziel = os.path.join(ordner, "quiz.xml")
            with open(ziel, "wb") as f:
                f.write(b"alt")
            lauf = starte("--moodle", ziel, eingabe=b"3\t4\t5\n1\t2\t5\n")
            self.assertEqual(lauf.returncode, 1)
            with open(ziel, "rb") as f:
                self.assertEqual(f.read(), b"alt")
            lauf = starte("--moodle", ziel, "--trotzdem", eingabe=b"3\t4\t5\n1\t2\t5\n")
            self.assertEqual(lauf.returncode, 1)
            self.assertIn("1 Aufgabe ohne Lösung nicht im Quiz", lauf.stderr.decode())
            with open(ziel, "rb") as f:
                self.assertEqual(len([q for q in fragen(f.read()) if q.get("type") == "cloze"]), 1)
            self.assertEqual(os.listdir(ordner), ["quiz.xml"])

    def test_ziel_nicht_schreibbar(self):
        lauf = starte("--moodle", "/nicht/da/quiz.xml", eingabe=b"3\t4\t5\n")
        self.assertEqual(lauf.returncode, 4)
        self.assertIn("lässt sich nicht schreiben", lauf.stderr.decode())

    def test_optionen(self):
        daten = quiz("--toleranz", "0.01", "--einheit", "cm", eingabe=b"3\t4\t5\n")
        gaps, rest = luecken(fragen(daten)[1].find("questiontext/text").text)
        self.assertEqual({numerisch(g)[1] for g in gaps}, {0.01})
        self.assertEqual(rest.count("°"), 3)
        for falsch in (["--toleranz", "0", "--moodle", "q.xml"], ["--toleranz", "0,1", "--moodle", "q.xml"],
                       ["--toleranz", "0.1", "-o", "x.pdf"], ["--moodle", ""]):
            self.assertEqual(starte(*falsch, eingabe=b"3\t4\t5\n").returncode, 2, falsch)
        with tempfile.TemporaryDirectory() as ordner:
            lauf = starte("-o", "b.pdf", "--moodle", "q.xml", eingabe=b"3\t4\t5\n", cwd=ordner)
            self.assertEqual(lauf.returncode, 0, lauf.stderr)
            self.assertEqual(sorted(os.listdir(ordner)), ["b.pdf", "q.xml"])


if __name__ == "__main__":
    BLATT, RECHNE = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    unittest.main(argv=sys.argv[:1], verbosity=1)
