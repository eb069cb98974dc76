# SPDX-License-Identifier: GPL-3.0-or-later
"""What the calculator page's browser tests share: the page opened from disk in headless
Chromium, and typing into it by keyboard."""

import pathlib
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import browser

ARGS = None  # set by the test program: .seite, .arbeit, .axe, .bilder


class SeiteBasis(unittest.TestCase):
    """The calculator page opened once per class, cleared before each test."""
    @classmethod
    def setUpClass(cls):
        cls.b = browser.Browser()
        cls.d = cls.b.driver
        cls.url = pathlib.Path(ARGS.seite).resolve().as_uri()
        cls.oeffne()

    @classmethod
    def tearDownClass(cls):
        cls.b.schliessen()

    @classmethod
    def oeffne(cls):
        beginn = time.monotonic()
        cls.d.get(cls.url)
        while cls.d.execute_script("return document.documentElement.dataset.bereit") != "ja":
            if time.monotonic() - beginn > 20:
                raise AssertionError("the engine did not start")
            time.sleep(0.01)

    def setUp(self):
        if self.meldung()[0]:
            self.d.switch_to.active_element.send_keys(Keys.ESCAPE)
        self.d.find_element(By.ID, "loeschen").click()
        self.d.find_element(By.ID, "neu").click()

    def zeilen(self):
        return self.d.execute_script(
            "return Array.from(document.querySelectorAll('#script .zeile'), z => z.textContent)")

    def fokus_nach_meldung(self, ziel):
        """The focus the page sets after the browser's own, on a loaded machine too."""
        bis = time.monotonic() + 3
        while self.aktiv() != ziel and time.monotonic() < bis:
            time.sleep(0.02)
        return self.aktiv()

    def aktiv(self):
        return self.d.execute_script("return document.activeElement.id")

    def tippe(self, texte):
        """Types the six boxes by keyboard from a: each overwritten, one Tab to the next
        box, Enter in the last one."""
        self.d.find_element(By.ID, "eA").click()
        kette = ActionChains(self.d)
        for i, text in enumerate(texte):
            kette.key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL)
            kette.send_keys(text or Keys.DELETE)
            kette.send_keys(Keys.TAB) if i < 5 else kette.send_keys(Keys.ENTER)
        kette.perform()

    def meldung(self):
        dialog = self.d.find_element(By.ID, "meldung")
        return dialog.get_attribute("open") is not None, \
            self.d.find_element(By.ID, "meldungText").text

