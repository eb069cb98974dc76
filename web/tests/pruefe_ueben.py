#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-ueben.html in headless Chromium, opened from disk and used by keyboard only: a
pupil's way through a set (a right value, a rounding slip, a follow-up error, a wrong
value, hints bought) and the score and summary it gives, printed alone; SSW asks the number of
triangles first and takes the second solution only in its own place; axe-core finds
nothing serious; nothing is cut off at 360 px and 1280 px. The right answers come from
dreieck.py (mpmath), not from the page.

Usage: pruefe_ueben.py KALOTRI_UEBEN_HTML WORK_DIR [--axe axe.min.js] [--bilder DIR]"""

import pathlib
import re
import subprocess
import sys

HIER = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HIER))

try:
    from selenium.webdriver.common.keys import Keys
    import dreieck
    import layout
    import uebseite
except ImportError as fehler:  # python3-selenium or mpmath missing: nothing to run
    print(f"SKIP: {fehler}")
    sys.exit(77)

TEILE = uebseite.TEILE


class Ueben(uebseite.Seite):
    def test_ein_satz_mit_allen_noten_hinweisen_und_auswertung(self):
        self.starte("2-SWS-17-5")
        self.assertEqual(self.text("aufgabeTitel"), "Aufgabe 1 von 5 · Übung 2-SWS-17-5")
        dreiecke = dreieck.loese(dreieck.gegeben(self.text("aufgabeText")))
        namen = [f["name"] for f in self.fragen()]
        self.assertEqual(len(namen), 3)
        self.assertIn(f"Reihenfolge ein: {', '.join(namen)}", self.text("anweisung"))
        # The first value 5 % off; the second from it by the law of cosines; the third
        # right but with four decimals.
        w = {n: dreiecke[0][n] for n in dreieck.SEITEN + dreieck.WINKEL}
        falsch = w[namen[0]] * dreieck.mpf("1.05")
        d = self.dezimalen()
        self.antworte(0, dreieck.text(falsch, d))
        self.assertEqual(self.aktiv(), "antwort1", "on to the next open question")
        w[namen[0]] = dreieck.mpf(dreieck.text(falsch, d).replace(",", "."))
        i = dreieck.WINKEL.index(namen[1])
        s = [w[n] for n in dreieck.SEITEN]
        folge = dreieck.grad(dreieck.acos((s[(i + 1) % 3] ** 2 + s[(i + 2) % 3] ** 2 - s[i] ** 2)
                                          / (2 * s[(i + 1) % 3] * s[(i + 2) % 3])))
        self.antworte(1, dreieck.text(folge, d))
        erwartet = f"{namen[1]}: Folgefehler."
        self.assertEqual(self.ansage(erwartet), erwartet, "announced")
        self.antworte(2, dreieck.text(dreiecke[0][namen[2]], d + 2))
        self.assertEqual([f["note"] for f in self.fragen()],
                         ["falsch", "Folgefehler", "Wert stimmt, Rundung nicht"])
        self.assertEqual(self.aktiv(), "weiter", "all answered: on to the next exercise")
        self.assertIn("Punkte in dieser Aufgabe: 2 von 6", self.text("stand"))
        if uebseite.ARGS.bilder:
            self.b.ansicht(1280, 900)
            self.d.save_screenshot(str(pathlib.Path(uebseite.ARGS.bilder) / "ueben-note.png"))
        self.tasten(Keys.ENTER)

        # Exercise 2: three hints bought, one at a time, then every value right.
        self.assertEqual(self.text("aufgabeTitel"), "Aufgabe 2 von 5 · Übung 2-SWS-17-5")
        dreiecke = dreieck.loese(dreieck.gegeben(self.text("aufgabeText")))
        self.tab_bis("hinweis")
        for erwartet in ("Typ und warum", "Welcher Satz zuerst", "Die Formel"):
            self.assertIn(erwartet, self.text("hinweis"))
            self.tasten(Keys.ENTER)
        hinweise = self.d.execute_script(
            "return Array.from(document.querySelectorAll('#hinweise li'), l => l.textContent)")
        self.assertEqual(len(hinweise), 3)
        self.assertIn("Typ SWS", hinweise[0])
        self.assertIn("Cosinussatz", hinweise[1])
        self.assertIn("cos", hinweise[2])
        if uebseite.ARGS.bilder:
            self.d.save_screenshot(str(pathlib.Path(uebseite.ARGS.bilder) / "ueben-hinweis.png"))
        for k, f in enumerate(self.fragen()):
            self.antworte(k, dreieck.text(dreieck.wert(dreiecke, f["name"]), self.dezimalen()))
        self.assertEqual([f["note"] for f in self.fragen()], ["richtig"] * 3)
        self.assertIn("Punkte in dieser Aufgabe: 3 von 6 (Hinweise: −3)", self.text("stand"))
        for _ in range(3):  # exercises 3 to 5 left unanswered
            self.tab_bis("weiter")
            self.tasten(Keys.ENTER)
        self.tab_bis("weiter")
        self.assertEqual(self.text("weiter"), "Zur Auswertung")
        self.tasten(Keys.ENTER)
        self.assertEqual(self.aktiv(), "auswertungTitel")
        self.assertEqual(self.text("gesamt"), "Übung 2-SWS-17-5: 5 von 30 Punkten (17 %)")
        zeilen = self.d.execute_script("""return Array.from(document.querySelectorAll('#uebersicht tbody tr'),
            tr => Array.from(tr.cells, c => c.textContent))""")
        self.assertEqual([z[4] for z in zeilen], ["2 von 6", "3 von 6", "0 von 6", "0 von 6", "0 von 6"])
        self.assertEqual([z[5] for z in zeilen], ["keine", "3 (−3)", "keine", "keine", "keine"])
        # Printed: the summary alone, on A4.
        pdf = pathlib.Path(uebseite.ARGS.arbeit) / "auswertung.pdf"
        pdf.write_bytes(self.b.pdf())
        gedruckt = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
        self.assertIn("5 von 30 Punkten", gedruckt)
        self.assertNotIn("Übung starten", gedruckt)
        self.assertNotIn("Nochmal mit neuen Zahlen", gedruckt)
        # Again with new numbers: the same level, kind and size, another number.
        self.tab_bis("nochmal")
        self.tasten(Keys.ENTER)
        self.assertRegex(self.text("aufgabeTitel"), r"^Aufgabe 1 von 5 · Übung 2-SWS-\d+-5$")
        self.assertNotEqual(self.text("aufgabeTitel"), "Aufgabe 1 von 5 · Übung 2-SWS-17-5")

    def test_ssw_erst_die_anzahl_dann_jede_loesung_an_ihrem_platz(self):
        self.starte("3-SSW-4711-10")
        for _ in range(10):
            dreiecke = dreieck.loese(dreieck.gegeben(self.text("aufgabeText")))
            if len(dreiecke) == 2:
                break
            self.tab_bis("weiter")
            self.tasten(Keys.ENTER)
        self.assertEqual(len(dreiecke), 2)
        self.assertEqual([f["sichtbar"] for f in self.fragen()], [True] + [False] * 6)
        self.antworte(0, "2")
        fragen = self.fragen()
        self.assertEqual(fragen[0]["note"], "richtig")
        self.assertTrue(all(f["sichtbar"] for f in fragen))
        self.assertEqual([f["name"][-1] for f in fragen[1:]], ["₁"] * 3 + ["₂"] * 3)
        # The first solution's value where the second is asked is wrong.
        for k, f in enumerate(fragen[1:], start=1):
            nummer = 0 if f["name"].endswith("₂") and k == 4 else None
            wert = dreiecke[nummer][f["name"][:-1]] if nummer is not None else dreieck.wert(dreiecke, f["name"])
            self.antworte(k, dreieck.text(wert, self.dezimalen()))
        noten = [f["note"] for f in self.fragen()]
        self.assertEqual(noten[:4], ["richtig"] * 4)
        self.assertEqual(noten[4], "falsch: das ist der Wert des anderen Dreiecks", "named")
        self.assertEqual(noten[5:], ["richtig", "richtig"])

    def test_sachaufgabe_fragt_in_ihren_worten_mit_zwischenwert_und_folgefehler(self):
        self.starte("2-SACH-4711-5")
        text = self.text("aufgabeText")
        # The sets take the situations in turn, the tower first: a = BS in triangle ABS
        # from the text's AB, α and β by the law of sines, σ = β − α at the top; then the
        # height h = a·sin β and the distance x = a·cos β in the right triangle BFS.
        self.assertIn("Wie hoch ist der Leuchtturm?", text)
        zahl = lambda muster: dreieck.mpf(re.search(muster, text).group(1).replace(",", "."))
        alpha, beta = zahl(r"α\s=\s([\d,]+)°"), zahl(r"β\s=\s([\d,]+)°")
        ab = zahl(r"Geht man ([\d,]+)\sm")
        bs = ab * dreieck.sin(dreieck.bogen(alpha)) / dreieck.sin(dreieck.bogen(beta - alpha))
        fragen = self.fragen()
        self.assertEqual([f["beschriftung"] for f in fragen], [
            "Seite im Dreieck ABS a in m (auf 1 Nachkommastelle, freiwillig)",
            "Höhe des Leuchtturms h in m (auf 1 Nachkommastelle)",
            "Entfernung von B zum Fußpunkt F x in m (auf 1 Nachkommastelle)"])
        self.assertIn("freiwillige Zwischenwerte", self.text("anweisung"))
        # The intermediate value 5 % off, the height right from it: a follow-up error.
        d = fragen[0]["dezimalen"]
        eigenes = dreieck.mpf(dreieck.text(bs * dreieck.mpf("1.05"), d).replace(",", "."))
        self.antworte(0, dreieck.text(eigenes, d) + " m")
        self.antworte(1, dreieck.text(eigenes * dreieck.sin(dreieck.bogen(beta)), d) + " m")
        self.antworte(2, dreieck.text(bs * dreieck.cos(dreieck.bogen(beta)), d))
        self.assertEqual(self.noten(), ["falsch", "Folgefehler", "richtig"])
        self.assertIn("Punkte in dieser Aufgabe: 3 von 4", self.text("stand"), "a earns nothing")
        # The hints speak of the tower, and are free now.
        self.tab_bis("hinweis")
        self.tasten(Keys.ENTER)
        self.assertIn("Gesucht ist die Höhe h", self.text("hinweise"))
        if uebseite.ARGS.bilder:
            self.b.ansicht(1280, 1300)
            self.d.execute_script("window.scrollTo(0, 0)")
            self.d.save_screenshot(str(pathlib.Path(uebseite.ARGS.bilder) / "ueben-sachaufgabe.png"))

    def test_falscher_code_wird_erklaert(self):
        self.tab_bis("code")
        self.tasten("1-SSW-5", Keys.ENTER)
        self.assertEqual(self.aktiv(), "code")
        self.assertIn("Diesen Übungscode gibt es nicht", self.text("codeHilfe"))

    def test_axe_und_layout(self):
        self.starte("3-4711")
        self.antworte(0, "1")
        self.tab_bis("hinweis")
        self.tasten(Keys.ENTER, Keys.ENTER)
        for breite in (360, 1280):
            with self.subTest(breite=breite):
                self.b.ansicht(breite, 900)
                self.assertEqual(layout.probleme(self.d, breite, TEILE), [])
                if uebseite.ARGS.bilder:
                    name = "ueben-telefon.png" if breite == 360 else "ueben-desktop.png"
                    self.d.save_screenshot(str(pathlib.Path(uebseite.ARGS.bilder) / name))
        self.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.pruefe_axe()
        self.assertEqual(self.b.konsolenfehler(), [])


if __name__ == "__main__":
    uebseite.main()
