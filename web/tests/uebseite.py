# SPDX-License-Identifier: GPL-3.0-or-later
"""The practice page in headless Chromium as a pupil without a mouse uses it: the steps the
browser tests of kalotri-ueben.html share, and their command line
(SEITE ARBEIT [--axe axe.min.js] [--bilder DIR])."""

import argparse
import pathlib
import re
import sys
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By  # noqa: F401 (for the tests)
from selenium.webdriver.common.keys import Keys

import browser

ARGS = None
TEILE = ("h1, section:not([hidden]) h2, section:not([hidden]) button, "
         ".fragen li:not([hidden]) label, .fragen li:not([hidden]) input, #aufgabeText, .hinweise li")


class Seite(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.b = browser.Browser()
        cls.d = cls.b.driver

    @classmethod
    def tearDownClass(cls):
        cls.b.schliessen()

    def setUp(self):
        self.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.d.get(pathlib.Path(ARGS.seite).resolve().as_uri())
        bis = time.monotonic() + 20
        while self.d.execute_script("return document.documentElement.dataset.bereit") != "ja":
            self.assertLess(time.monotonic(), bis, "the engine did not start")
            time.sleep(0.01)

    def tasten(self, *tasten):
        ActionChains(self.d).send_keys(*tasten).perform()

    def aktiv(self):
        return self.d.execute_script("return document.activeElement.id")

    def tab_bis(self, ziel):
        """Tab until `ziel` has the focus, as a pupil without a mouse would."""
        for _ in range(40):
            if self.aktiv() == ziel:
                return
            self.tasten(Keys.TAB)
        self.fail(f"{ziel} not reached by Tab")

    def fragen(self):
        return self.d.execute_script("""return Array.from(document.querySelectorAll('.fragen li'),
            li => ({name: li.dataset.name, beschriftung: li.querySelector('label').textContent,
                    dezimalen: Number(li.dataset.dezimalen),
                    sichtbar: !li.hidden, note: li.querySelector('.note').textContent,
                    einheit: li.querySelector('.einheit').textContent,
                    offen: !li.querySelector('input').readOnly}))""")

    def noten(self):
        return [f["note"] for f in self.fragen()]

    def antworte(self, k, text):
        """Types into question k (reached by Tab) and checks with Enter."""
        self.tab_bis(f"antwort{k}")
        # Whatever is in the box is selected first, so that the new text replaces it.
        ActionChains(self.d).key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).perform()
        self.tasten(text, Keys.ENTER)

    def ansage(self, erwartet):
        """The live region's words, given time to become `erwartet`."""
        bis = time.monotonic() + 2
        while True:
            text = self.d.execute_script("return document.getElementById('ansage').textContent")
            if text == erwartet or time.monotonic() > bis:
                return text
            time.sleep(0.02)

    def dezimalen(self):
        """The decimals the exercise asks for, as its instruction says."""
        return int(re.search(r"auf (\d+) Nachkommastellen", self.text("anweisung")).group(1))

    def text(self, id):
        return self.d.find_element(By.ID, id).text

    def starte(self, code):
        self.tab_bis("code")
        self.tasten(code, Keys.ENTER)
        self.assertEqual(self.aktiv(), "aufgabeTitel")

    def weiter(self):
        self.tab_bis("weiter")
        self.tasten(Keys.ENTER)

    def pruefe_axe(self):
        """axe-core finds nothing serious in the light and the dark scheme."""
        if not ARGS.axe:
            self.skipTest("no axe-core given")
        self.assertEqual(self.b.axe(ARGS.axe), {"light": [], "dark": []})

    def bild(self, name):
        if ARGS.bilder:
            self.d.save_screenshot(str(pathlib.Path(ARGS.bilder) / name))


def main():
    global ARGS
    p = argparse.ArgumentParser()
    p.add_argument("seite")
    p.add_argument("arbeit")
    p.add_argument("--axe")
    p.add_argument("--bilder")
    ARGS, rest = p.parse_known_args()
    pathlib.Path(ARGS.arbeit).mkdir(parents=True, exist_ok=True)
    if not browser.vorhanden():
        print("SKIP: chromium or chromedriver missing")
        sys.exit(77)
    unittest.main(module="__main__", argv=[sys.argv[0], "-v", *rest])
