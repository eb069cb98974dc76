# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's headless Chromium under Selenium, with a fresh profile and nothing that would
reach the network by itself; the page's requests are logged so that tests can check them."""

import json
import pathlib
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMIUM = "/usr/bin/chromium"
TREIBER = "/usr/bin/chromedriver"
SCHALTER = ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
            "--disable-background-networking", "--disable-component-update",
            "--disable-sync", "--disable-default-apps", "--lang=de-DE"]


def vorhanden():
    return all(shutil.which(p) for p in (CHROMIUM, TREIBER))


class Browser:
    def __init__(self, breite=1280, hoehe=900):
        self.profil = tempfile.mkdtemp(prefix="kalotri-chromium-")
        optionen = webdriver.ChromeOptions()
        optionen.binary_location = CHROMIUM
        for s in SCHALTER + [f"--user-data-dir={self.profil}", f"--window-size={breite},{hoehe}"]:
            optionen.add_argument(s)
        optionen.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(TREIBER), options=optionen)
        self.driver.set_script_timeout(60)

    def schliessen(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profil, ignore_errors=True)

    def anfragen(self):
        """Every URL the browser asked for since the last call."""
        urls = []
        for eintrag in self.driver.get_log("performance"):
            nachricht = json.loads(eintrag["message"])["message"]
            if nachricht["method"] == "Network.requestWillBeSent":
                urls.append(nachricht["params"]["request"]["url"])
        return urls

    def konsolenfehler(self):
        return [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def ansicht(self, breite, hoehe, skalierung=1):
        """The page's viewport in CSS pixels; skalierung 2 is a 200 % zoom."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": breite, "height": hoehe, "deviceScaleFactor": skalierung,
            "mobile": False})

    def axe(self, pfad):
        """axe-core's serious and critical findings on the page as it is, in the light and the
        dark scheme: {schema: [(rule, impact, targets)]}, or {"fehler": text}."""
        self.driver.execute_script(pathlib.Path(pfad).read_text(encoding="utf-8"))
        befunde = {}
        for schema in ("light", "dark"):
            self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                "features": [{"name": "prefers-color-scheme", "value": schema}]})
            ergebnis = self.driver.execute_async_script(
                "axe.run(document).then(arguments[0], e => arguments[0]({fehler: String(e)}))")
            if "fehler" in ergebnis:
                return {"fehler": ergebnis["fehler"]}
            befunde[schema] = [(v["id"], v["impact"], [n["target"] for n in v["nodes"]])
                               for v in ergebnis["violations"] if v["impact"] in ("serious", "critical")]
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
        return befunde

    def pdf(self):
        """The page through Chromium's own print-to-PDF, page size from the page's CSS."""
        import base64
        antwort = self.driver.execute_cdp_cmd("Page.printToPDF", {
            "preferCSSPageSize": True, "printBackground": False})
        return base64.b64decode(antwort["data"])
