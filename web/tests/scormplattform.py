# SPDX-License-Identifier: GPL-3.0-or-later
"""The SCORM package's manifest as Moodle's importer reads it, and the stand-in platform
(plattform_standin.js) served over HTTP with the page in its frame: a launch takes the
attempt's stored data and gives it back as the platform stored it."""

import functools
import http.server
import json
import re
import shutil
import threading
import time
import urllib.parse
import xml.etree.ElementTree as ET
import zipfile

from selenium.webdriver.common.by import By

import dreieck

CP = "{http://www.imsproject.org/xsd/imscp_rootv1p1p2}"
ADLCP = "{http://www.adlnet.org/xsd/adlcp_rootv1p2}"

PLATTFORM = """<!DOCTYPE html><html lang="de"><meta charset="utf-8"><title>Plattform</title>
<script>window.lager = %(lager)s; window.stoerung = %(stoerung)s;
window.beherrschung = %(beherrschung)s; window.startdaten = %(start)s;
window.vorgabe = %(vorgabe)s;</script>
<script src="plattform_standin.js"></script>
<iframe id="sco" title="Übung" src="%(src)s" style="width:100%%;height:90vh"></iframe>
"""


def neuer_versuch():
    return {"daten": {}, "interaktionen": []}


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
    test.assertIsNone(item.find(ADLCP + "masteryscore"), "the page decides passed or failed")
    return sco.get("href") + parameter


class Plattform:
    """Serves the folder with the page; each launch a fresh platform page."""

    def __init__(self, ordner, driver, hier):
        shutil.copy(hier / "plattform_standin.js", ordner)
        self.ordner = ordner
        self.d = driver
        self.start = 0

        class Stumm(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass
        handler = functools.partial(Stumm, directory=str(ordner))
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def schliessen(self):
        self.server.shutdown()

    def starte(self, test, quelle, lager, stoerung=None, beherrschung="", startdaten="", vorgabe=None):
        (self.ordner / "plattform.html").write_text(PLATTFORM % {
            "lager": json.dumps(lager), "stoerung": json.dumps(stoerung or {}),
            "beherrschung": json.dumps(beherrschung), "start": json.dumps(startdaten),
            "vorgabe": json.dumps(vorgabe or {}),
            "src": quelle}, encoding="utf-8")
        self.d.switch_to.default_content()
        # A new address each launch: the browser must not take the last one from its cache.
        self.start += 1
        self.d.get(f"http://127.0.0.1:{self.server.server_port}/plattform.html?start={self.start}")
        self.d.switch_to.frame("sco")
        bis = time.monotonic() + 20
        while self.d.execute_script("return document.documentElement.dataset.bereit") != "ja":
            test.assertLess(time.monotonic(), bis)
            time.sleep(0.02)

    def verlasse(self):
        """The pupil leaves the page; what the platform stored, and its call log."""
        self.d.execute_script("window.location.href = 'about:blank'")
        time.sleep(0.3)
        self.d.switch_to.default_content()
        return (self.d.execute_script("return window.gespeichert || window.lager"),
                self.d.execute_script("return window.protokoll"))


def loese_aufgabe(d, richtig=True, hinweis=False):
    text = d.find_element(By.ID, "aufgabeText").text
    dreiecke = dreieck.loese(dreieck.gegeben(text))
    anweisung = d.find_element(By.ID, "anweisung").text
    dezimalen = int(re.search(r"auf (\d+) Nachkommastellen", anweisung).group(1))
    if hinweis:
        d.find_element(By.ID, "hinweis").click()
    for k, li in enumerate(d.find_elements(By.CSS_SELECTOR, ".fragen li")):
        name = li.find_element(By.TAG_NAME, "label").text.removesuffix(" =")
        # Wrong by another factor in each box: doubled alike, a side would follow rightly
        # from a doubled earlier side (a follow-up error).
        wert = dreieck.wert(dreiecke, name) * (1 if richtig else 2 + k)
        li.find_element(By.TAG_NAME, "input").send_keys(dreieck.text(wert, dezimalen))
    d.find_element(By.ID, "pruefen").click()
    d.find_element(By.ID, "weiter").click()
