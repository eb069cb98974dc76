#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The SCORM 1.2 package: its manifest has what Moodle's importer reads (imsmanifest.xml at
the root, SCORM 1.2 metadata, a default organization whose item points at exactly one SCO
resource with a file in the package, launch parameters), and the page, served over HTTP
inside a platform stand-in that records every API call, reports score and status for a
full, a partial and an aborted set.

Usage: pruefe_scorm.py KALOTRI_UEBEN_SCORM_ZIP WORK_DIR"""

import argparse
import functools
import http.server
import pathlib
import re
import shutil
import subprocess
import sys
import threading
import time
import unittest
import urllib.parse
import xml.etree.ElementTree as ET
import zipfile

HIER = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HIER))

try:
    from selenium.webdriver.common.by import By
    import browser
    import dreieck
except ImportError as fehler:
    print(f"SKIP: {fehler}")
    sys.exit(77)

ARGS = None
CP = "{http://www.imsproject.org/xsd/imscp_rootv1p1p2}"
ADLCP = "{http://www.adlnet.org/xsd/adlcp_rootv1p2}"
STATUS_12 = {"passed", "completed", "failed", "incomplete", "browsed", "not attempted"}

# A platform as the SCO sees it: window.API with the eight SCORM 1.2 calls, each recorded;
# values only between LMSInitialize and LMSFinish; what the last LMSCommit held.
PLATTFORM = """<!DOCTYPE html><html lang="de"><meta charset="utf-8"><title>Plattform</title>
<script>
window.protokoll = [];
const daten = {"cmi.core.lesson_status": "not attempted",
               "cmi.student_data.mastery_score": %(bestehen)s, "cmi.launch_data": %(start)s};
let zustand = "neu";
const ruf = (name, antwort, ...a) => { protokoll.push([name, ...a, zustand]); return antwort; };
window.API = {
  LMSInitialize: (a) => { const ok = zustand === "neu"; if (ok) zustand = "offen";
                          return ruf("LMSInitialize", String(ok), a); },
  LMSGetValue: (k) => ruf("LMSGetValue", daten[k] ?? "", k),
  LMSSetValue: (k, v) => { if (zustand === "offen") daten[k] = v;
                           return ruf("LMSSetValue", String(zustand === "offen"), k, v); },
  LMSCommit: (a) => { if (zustand === "offen") window.gespeichert = Object.assign({}, daten);
                      return ruf("LMSCommit", String(zustand === "offen"), a); },
  LMSFinish: (a) => { const ok = zustand === "offen"; zustand = "zu";
                      return ruf("LMSFinish", String(ok), a); },
  LMSGetLastError: () => "0", LMSGetErrorString: () => "", LMSGetDiagnostic: () => "",
};
</script>
<iframe id="sco" title="Übung" src="%(src)s" style="width:100%%;height:90vh"></iframe>
"""


def manifest_pruefen(test, zip_pfad):
    """The manifest as Moodle's SCORM importer reads it; returns the launch address."""
    with zipfile.ZipFile(zip_pfad) as z:
        namen = z.namelist()
        test.assertIn("imsmanifest.xml", namen, "at the root, not in a folder")
        wurzel = ET.fromstring(z.read("imsmanifest.xml"))
    test.assertEqual(wurzel.tag, CP + "manifest")
    test.assertTrue(wurzel.get("identifier"))
    test.assertEqual(wurzel.findtext(f"{CP}metadata/{CP}schema"), "ADL SCORM")
    test.assertEqual(wurzel.findtext(f"{CP}metadata/{CP}schemaversion"), "1.2")
    orgs = wurzel.find(CP + "organizations")
    org = [o for o in orgs.findall(CP + "organization") if o.get("identifier") == orgs.get("default")]
    test.assertEqual(len(org), 1, "the default organization exists")
    test.assertTrue(org[0].findtext(CP + "title"))
    items = org[0].findall(CP + "item")
    test.assertEqual(len(items), 1)
    item = items[0]
    test.assertTrue(item.get("identifier") and item.findtext(CP + "title"))
    ressourcen = {r.get("identifier"): r for r in wurzel.iter(CP + "resource")}
    scos = [r for r in ressourcen.values() if r.get(ADLCP + "scormtype") == "sco"]
    test.assertEqual(len(scos), 1, "one SCO")
    sco = ressourcen[item.get("identifierref")]
    test.assertIs(sco, scos[0])
    test.assertEqual(sco.get("type"), "webcontent")
    test.assertIn(sco.get("href"), namen)
    test.assertEqual([f.get("href") for f in sco.findall(CP + "file")], [sco.get("href")])
    parameter = item.get("parameters")
    test.assertEqual(urllib.parse.parse_qs(parameter.lstrip("?")),
                     urllib.parse.parse_qs(item.findtext(ADLCP + "datafromlms")))
    return sco.get("href") + parameter, item.findtext(ADLCP + "masteryscore")


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
        class Stumm(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass
        handler = functools.partial(Stumm, directory=str(cls.ordner))
        cls.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.b = browser.Browser()
        cls.d = cls.b.driver

    @classmethod
    def tearDownClass(cls):
        cls.b.schliessen()
        cls.server.shutdown()

    def test_manifest_des_gebauten_pakets(self):
        start, bestehen = manifest_pruefen(self, ARGS.zip)
        self.assertTrue(start.startswith("kalotri-ueben.html?"))
        self.assertEqual(bestehen, "50")

    def plattform(self, start_daten=""):
        start, bestehen = manifest_pruefen(self, self.paket)
        self.oeffne(f'"{bestehen}"', f'"{start_daten}"', start)

    def oeffne(self, bestehen, start_daten, quelle):
        """The stand-in platform with the page in its frame, once the page is ready."""
        (self.ordner / "plattform.html").write_text(PLATTFORM % {
            "bestehen": bestehen, "start": start_daten, "src": quelle}, encoding="utf-8")
        self.d.switch_to.default_content()
        self.d.get(f"http://127.0.0.1:{self.server.server_port}/plattform.html")
        self.d.switch_to.frame("sco")
        bis = time.monotonic() + 20
        while self.d.execute_script("return document.documentElement.dataset.bereit") != "ja":
            self.assertLess(time.monotonic(), bis)
            time.sleep(0.02)

    def loese_aufgabe(self, richtig=True):
        text = self.d.find_element(By.ID, "aufgabeText").text
        dreiecke = dreieck.loese(dreieck.gegeben(text))
        anweisung = self.d.find_element(By.ID, "anweisung").text
        dezimalen = int(re.search(r"auf (\d+) Nachkommastellen", anweisung).group(1))
        for k, li in enumerate(self.d.find_elements(By.CSS_SELECTOR, ".fragen li")):
            name = li.find_element(By.TAG_NAME, "label").text.removesuffix(" =")
            # Wrong by another factor in each box: doubled alike, a side would follow rightly
            # from a doubled earlier side (a follow-up error).
            wert = dreieck.wert(dreiecke, name) * (1 if richtig else 2 + k)
            li.find_element(By.TAG_NAME, "input").send_keys(dreieck.text(wert, dezimalen))
        self.d.find_element(By.ID, "pruefen").click()
        self.d.find_element(By.ID, "weiter").click()

    def gemeldet(self):
        self.d.switch_to.default_content()
        protokoll = self.d.execute_script("return window.protokoll")
        gespeichert = self.d.execute_script("return window.gespeichert")
        for eintrag in protokoll:
            if eintrag[0] == "LMSSetValue":
                self.assertEqual(eintrag[-1], "offen", f"set outside the session: {eintrag}")
        namen = [e[0] for e in protokoll]
        self.assertEqual(namen[0], "LMSInitialize")
        self.assertEqual(namen.count("LMSFinish"), 1)
        self.assertEqual(namen[-2:], ["LMSCommit", "LMSFinish"], "committed, then finished")
        self.assertIn(gespeichert["cmi.core.lesson_status"], STATUS_12)
        self.assertEqual((gespeichert["cmi.core.score.min"], gespeichert["cmi.core.score.max"]), ("0", "100"))
        return int(gespeichert["cmi.core.score.raw"]), gespeichert["cmi.core.lesson_status"]

    def test_voller_satz_bestanden(self):
        self.plattform()
        self.assertEqual(self.d.find_element(By.ID, "start").get_attribute("hidden"), "true",
                         "the teacher chose the set")
        self.assertRegex(self.d.find_element(By.ID, "aufgabeTitel").text, r"Übung 2-SWS-\d+-5$")
        for _ in range(5):
            self.loese_aufgabe()
        self.assertEqual(self.gemeldet(), (100, "passed"))

    def test_teilweise_geloest_nicht_bestanden(self):
        self.plattform()
        self.loese_aufgabe()
        self.loese_aufgabe()
        self.loese_aufgabe(richtig=False)
        for _ in range(2):
            self.d.find_element(By.ID, "weiter").click()
        self.assertEqual(self.gemeldet(), (40, "failed"))

    def test_abgebrochen_meldet_den_stand(self):
        self.plattform()
        self.loese_aufgabe()
        self.d.execute_script("window.location.href = 'about:blank'")  # the pupil leaves
        time.sleep(0.3)
        self.assertEqual(self.gemeldet(), (20, "incomplete"))

    def test_startdaten_wenn_die_plattform_keine_parameter_anhaengt(self):
        self.oeffne('""', '"stufe=3&typ=SSS&anzahl=7"', "kalotri-ueben.html")
        self.assertRegex(self.d.find_element(By.ID, "aufgabeTitel").text, r"Übung 3-SSS-\d+-7$")
        for _ in range(7):
            self.loese_aufgabe()
        self.assertEqual(self.gemeldet(), (100, "completed"), "no pass mark: completed")


def main():
    global ARGS
    p = argparse.ArgumentParser()
    p.add_argument("zip")
    p.add_argument("arbeit")
    ARGS, rest = p.parse_known_args()
    if not browser.vorhanden():
        print("SKIP: chromium or chromedriver missing")
        sys.exit(77)
    unittest.main(argv=[sys.argv[0], "-v", *rest])


if __name__ == "__main__":
    main()
