#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri.html in headless Chromium, opened from disk and used by keyboard: the worked
examples and the exercise files give the Script lines of kalotri-rechne, messages move the
focus, the Script is copied, cleared and printed (A4, the Script only), the options are
remembered, axe-core finds nothing serious, and nothing is cut off or overlaps at 320 px,
1280 px and 200 % zoom.

Usage: pruefe_seite.py KALOTRI_HTML WORK_DIR [--axe axe.min.js] [--bilder DIR]"""

import argparse
import pathlib
import subprocess
import sys
import time
import unittest

HIER = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HIER.parents[1] / "tests" / "tools"))
sys.path.insert(0, str(HIER))

try:
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    import browser
    import layout
    import seitentest
    from pruefe_faelle import lies_faelle
except ImportError as fehler:  # python3-selenium missing: nothing to run
    print(f"SKIP: {fehler}")
    sys.exit(77)

ARGS = None
BOXEN = ["eA", "eB", "eC", "eAlpha", "eBeta", "eGamma"]
# The only Symbol-face letters the exercise files use, as the Script shows them.
GRIECHISCH = {"a": "α", "b": "β", "g": "γ"}

BEISPIEL_SSS = ["Typ: SSS", "Gegeben:", "a:", "3,000", "b:", "4,000", "c:", "5,000",
                "Berechnet:", "α:", "36,870° (Cosinussatz)", "β :", "53,130° (Cosinussatz)",
                "γ :", "90,000° (Winkelsumme, besser: Cosinussatz)"]
BEISPIEL_SWS_GEGEBEN = ["Typ: SWS", "Gegeben:", "a:", "3,000", "b:", "4,000", "γ:",
                        "90,000°", "Berechnet:"]


def erwartete_zeilen(fall):
    zeilen = []
    for z in fall["zeilen"]:
        text = z["text"]
        if z["schrift"] == "Symbol":
            text = "".join(GRIECHISCH.get(c, c) for c in text)
        zeilen.append(text)
    return zeilen


class Seite(seitentest.SeiteBasis):
    def test_keine_anfrage_und_kein_fehler(self):
        self.b.anfragen()  # the browser's own start-up pages
        self.oeffne()
        fremd = [u for u in self.b.anfragen() if not u.startswith(("file:", "data:"))]
        self.assertEqual(fremd, [])
        self.assertEqual(self.b.konsolenfehler(), [])
        self.assertEqual(self.d.title, "Übungen zu Sinussatz und Cosinussatz")
        knoepfe = [k.text for k in self.d.find_elements(By.CSS_SELECTOR, ".befehle button")]
        self.assertEqual(knoepfe, ["Rechne", "Neue Rechnung", "Script löschen",
                                   "Script kopieren", "Script drucken"])
        script = self.d.find_element(By.ID, "script")
        self.assertEqual((script.get_attribute("role"), script.get_attribute("aria-live")),
                         ("log", "polite"), "new lines are announced")
        self.d.find_element(By.CSS_SELECTOR, "#info summary").click()
        self.assertRegex(self.d.find_element(By.ID, "info").text,
                         r"Kalotri\s+Version \d+\.\d+.*\s+© .*Lizenz GPL 3")

    def test_beispiele_und_faelle_wie_kalotri_rechne(self):
        self.tippe(["3", "4", "5", "", "", ""])
        self.assertEqual(self.zeilen(), BEISPIEL_SSS)
        self.tippe(["3", "4", "", "", "", "90"])
        self.assertEqual(self.zeilen()[len(BEISPIEL_SSS):][:9], BEISPIEL_SWS_GEGEBEN)
        self.assertEqual([self.d.find_element(By.ID, b).get_attribute("value") for b in BOXEN],
                         ["3", "4", "", "", "", "90"], "the boxes keep what was typed")
        faelle_ordner = HIER.parents[1] / "tests" / "tools" / "faelle"
        geprueft = 0
        for name in ("sss_sws", "ssw", "wsw_sww", "meldungen", "eingabe"):
            _, faelle = lies_faelle(faelle_ordner / f"{name}.faelle")
            for fall in faelle:
                felder = fall["eingabe"].split("\t")
                if len(felder) > 6 or fall["fehler"] or not fall["eingabe"].isprintable() \
                        and "\t" not in fall["eingabe"]:
                    continue
                with self.subTest(datei=name, eingabe=fall["eingabe"]):
                    self.setUp()
                    self.tippe((felder + [""] * 6)[:6])
                    offen, text = self.meldung()
                    if fall["meldung"]:
                        self.assertTrue(offen)
                        self.assertEqual(text, fall["meldung"])
                        self.d.switch_to.active_element.send_keys(Keys.ENTER)
                        ziel = fall["fokus"] or "eGamma"
                        self.assertEqual(self.fokus_nach_meldung(ziel), ziel)
                    else:
                        self.assertFalse(offen)
                    self.assertEqual(self.zeilen(), erwartete_zeilen(fall))
                    geprueft += 1
        self.assertGreater(geprueft, 40)

    def test_buchstabe_per_tastatur(self):
        self.d.find_element(By.ID, "cbA").send_keys("d")
        self.tippe(["3", "4", "5", "", "", ""])
        self.assertEqual(self.zeilen()[2], "d:")

    def test_meldung_setzt_fokus_auf_die_fehlerhafte_box(self):
        self.tippe(["3", "x", "0", "", "", ""])
        offen, text = self.meldung()
        self.assertTrue(offen)
        self.assertEqual(text, "Fehlerhafte Eingabe!")
        self.assertEqual(self.aktiv(), "meldungOk")
        self.d.switch_to.active_element.send_keys(Keys.ENTER)
        self.assertEqual(self.fokus_nach_meldung("eB"), "eB")
        self.assertEqual(self.zeilen(), [], "a message writes nothing")

    def test_kopieren_und_loeschen(self):
        self.tippe(["3", "4", "5", "", "", ""])
        self.d.execute_script("""
            window.kopie = null;
            window.addEventListener('copy', e => { window.kopie = {
                text: e.clipboardData.getData('text/plain'),
                html: e.clipboardData.getData('text/html')}; });""")
        self.d.find_element(By.ID, "kopieren").click()
        kopie = self.d.execute_script("return window.kopie")
        self.assertEqual(kopie["text"], "".join(z + "\n" for z in BEISPIEL_SSS))
        self.assertIn("<div>γ :</div>", kopie["html"])
        self.d.find_element(By.ID, "loeschen").click()
        self.assertEqual(self.zeilen(), [])

    def test_dezimalen_und_trennzeichen_bleiben_gespeichert(self):
        self.d.find_element(By.CSS_SELECTOR, "#optionen summary").click()
        feld = self.d.find_element(By.ID, "eD")
        feld.send_keys(Keys.CONTROL, "a")
        feld.send_keys("5", Keys.TAB)
        self.d.find_element(By.CSS_SELECTOR, 'input[value="."]').click()
        self.oeffne()
        self.assertEqual(self.d.find_element(By.ID, "eD").get_attribute("value"), "5")
        self.d.find_element(By.CSS_SELECTOR, "#optionen summary").click()
        feld = self.d.find_element(By.ID, "eD")
        feld.send_keys(Keys.CONTROL, "a")
        feld.send_keys("12", Keys.TAB)
        self.assertEqual(feld.get_attribute("value"), "5", "only 1 to 10 are offered")
        self.tippe(["3,5", "4.5", "5", "", "", ""])
        self.assertEqual(self.zeilen()[3:6], ["3.50000", "b:", "4.50000"])
        self.d.execute_script("localStorage.clear()")
        self.oeffne()

    def test_zusaetze_erst_auf_wunsch(self):
        zaehle = "return [document.querySelectorAll('#script svg.figur polygon').length," \
                 " document.querySelectorAll('#script .groessen li').length]"
        self.tippe(["4", "4.5", "", "60", "", ""])
        self.assertEqual(self.d.execute_script(zaehle), [0, 0], "off by default")
        self.d.find_element(By.CSS_SELECTOR, "#optionen summary").click()
        self.d.find_element(By.ID, "zFigur").click()
        self.d.find_element(By.ID, "zGroessen").click()
        self.setUp()
        self.tippe(["4", "4.5", "", "60", "", ""])
        # SSW with two solutions: two figures, each with its seven derived quantities.
        self.assertEqual(self.d.execute_script(zaehle), [2, 14])
        texte = self.d.execute_script(
            "return Array.from(document.querySelectorAll('#script svg.figur text'), t => t.textContent)")
        self.assertIn("α = 60,000°", texte)
        self.assertIn("b = 4,500", texte)
        self.assertEqual(self.zeilen()[0], "Typ: SSW", "the Script lines stay as they are")
        self.assertEqual(self.d.execute_script(
            "return document.querySelectorAll('#script .rechenweg').length"), 0)
        self.d.find_element(By.ID, "zRechenweg").click()
        self.setUp()
        self.tippe(["3", "4", "5", "", "", ""])
        schritte = self.d.execute_script(
            "return Array.from(document.querySelectorAll('#script .schritt'), s => s.textContent)")
        self.assertIn("α = cos⁻¹(0,8) ≈ 36,870°", schritte)
        self.assertTrue(any(z.startswith("Cosinussatz: cos α") for z in schritte), schritte)
        self.assertEqual(self.zeilen(), BEISPIEL_SSS, "copy and print take the Script only")
        self.d.execute_script("localStorage.clear()")
        self.oeffne()

    def test_drucken_a4_nur_script(self):
        self.tippe(["3", "4", "5", "", "", ""])
        pdf = pathlib.Path(ARGS.arbeit) / "script.pdf"
        pdf.write_bytes(self.b.pdf())
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
        self.assertRegex(info, r"Page size:\s+59\d\.\d+ x 84\d\.\d+ pts \(A4\)")
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                              text=True).stdout
        # Text extraction may drop a blank next to a glyph from another font.
        ohne_leer = lambda zeilen: ["".join(z.split()) for z in zeilen if z.strip()]
        self.assertEqual(ohne_leer(text.splitlines()), ohne_leer(BEISPIEL_SSS))

    def test_axe_ohne_ernste_befunde(self):
        if not ARGS.axe:
            self.skipTest("no axe-core given")
        self.tippe(["3", "4", "5", "", "", ""])
        self.assertEqual(self.b.axe(ARGS.axe), {"light": [], "dark": []})

    def test_layout_schmal_breit_und_zoom(self):
        self.tippe(["3", "4", "5", "", "", ""])
        for breite, skalierung in ((320, 1), (1280, 1), (640, 2)):
            with self.subTest(breite=breite, skalierung=skalierung):
                self.b.ansicht(breite, 900, skalierung)
                self.assertEqual(layout.probleme(self.d, breite), [])
                if ARGS.bilder and skalierung == 1:
                    name = "web-telefon.png" if breite == 320 else "web-desktop.png"
                    self.d.save_screenshot(str(pathlib.Path(ARGS.bilder) / name))
        self.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def main():
    global ARGS
    p = argparse.ArgumentParser()
    p.add_argument("seite")
    p.add_argument("arbeit")
    p.add_argument("--axe")
    p.add_argument("--bilder")
    ARGS, rest = p.parse_known_args()
    seitentest.ARGS = ARGS
    if not browser.vorhanden():
        print("SKIP: chromium or chromedriver missing")
        sys.exit(77)
    pathlib.Path(ARGS.arbeit).mkdir(parents=True, exist_ok=True)
    unittest.main(argv=[sys.argv[0], "-v", *rest])


if __name__ == "__main__":
    main()
