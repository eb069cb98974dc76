#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The SCORM 1.2 package in a stand-in platform that keeps its data between launches and
behaves like Moodle (review mode after completion, entry resume, a mastery score that
overrides the status, the data model's types and error codes): a whole set; a set left in
the middle, then resumed; re-launches that only show the finished attempt; a new attempt;
a platform that fails at each call, and the page that keeps working and offers the
results file.

Usage: pruefe_scorm.py KALOTRI_UEBEN_SCORM_ZIP WORK_DIR [--bilder DIR]"""

import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import time
import unittest
import zipfile

HIER = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HIER))

try:
    from selenium.webdriver.common.by import By
    import browser
    from scormplattform import Plattform, loese_aufgabe, manifest_pruefen, neuer_versuch
except ImportError as fehler:
    print(f"SKIP: {fehler}")
    sys.exit(77)

ARGS = None
SPANNE = re.compile(r"\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?")


class Scorm(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.ordner = pathlib.Path(ARGS.arbeit) / "scorm"
        shutil.rmtree(cls.ordner, ignore_errors=True)
        cls.ordner.mkdir(parents=True)
        # The teacher's package: level 2, SWS only, 5 exercises, pass mark 60.
        with zipfile.ZipFile(ARGS.zip) as z:
            z.extract("kalotri-ueben.html", cls.ordner)
        cls.paket = cls.ordner / "lehrerin.zip"
        subprocess.run([sys.executable, HIER.parent / "baue_scorm.py", "--seite",
                        cls.ordner / "kalotri-ueben.html", "--version", "test", "--aus", cls.paket,
                        "--stufe", "2", "--typ", "SWS", "--anzahl", "5", "--bestehen", "60"], check=True)
        cls.b = browser.Browser()
        cls.d = cls.b.driver
        cls.p = Plattform(cls.ordner, cls.d, HIER)

    @classmethod
    def tearDownClass(cls):
        cls.b.schliessen()
        cls.p.schliessen()

    def starte(self, lager, **art):
        self.p.starte(self, art.pop("quelle", None) or manifest_pruefen(self, self.paket), lager, **art)

    def text(self, id):
        return self.d.find_element(By.ID, id).text

    def sichtbar(self, id):
        return self.d.find_element(By.ID, id).is_displayed()

    def angenommen(self, protokoll):
        """Every value the page sent was one the data model takes."""
        abgelehnt = [e for e in protokoll if e[0] in ("LMSSetValue", "LMSCommit") and e[-1] != 0]
        self.assertEqual(abgelehnt, [])

    def test_manifest_des_gebauten_pakets(self):
        start = manifest_pruefen(self, ARGS.zip)
        self.assertTrue(start.startswith("kalotri-ueben.html?"))
        self.assertIn("bestehen=50", start)

    def test_ganzer_satz_dann_nur_noch_ansehen_dann_neuer_versuch(self):
        lager = neuer_versuch()
        self.starte(lager)
        self.assertRegex(self.text("aufgabeTitel"), r"Übung 2-SWS-\d+-5$")
        loese_aufgabe(self.d, hinweis=True)
        for _ in range(4):
            loese_aufgabe(self.d)
        self.assertTrue(self.sichtbar("auswertung"))
        gespeichert, protokoll = self.p.verlasse()
        self.angenommen(protokoll)
        daten = gespeichert["daten"]
        self.assertEqual((daten["cmi.core.lesson_status"], daten["cmi.core.score.raw"]), ("passed", "96.66"))
        self.assertRegex(daten["cmi.core.session_time"], SPANNE)
        self.assertLessEqual(len(daten["cmi.suspend_data"]), 4096)
        # Every box as an interaction, in order, with what the teacher reads in the report.
        interaktionen = gespeichert["interaktionen"]
        kennungen = [i["id"] for i in interaktionen]
        self.assertEqual(len(set(kennungen)), 15)
        self.assertEqual([k.split("_")[0] for k in kennungen], [f"a{n}" for n in range(1, 6) for _ in "abc"])
        for k in kennungen:
            self.assertRegex(k, r"^a[1-5]_(a|b|c|alpha|beta|gamma)$")
        for i in interaktionen:
            self.assertEqual((i["type"], i["result"]), ("numeric", "correct"))
            self.assertRegex(i["latency"], SPANNE)
            self.assertRegex(i["student_response"], r"^-?\d+(\.\d+)?$")
        # Re-launched any number of times: the finished attempt is shown, never written.
        for mal in range(3):
            self.starte(gespeichert)
            self.assertTrue(self.sichtbar("auswertung"))
            self.assertIn("29 von 30 Punkten (97 %)", self.text("gesamt"))
            self.assertIn("nur angezeigt", self.text("plattform"))
            self.assertFalse(self.sichtbar("nochmal"))
            if mal == 0 and ARGS.bilder:
                self.d.save_screenshot(str(pathlib.Path(ARGS.bilder) / "scorm-ansehen.png"))
            wieder, protokoll = self.p.verlasse()
            self.assertEqual([e for e in protokoll if e[0] in ("LMSSetValue", "LMSCommit")], [])
            self.assertEqual(wieder, gespeichert)
        # A new attempt is the platform's: it starts empty, and the page begins afresh.
        self.starte(neuer_versuch())
        self.assertTrue(self.sichtbar("aufgabe"), self.d.execute_script(
            "return [document.getElementById('plattform').textContent,"
            " document.getElementById('start').hidden, document.getElementById('auswertung').hidden,"
            " document.getElementById('aufgabe').hidden, location.href]"))
        self.assertRegex(self.text("stand"), r"Übung: 0 von 30$")

    def test_mitten_verlassen_dann_fortgesetzt(self):
        self.starte(neuer_versuch())
        code = self.text("aufgabeTitel").rsplit(" ", 1)[1]
        loese_aufgabe(self.d)
        loese_aufgabe(self.d, richtig=False, hinweis=True)
        gespeichert, protokoll = self.p.verlasse()
        self.angenommen(protokoll)
        daten = gespeichert["daten"]
        self.assertEqual((daten["cmi.core.lesson_status"], daten["cmi.core.score.raw"]), ("incomplete", "20"))
        self.assertEqual(daten["cmi.core.exit"], "suspend")
        self.starte(gespeichert)
        self.assertEqual(self.text("aufgabeTitel"), f"Aufgabe 3 von 5 · Übung {code}")
        self.assertRegex(self.text("stand"), r"Übung: 6 von 30$")
        self.d.find_element(By.ID, "weiter").click()
        for _ in range(2):
            loese_aufgabe(self.d)
        gespeichert, protokoll = self.p.verlasse()
        self.angenommen(protokoll)
        # 18 of 30 is the pass mark of 60 exactly.
        self.assertEqual((gespeichert["daten"]["cmi.core.lesson_status"],
                          gespeichert["daten"]["cmi.core.score.raw"]), ("passed", "60"))
        self.assertEqual(len(gespeichert["interaktionen"]), 12)

    def test_plattform_mit_eigenem_beherrschungswert(self):
        # A platform that judges by its own mastery score never gets a score in the middle.
        self.starte(neuer_versuch(), beherrschung="10")
        loese_aufgabe(self.d)
        gespeichert, _ = self.p.verlasse()
        self.assertEqual(gespeichert["daten"]["cmi.core.lesson_status"], "incomplete")
        self.assertNotIn("cmi.core.score.raw", gespeichert["daten"])

    def test_vorschau_uebt_ohne_zu_melden(self):
        self.starte(neuer_versuch(), vorgabe={"cmi.core.lesson_mode": "browse",
                                              "cmi.core.credit": "no-credit"})
        self.assertIn("Vorschau", self.text("plattform"))
        loese_aufgabe(self.d)
        self.assertRegex(self.text("stand"), r"Übung: 6 von 30$")
        _, protokoll = self.p.verlasse()
        self.assertEqual([e for e in protokoll if e[0] in ("LMSSetValue", "LMSCommit")], [])

    def test_startdaten_wenn_die_plattform_keine_parameter_anhaengt(self):
        self.starte(neuer_versuch(), quelle="kalotri-ueben.html", startdaten="stufe=3&typ=SSS&anzahl=7")
        self.assertRegex(self.text("aufgabeTitel"), r"Übung 3-SSS-\d+-7$")
        for _ in range(7):
            loese_aufgabe(self.d)
        gespeichert, _ = self.p.verlasse()
        self.assertEqual(gespeichert["daten"]["cmi.core.lesson_status"], "completed", "no pass mark")

    def test_eine_stoerrische_plattform_wird_gemeldet(self):
        faelle = [
            ({"fehlt": True}, "Keine Lernplattform gefunden"),
            ({"LMSInitialize": "false"}, "Verbindung abgelehnt (Fehler 101: General exception)"),
            ({"LMSInitialize": "wirft"}, "Verbindung abgelehnt"),
            ({"LMSSetValue": "false"}, "nicht angenommen (Fehler 405: Incorrect data type)"),
            ({"LMSSetValue": "wirft"}, "nicht angenommen"),
            ({"LMSCommit": "false"}, "nicht gespeichert (Fehler 101: General exception)"),
            ({"LMSCommit": "wirft"}, "nicht gespeichert"),
            ({"ablehnen": "cmi.suspend_data"}, "„cmi.suspend_data“ nicht angenommen (Fehler 405"),
        ]
        for stoerung, meldung in faelle:
            with self.subTest(stoerung=stoerung):
                self.starte(neuer_versuch(), stoerung=stoerung)
                self.assertTrue(self.sichtbar("aufgabe"), "the page goes on")
                loese_aufgabe(self.d)
                hinweis = self.d.find_element(By.ID, "plattform")
                self.assertIn(meldung, hinweis.text)
                self.assertIn("fehler", hinweis.get_attribute("class"))
                self.assertEqual(hinweis.get_attribute("role"), "alert")
                self.assertRegex(self.text("stand"), r"Übung: 6 von 30$")
                for _ in range(4):
                    self.d.find_element(By.ID, "weiter").click()
                self.assertTrue(self.sichtbar("auswertung"), "the result stays on screen")
                self.assertTrue(self.d.find_element(By.ID, "ergebnisSpeichern").is_enabled())
                self.p.verlasse()

    def test_ergebnis_speichern_ohne_plattform(self):
        ablage = pathlib.Path(ARGS.arbeit) / "ablage"
        shutil.rmtree(ablage, ignore_errors=True)
        ablage.mkdir(parents=True)
        self.starte(neuer_versuch(), stoerung={"fehlt": True})
        self.d.execute_cdp_cmd("Browser.setDownloadBehavior",
                               {"behavior": "allow", "downloadPath": str(ablage)})
        for richtig in (True, False, True, True, True):
            loese_aufgabe(self.d, richtig=richtig)
        self.d.find_element(By.ID, "ergebnisSpeichern").click()
        self.assertIn("Namen", self.text("ergebnisHilfe"))
        # The summary's own name box where it has one, else the results form's.
        namen = [f for f in self.d.find_elements(By.CSS_SELECTOR, "#name, #ergebnisName") if f.is_displayed()]
        self.assertEqual(len(namen), 1, "one name box")
        namen[0].send_keys("Jana Ölmez")
        self.d.find_element(By.ID, "ergebnisSpeichern").click()
        bis = time.monotonic() + 10
        while not list(ablage.glob("*.txt")):
            self.assertLess(time.monotonic(), bis, "no file arrived")
            time.sleep(0.05)
        datei = list(ablage.glob("*.txt"))[0]
        self.assertRegex(datei.name, r"^kalotri-ergebnis-2-SWS-\d+-5-Jana-Olmez\.txt$")
        text = datei.read_text(encoding="utf-8")
        self.assertRegex(text, r"^Kalotri-Ergebnis 1\nName: Jana Ölmez\nCode: 2-SWS-\d+-5\nDatum: \d{4}-\d\d-\d\d\n")
        self.assertIn("Aufgabe 1: punkte=6 hoechstens=6 hinweise=0 abzug=0 noten=rrr\n", text)
        self.assertRegex(text, r"\nAufgabe 2: punkte=[0-3] hoechstens=6 hinweise=0 abzug=0 noten=[fx]{3}\n")
        self.assertRegex(text, r"\nPrüfsumme: [0-9a-f]{8}\n$")
        self.assertIn(datei.name, self.text("ergebnisHilfe"))
        self.p.verlasse()


def main():
    global ARGS
    p = argparse.ArgumentParser()
    p.add_argument("zip")
    p.add_argument("arbeit")
    p.add_argument("--bilder")
    ARGS, rest = p.parse_known_args()
    if not browser.vorhanden():
        print("SKIP: chromium or chromedriver missing")
        sys.exit(77)
    unittest.main(argv=[sys.argv[0], "-v", *rest])


if __name__ == "__main__":
    main()
