#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt --qti: the IMS content package as a strict platform reads it. Every item
and the test validate against the QTI 2.1 schema (xmllint, offline); the manifest names
every file in the zip and nothing else; every picture has its alt text; and the items'
response processing, run by an engine of the test's own, marks every answer of the
Moodle quiz's marking table exactly as Moodle marks the same quiz's gaps.
"""

import io
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET
import zipfile

import pruefe_routen
from moodle_quiz import fragen, luecken
import moodle_quiz
from qti_bewertung import NS, Item
from qti_tabelle import (dreieckstabelle, koerpertext, moodle_luecken, moodle_sichtbar,
                         sachtabelle, sichtbar)

BLATT = None
RECHNE = None
HIER = os.path.dirname(os.path.abspath(__file__))
KATALOG = os.path.join(HIER, "qti-schema", "catalog.xml")
CP = "{http://www.imsglobal.org/xsd/imscp_v1p1}"

# XML's own characters, one it forbids, and more than a platform keeps.
TITEL = 'Sinus <&> "\x01" ' + "ä" * 150
# Every kind of exercise: all types, the three levels, groups, word problems alone and
# mixed, at 1, 2, 3 and 10 decimals.
FAELLE = [
    ("--erzeuge", "12", "--seed", "5", "--gruppen", "2", "--stufe", "2"),
    ("--erzeuge", "10", "--seed", "7", "--stufe", "1", "--dezimalen", "1", "--titel", TITEL),
    ("--erzeuge", "8", "--seed", "11", "--stufe", "3", "--dezimalen", "10"),
    ("--erzeuge", "8", "--seed", "3", "--sachaufgaben", "--dezimalen", "2"),
    ("--erzeuge", "6", "--seed", "4", "--sachaufgaben", "--gemischt", "--gruppen", "3"),
]


def starte(*argumente):
    return subprocess.run([BLATT, *argumente], capture_output=True, timeout=300)


def paket(*argumente, moodle=False):
    """The package's files by name, and the Moodle quiz of the same run if asked for."""
    with tempfile.TemporaryDirectory() as ordner:
        ziel = os.path.join(ordner, "q.zip")
        extra = ["--moodle", os.path.join(ordner, "q.xml")] if moodle else []
        lauf = starte("--qti", ziel, *extra, *argumente)
        assert lauf.returncode == 0, lauf.stderr.decode()
        with open(ziel, "rb") as f:
            roh = f.read()
        with zipfile.ZipFile(io.BytesIO(roh)) as z:
            assert z.testzip() is None  # every file's CRC
            dateien = {n: z.read(n) for n in z.namelist()}
        if moodle:
            with open(os.path.join(ordner, "q.xml"), "rb") as f:
                return dateien, f.read()
        return dateien, roh


def reihenfolge(dateien):
    """The items in the test's order, by section."""
    test = ET.fromstring(dateien["test.xml"])
    return [(s.get("title"), [r.get("href") for r in s.iter(NS + "assessmentItemRef")])
            for s in test.iter(NS + "assessmentSection")]


class Pakete(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pakete = [(fall, paket(*fall)[0]) for fall in FAELLE]

    def test_jede_datei_gilt_nach_dem_schema(self):
        if not shutil.which("xmllint"):
            self.skipTest("xmllint fehlt (Debian: libxml2-utils)")
        for fall, dateien in self.pakete:
            with tempfile.TemporaryDirectory() as ordner:
                xml = sorted(n for n in dateien if n.endswith(".xml") and n != "imsmanifest.xml")
                for n in xml:
                    with open(os.path.join(ordner, n), "wb") as f:
                        f.write(dateien[n])
                lauf = subprocess.run(
                    ["xmllint", "--noout", "--nonet", "--schema",
                     "http://www.imsglobal.org/xsd/imsqti_v2p1.xsd", *xml],
                    cwd=ordner, capture_output=True, timeout=300,
                    env=dict(os.environ, XML_CATALOG_FILES=KATALOG))
                self.assertEqual(lauf.returncode, 0, (fall, lauf.stderr.decode()[-3000:]))
                self.assertEqual(lauf.stderr.decode().count(" validates"), len(xml), fall)

    def test_manifest_nennt_jede_datei_und_nur_sie(self):
        for fall, dateien in self.pakete:
            manifest = ET.fromstring(dateien["imsmanifest.xml"])
            ressourcen = list(manifest.iter(CP + "resource"))
            genannt = [f.get("href") for r in ressourcen for f in r.iter(CP + "file")]
            self.assertEqual(sorted(set(genannt)), sorted(set(dateien) - {"imsmanifest.xml"}),
                             fall)
            kennungen = {r.get("identifier") for r in ressourcen}
            for r in ressourcen:
                self.assertIn(r.get("href"), [f.get("href") for f in r.iter(CP + "file")])
                for d in r.iter(CP + "dependency"):
                    self.assertIn(d.get("identifierref"), kennungen)
            test = [r for r in ressourcen if r.get("type") == "imsqti_test_xmlv2p1"]
            items = [r for r in ressourcen if r.get("type") == "imsqti_item_xmlv2p1"]
            self.assertEqual([r.get("href") for r in test], ["test.xml"])
            self.assertEqual(sorted(r.get("href") for r in items),
                             sorted(h for _, hs in reihenfolge(dateien) for h in hs))
            # Each item's pictures are files of its own resource.
            for r in items:
                eigene = {f.get("href") for f in r.iter(CP + "file")}
                item = ET.fromstring(dateien[r.get("href")])
                for bild in item.iter(NS + "img"):
                    self.assertIn(bild.get("src"), eigene)
                    self.assertTrue(bild.get("alt", "").strip(), (fall, r.get("href")))
                    self.assertTrue(dateien[bild.get("src")].startswith(b"\x89PNG"))

    def test_gruppen_sind_abschnitte_und_alle_aufgaben_kommen_vor(self):
        for fall, dateien in self.pakete:
            gruppen = int(fall[fall.index("--gruppen") + 1]) if "--gruppen" in fall else 1
            anzahl = int(fall[1])
            abschnitte = reihenfolge(dateien)
            titel = ["Gruppe " + "ABCDEF"[g] for g in range(gruppen)] if gruppen > 1 \
                else ["Aufgaben"]
            self.assertEqual([t for t, _ in abschnitte], titel, fall)
            for _, hrefs in abschnitte:
                self.assertEqual(len(hrefs), anzahl, fall)
            if "--sachaufgaben" in fall:
                texte = b"".join(dateien[h] for _, hs in abschnitte for h in hs)
                self.assertRegex(texte.decode(), r'title="[^"]* – ')

    def test_correct_zuerst_und_nur_absolute_toleranzen(self):
        gleich = ausgenommen = 0
        for fall, dateien in self.pakete:
            for name, daten in dateien.items():
                if not re.match(r"aufgabe-.*\.xml$", name):
                    continue
                wurzel = ET.fromstring(daten)
                self.assertIsNone(wurzel.get("toolName"))
                ausnahmen = {id(e) for b in wurzel.iter(NS + "responseIf")
                             if b.find(NS + "setOutcomeValue/" + NS + "baseValue").text == "0"
                             for e in b.iter(NS + "equal")}
                for e in wurzel.iter(NS + "equal"):
                    kinder = [k.tag for k in e]
                    # The right value first; a number taken out of the interval, which
                    # earns nothing, first in its own.
                    erster = NS + ("baseValue" if id(e) in ausnahmen else "correct")
                    ausgenommen += id(e) in ausnahmen
                    self.assertEqual(kinder, [erster, NS + "variable"], name)
                    self.assertEqual(e.get("toleranceMode"), "absolute")
                    self.assertTrue(all(float(t) >= 0 for t in e.get("tolerance").split()))
                    gleich += 1
                text = "".join(wurzel.find(NS + "itemBody").itertext())
                self.assertIn("Punkt", text, name)  # which separator to type
                self.assertRegex(text, r"Runde|runde", name)
        self.assertGreater(gleich, 100)
        self.assertGreater(ausgenommen, 0)

    def test_titel_als_xml_und_gekuerzt(self):
        test = ET.fromstring(self.pakete[1][1]["test.xml"])
        titel = test.get("title")
        self.assertTrue(titel.startswith('Sinus <&> "\ufffd" ää'), titel)
        self.assertTrue(titel.endswith("ä…"), titel)
        self.assertLessEqual(len(titel.encode()), 258)

    def test_gleicher_seed_gleiches_paket(self):
        _, erstes = paket(*FAELLE[0])
        _, zweites = paket(*FAELLE[0])
        self.assertEqual(erstes, zweites)


class WieMoodle(unittest.TestCase):
    """One marking table, two renderings: each row's mark in the QTI item, as this engine
    gives it, and in the Moodle gap of the same quantity, as Moodle reads it in German and
    in English."""

    def test_jede_zeile_richtig_bewertet_und_wie_in_moodle(self):
        zaehler = dict.fromkeys(("zeilen", "offen", "offen_richtig"), 0)
        for fall in [("--erzeuge", "10", "--seed", "5", "--dezimalen", "3"),
                     ("--erzeuge", "6", "--seed", "11", "--stufe", "3", "--typen", "SSW",
                      "--dezimalen", "1"),
                     ("--erzeuge", "6", "--seed", "8", "--sachaufgaben", "--gemischt")]:
            dateien, quiz = paket(*fall, moodle=True)
            fragen_ = [q for q in fragen(quiz) if q.get("type") == "cloze"]
            items = [Item(dateien[h]) for _, hs in reihenfolge(dateien) for h in hs]
            self.assertEqual(len(fragen_), len(items), fall)
            dreiecke = [i for i in items if "Gegeben: " in koerpertext(i)]
            ergebnisse = iter(moodle_quiz.rechne(RECHNE, [moodle_quiz.zeile_aus(
                re.search(r"Gegeben: ([^\n]*?)\s*$", koerpertext(i), re.M).group(1))
                for i in dreiecke]))
            for q, item in zip(fragen_, items):
                self.assertEqual(item.wurzel.get("title"), q.find("name/text").text)
                self.assertEqual(sichtbar(item), moodle_sichtbar(q))
                moodle = moodle_luecken(q)
                tabelle = dreieckstabelle(item, next(ergebnisse)) if item in dreiecke \
                    else sachtabelle(item, list(moodle.values()))
                for antwort in item.antworten:
                    if item.typen[antwort] == "identifier":
                        # The count of triangles: the choice Moodle marks right, alone.
                        for k, richtig in enumerate(moodle["anzahl"]):
                            punkte = item.bewerte({antwort: "WAHL_%d" % k})["SCORE_" + antwort]
                            self.assertEqual(punkte, 1 if richtig else 0, item.wurzel.get("title"))
                        continue
                    schluessel, reihe = tabelle[antwort]
                    intervalle = pruefe_routen.angenommen(moodle[schluessel])
                    for getippt, soll in reihe:
                        punkte = item.bewerte({antwort: getippt})["SCORE_" + antwort]
                        if soll is not None:
                            self.assertEqual(punkte, 1 if soll else 0,
                                             (item.wurzel.get("title"), antwort, getippt))
                        zaehler["offen"] += soll is None
                        zaehler["offen_richtig"] += soll is None and punkte == 1
                        for sprache in pruefe_routen.SPRACHEN.values():
                            x = pruefe_routen.moodle_liest(getippt, *sprache)
                            m = pruefe_routen.volle_punkte(intervalle, x)
                            self.assertEqual(punkte, 1 if m else 0,
                                             (item.wurzel.get("title"), getippt, intervalle))
                        zaehler["zeilen"] += 1
                # All answers right at once: the item's SCORE is the number of gaps.
                alle = {a: ("%r" % item.richtig[a] if item.typen[a] == "float"
                            else item.richtig[a]) for a in item.antworten}
                werte = item.bewerte(alle)
                self.assertEqual(werte["SCORE"], len(item.antworten))
                self.assertEqual(werte["MAXSCORE"], len(item.antworten))
                self.assertEqual(item.bewerte({})["SCORE"], 0)
        print("\n%(zeilen)d Zeilen in QTI und Moodle gleich bewertet; Sachaufgaben mit einer "
              "Stelle weniger: %(offen_richtig)d von %(offen)d angenommen" % zaehler,
              file=sys.stderr)
        self.assertGreater(zaehler["zeilen"], 1000)


class FesteToleranz(unittest.TestCase):
    def test_dieselbe_toleranz_um_denselben_wert_wie_in_moodle(self):
        dateien, quiz = paket("--erzeuge", "6", "--seed", "9", "--gemischt", "--sachaufgaben",
                              "--toleranz", "0.02", moodle=True)
        fragen_ = [q for q in fragen(quiz) if q.get("type") == "cloze"]
        items = [Item(dateien[h]) for _, hs in reihenfolge(dateien) for h in hs]
        for q, item in zip(fragen_, items):
            self.assertEqual(sichtbar(item), moodle_sichtbar(q))
            gaps = [g for g in luecken(q.find("questiontext/text").text)[0]
                    if g["typ"] == "NUMERICAL"]
            zahlen = [a for a in item.antworten if item.typen[a] == "float"]
            for g, antwort in zip(gaps, zahlen, strict=True):
                wert, toleranz = moodle_quiz.numerisch(g)
                self.assertEqual(item.richtig[antwort], wert)
                gleich = [e for e in item.wurzel.iter(NS + "equal")
                          if e.find(NS + "correct").get("identifier") == antwort]
                self.assertEqual([e.get("tolerance").split() for e in gleich],
                                 [[repr(toleranz)] * 2])


class Fehler(unittest.TestCase):
    def test_nichts_geschrieben_wenn_das_ziel_nicht_geht(self):
        with tempfile.TemporaryDirectory() as ordner:
            ziel = os.path.join(ordner, "fehlt", "q.zip")
            lauf = starte("--erzeuge", "2", "--qti", ziel)
            self.assertNotEqual(lauf.returncode, 0)
            self.assertIn(b"q.zip", lauf.stderr)
            self.assertFalse(os.path.exists(os.path.dirname(ziel)))

    def test_optionen(self):
        for argumente, meldung in [
                (["--erzeuge", "2", "--qti", ""], "--qti braucht einen Dateinamen"),
                (["--erzeuge", "2", "--qti", "x", "--moodle", "x"],
                 '--moodle und --qti nennen dasselbe Ziel "x"'),
                (["--erzeuge", "2", "--qti", "-", "-o", "-"],
                 "-o - und --qti - schrieben beide auf die Standardausgabe"),
                (["--erzeuge", "2", "-o", "x", "--toleranz", "0.1"],
                 "--toleranz gilt nur mit --moodle oder --qti")]:
            lauf = starte(*argumente)
            self.assertEqual(lauf.returncode, 2, argumente)
            self.assertIn(meldung, lauf.stderr.decode(), argumente)


if __name__ == "__main__":
    BLATT, RECHNE = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    pruefe_routen.BLATT, pruefe_routen.RECHNE = BLATT, RECHNE
    unittest.main(argv=sys.argv[:1], verbosity=1)
