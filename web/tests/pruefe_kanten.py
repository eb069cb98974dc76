#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculator page where a pupil or a careless paste would trip it: 2 MB pasted into a
box and an engine that has failed both end in a message, and the next calculation works;
the Script keeps a bounded number of calculations; messages show their reason with the
worked steps; too few values get a hint; copying takes what is on screen; the angles'
letter lists answer to Latin keys and show no letter twice; "Neue Rechnung" puts the
focus into the first box; a two-solution SSW's figures are captioned; on a phone the
result is scrolled into view.

Usage: pruefe_kanten.py KALOTRI_HTML WORK_DIR"""

import argparse
import pathlib
import sys
import time
import unittest

HIER = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HIER))

try:
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    import browser
    import seitentest
except ImportError as fehler:  # python3-selenium missing: nothing to run
    print(f"SKIP: {fehler}")
    sys.exit(77)

SSS = ["Typ: SSS", "Gegeben:", "a:", "3,000", "b:", "4,000", "c:", "5,000", "Berechnet:",
       "α:", "36,870° (Cosinussatz)", "β :", "53,130° (Cosinussatz)",
       "γ :", "90,000° (Winkelsumme, besser: Cosinussatz)"]


class Kanten(seitentest.SeiteBasis):
    def schliesse_meldung(self):
        offen, text = self.meldung()
        if offen:
            self.d.switch_to.active_element.send_keys(Keys.ENTER)
            time.sleep(0.05)
        return text if offen else None

    def schalte(self, *ids):
        self.d.execute_script("document.getElementById('optionen').open = true")
        for i in ids:
            if not self.d.find_element(By.ID, i).is_selected():
                self.d.find_element(By.ID, i).click()

    def tearDown(self):
        for i in ("zRechenweg", "zFigur", "zGroessen"):
            if self.d.find_element(By.ID, i).is_selected():
                self.d.find_element(By.ID, i).click()
        self.d.execute_script("localStorage.clear()")

    def test_2_mb_im_feld_dann_rechnet_die_seite_weiter(self):
        # A real paste through the clipboard, as a pupil would do it.
        self.d.execute_script("""
            const t = document.createElement('textarea');
            t.value = '1'.repeat(2 * 1024 * 1024);
            document.body.append(t); t.select(); document.execCommand('copy'); t.remove();""")
        feld = self.d.find_element(By.ID, "eA")
        feld.click()
        feld.send_keys(Keys.CONTROL, "v")
        self.assertEqual(len(feld.get_attribute("value")), 1001, "cut like the window's box")
        feld.send_keys(Keys.ENTER)
        self.assertEqual(self.schliesse_meldung(), "Fehlerhafte Eingabe!")
        self.tippe(["3", "4", "5", "", "", ""])
        self.assertIsNone(self.schliesse_meldung())
        self.assertEqual(self.zeilen(), SSS)
        # Any fault of the engine (here the trap 2 MB on its stack used to give): a message,
        # a fresh engine, and the next calculation works.
        self.d.execute_script("""
            modul.ccall = () => { throw new WebAssembly.RuntimeError('memory access out of bounds'); };
            window.kaputt = modul;""")
        self.d.find_element(By.ID, "loeschen").click()
        self.tippe(["3", "4", "5", "", "", ""])
        self.assertIn("neu gestartet", self.schliesse_meldung())
        bis = time.monotonic() + 10
        while self.d.execute_script("return modul === null || modul === window.kaputt"):
            self.assertLess(time.monotonic(), bis, "no fresh engine")
            time.sleep(0.05)
        self.tippe(["3", "4", "5", "", "", ""])
        self.assertIsNone(self.schliesse_meldung())
        self.assertEqual(self.zeilen(), SSS)

    def test_auf_dem_telefon_kommt_das_ergebnis_ins_bild(self):
        self.b.ansicht(360, 640)
        try:
            self.tippe(["3", "4", "5", "", "", ""])
            time.sleep(1)  # the smooth scroll
            oben = self.d.execute_script(
                "return document.querySelector('#script .rechnung').getBoundingClientRect().top")
            self.assertTrue(0 <= oben < 640, oben)
        finally:
            self.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
            self.d.execute_script("window.scrollTo(0, 0)")

    def test_script_haelt_eine_begrenzte_zahl_von_rechnungen(self):
        self.tippe(["3", "4", "5", "", "", ""])
        self.d.execute_script("for (let i = 0; i < 260; ++i) rechne();")
        self.assertEqual(self.d.execute_script("return document.getElementById('script').childElementCount"), 200)

    def test_meldung_mit_grund_und_hinweis_bei_zu_wenig_werten(self):
        self.schalte("zRechenweg")
        self.setUp()
        self.tippe(["1", "2", "5", "", "", ""])
        self.assertEqual(self.schliesse_meldung(), "Kein Dreieck!")
        schritte = self.d.execute_script(
            "return Array.from(document.querySelectorAll('#script .schritt'), s => s.textContent)")
        self.assertTrue(any("nicht kürzer als" in s for s in schritte), schritte)
        self.tippe(["3", "4", "", "", "", ""])
        self.assertIsNone(self.schliesse_meldung())
        self.assertIn("drei Größen", self.d.find_element(By.ID, "hinweisZeile").text)
        self.d.find_element(By.ID, "neu").click()
        self.assertEqual(self.aktiv(), "eA")
        self.assertEqual(self.d.find_element(By.ID, "hinweisZeile").text, "")

    def test_kopie_nimmt_was_zu_sehen_ist_und_ssw_figuren_haben_titel(self):
        self.schalte("zRechenweg", "zFigur", "zGroessen")
        self.setUp()
        self.tippe(["4", "4.5", "", "60", "", ""])
        titel = self.d.execute_script(
            "return Array.from(document.querySelectorAll('#script figcaption'), t => t.textContent)")
        self.assertEqual(titel, ["1. Lösung", "2. Lösung"])
        self.d.execute_script("""
            window.kopie = null;
            window.addEventListener('copy', e => { window.kopie = e.clipboardData.getData('text/plain'); });""")
        self.d.find_element(By.ID, "kopieren").click()
        kopie = self.d.execute_script("return window.kopie").splitlines()
        self.assertEqual(kopie[0], "Typ: SSW")
        for zeile in ("Es gibt zwei Lösungen.", "1. Lösung", "2. Lösung"):
            self.assertIn(zeile, kopie)
        self.assertTrue(any(z.startswith("Sinussatz: sin β") for z in kopie))
        self.assertEqual(len(kopie), self.d.execute_script(
            "return document.querySelectorAll('#script .zeile, #script .schritt,"
            " #script figcaption, #script .legende, #script .groessen li').length"))

    def test_buchstaben_griechisch_per_lateinischer_taste_ohne_doppelte(self):
        griechisch = self.d.execute_script(
            "return Array.from(document.querySelectorAll('#cbAlpha option'), o => o.textContent)")
        self.assertEqual(len(griechisch), len(set(griechisch)), griechisch)
        self.assertNotIn("ϕ", griechisch)
        feld = self.d.find_element(By.ID, "eAlpha")
        feld.click()
        feld.send_keys(Keys.ALT, Keys.ARROW_DOWN)
        self.assertEqual(self.aktiv(), "cbAlpha")
        self.d.switch_to.active_element.send_keys("d")
        self.assertEqual(self.d.execute_script("return document.getElementById('cbAlpha').value"), "d")
        self.d.switch_to.active_element.send_keys(Keys.TAB)
        self.assertEqual(self.aktiv(), "eBeta", "from the letter on to the next box")
        self.tippe(["3", "4", "5", "", "", ""])
        self.assertEqual(self.zeilen()[9], "δ:")
        self.d.execute_script("document.getElementById('cbAlpha').value = 'a'")


def main():
    p = argparse.ArgumentParser()
    p.add_argument("seite")
    p.add_argument("arbeit")
    args, rest = p.parse_known_args()
    seitentest.ARGS = args
    if not browser.vorhanden():
        print("SKIP: chromium or chromedriver missing")
        sys.exit(77)
    unittest.main(argv=[sys.argv[0], "-v", *rest])


if __name__ == "__main__":
    main()
