#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Marks a pupil finds fair in kalotri-ueben.html, by keyboard only, in headless Chromium
from disk: values typed with "°", "Grad" or the exercise's unit, thousands grouped, "keine Zahl"
told without a mark, counts in words, SSW triangles in the other order, hints free once all is
marked, codes with other dashes, the word problem's sketch and units, and the summary with name,
date and the pupil's answers, printed; at 360 and 1280 px. The right values come from mpmath
(dreieck.py and the laws written out here), not from the page.

Usage: pruefe_fairness.py KALOTRI_UEBEN_HTML WORK_DIR [--axe axe.min.js] [--bilder DIR]"""

import datetime
import pathlib
import re
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

try:
    from mpmath import mpf, sqrt, cos, asin, sin
    import dreieck
    import layout
    import uebseite
except ImportError as fehler:  # python3-selenium or mpmath missing: nothing to run
    print(f"SKIP: {fehler}")
    sys.exit(77)

MIT_SKIZZE = uebseite.TEILE + ", #skizze:not([hidden]), #zuordnung:not([hidden])"
AUSWERTUNG = "h1, #auswertung h2, #auswertung button, #name, #datum, #gesamt, .tabelle"


def zahl(text, muster):
    return mpf(re.search(muster, text).group(1).replace(",", "."))


def tausender(x, d):
    """1376.48 as a German sheet prints it: "1.376,48"."""
    return f"{float(x):,.{d}f}".replace(",", "_").replace(".", ",").replace("_", ".")


class Fairness(uebseite.Seite):
    def punkte(self):
        return re.search(r"Punkte in dieser Aufgabe: (\d+)", self.text("stand")).group(1)

    def gehe_zu(self, schritte):
        vorher = int(re.search(r"Aufgabe (\d+)", self.text("aufgabeTitel")).group(1))
        for _ in range(schritte):
            self.weiter()
        self.assertIn(f"Aufgabe {vorher + schritte} von", self.text("aufgabeTitel"))

    def pruefe_layout(self, bild=None, teile=MIT_SKIZZE):
        for breite in (360, 1280):
            with self.subTest(breite=breite):
                self.b.ansicht(breite, 900)
                self.assertEqual(layout.probleme(self.d, breite, teile), [])
                if bild:
                    self.bild(bild if breite == 1280 else bild.replace(".png", "-telefon.png"))

    def test_kraefte_einheiten_tausender_keine_zahl_und_freie_hinweise(self):
        self.starte("3-SACH-17-10")
        self.gehe_zu(4)
        text = self.text("aufgabeText")
        f1, f2 = zahl(text, r"F₁ = ([\d,]+) N"), zahl(text, r"F₂ = ([\d,]+) N")
        phi = dreieck.bogen(zahl(text, r"φ = ([\d,]+)°"))
        r = sqrt(f1 ** 2 + f2 ** 2 + 2 * f1 * f2 * cos(phi))
        alpha = dreieck.grad(dreieck.acos((f1 ** 2 + r ** 2 - f2 ** 2) / (2 * f1 * r)))
        # The sketch the sheet draws, with the forces' values, and the units beside the boxes.
        skizze = self.d.execute_script("""const b = document.getElementById('skizze');
            return {breite: b.naturalWidth, alt: b.alt, zu: b.hidden}""")
        self.assertFalse(skizze["zu"])
        self.assertGreater(skizze["breite"], 0)
        self.assertRegex(skizze["alt"], r"^Skizze \(nicht maßstäblich\): Punkte A, B, C, D.*F₁ = ")
        fragen = self.fragen()
        self.assertEqual([f["beschriftung"] for f in fragen], [
            "resultierende Kraft R in N (auf 1 Nachkommastelle)",
            "Winkel zwischen R und dem ersten Seil α in Grad (auf 1 Nachkommastelle)"])
        d = fragen[0]["dezimalen"]
        # "1.376": a thousand or one? Told, not marked, no points lost; the field stays open.
        self.antworte(0, tausender(r, 0))
        self.assertTrue(self.noten()[0].startswith("keine Zahl: ist der Punkt ein Tausenderpunkt"))
        self.assertTrue(self.fragen()[0]["offen"])
        self.antworte(0, "viel")
        self.assertEqual(self.noten()[0], "keine Zahl: schreibe sie wie 81,79 oder 81,79 N")
        self.antworte(0, dreieck.text(r, d) + " cm")
        self.assertEqual(self.noten()[0], "keine Zahl: gefragt ist der Wert in N")
        self.assertEqual(self.punkte(), "0")
        self.antworte(0, tausender(r, d) + " N")
        self.antworte(1, dreieck.text(alpha, d) + " Grad")
        self.assertEqual(self.noten(), ["richtig", "richtig"])
        self.assertEqual(self.punkte(), "4")
        # Every answer marked: the hints only explain now, and cost nothing.
        self.tab_bis("hinweis")
        self.assertIn("(frei)", self.text("hinweis"))
        for _ in range(3):
            self.tasten(uebseite.Keys.ENTER)
        self.assertEqual(self.punkte(), "4")
        self.assertNotIn("Hinweise: −", self.text("stand"))
        self.pruefe_layout()

    def test_zwischenwert_darf_fehlen(self):
        self.starte("2-SACH-4711-5")
        text = self.text("aufgabeText")
        alpha, beta = zahl(text, r"α\s=\s([\d,]+)°"), zahl(text, r"β\s=\s([\d,]+)°")
        ab = zahl(text, r"Geht man ([\d,]+)\sm")
        bs = ab * sin(dreieck.bogen(alpha)) / sin(dreieck.bogen(beta - alpha))
        d = self.fragen()[1]["dezimalen"]
        self.antworte(1, dreieck.text(bs * sin(dreieck.bogen(beta)), d))
        self.assertEqual(self.aktiv(), "antwort2", "past the intermediate value left out")
        self.tasten(dreieck.text(bs * cos(dreieck.bogen(beta)), d), uebseite.Keys.ENTER)
        self.assertEqual(self.noten(), ["", "richtig", "richtig"])
        self.assertEqual(self.aktiv(), "weiter")
        self.assertEqual(self.punkte(), "4")
        self.assertIn("(frei)", self.text("hinweis"))

    def test_peilung_fragt_die_geschichte_und_nennt_das_andere_dreieck(self):
        self.starte("3-SACH-17-10")
        self.gehe_zu(3)
        text = self.text("aufgabeText")
        hl, ls = zahl(text, r"steht ([\d,]+) km vom Hafen"), zahl(text, r"Entfernung von ([\d,]+) km")
        eta = dreieck.bogen(zahl(text, r"η = ([\d,]+)°"))
        mitte, halb = hl * cos(eta), sqrt(ls ** 2 - (hl * sin(eta)) ** 2)
        fragen = self.fragen()
        self.assertEqual([f["beschriftung"] for f in fragen], [
            "Fahrstrecke bis S₁, wo das Feuer in Sicht kommt HS₁ in km (auf 2 Nachkommastellen)",
            "Fahrstrecke bis S₂, wo das Feuer verschwindet HS₂ in km (auf 2 Nachkommastellen)"])
        # The story says which is which: the far point where the near one is asked is the
        # other triangle, and named so.
        self.antworte(0, dreieck.text(mitte + halb, 2) + " km")
        self.antworte(1, dreieck.text(mitte + halb, 2) + "km")
        self.assertEqual(self.noten(), ["falsch: das ist der Wert des anderen Dreiecks", "richtig"])
        self.pruefe_layout()
        self.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.pruefe_axe()

    def test_ssw_keine_andersrum_und_nebenwinkel(self):
        self.starte("3-SSW-4711-10")
        # The set starts with no triangle, then two.
        self.assertEqual(dreieck.loese(dreieck.gegeben(self.text("aufgabeText"))), [])
        self.antworte(0, "keine")
        self.assertEqual(self.noten(), ["richtig"])
        self.weiter()
        dreiecke = dreieck.loese(dreieck.gegeben(self.text("aufgabeText")))
        self.assertEqual(len(dreiecke), 2)
        self.assertIn("Dreieck 1 ist das mit spitzem Winkel", self.text("anweisung"))
        self.antworte(0, "2 Dreiecke")
        d = self.dezimalen()
        for k, f in enumerate(self.fragen()[1:], start=1):
            andere = dreiecke[0 if f["name"].endswith("₂") else 1][f["name"][:-1]]
            self.antworte(k, dreieck.text(andere, d) + ("°" if f["einheit"] == "°" else ""))
        self.assertEqual(self.noten(), ["richtig"] * 7)
        self.assertIn("andersherum nummeriert", self.text("zuordnung"))
        self.pruefe_layout("ueben-ssw-andersrum.png")
        # The third: one triangle; the sine angle's supplement is named.
        self.weiter()
        dreiecke = dreieck.loese(dreieck.gegeben(self.text("aufgabeText")))
        self.assertEqual(len(dreiecke), 1)
        self.antworte(0, "ein Dreieck")
        winkel = self.fragen()[1]["name"]
        self.antworte(1, dreieck.text(180 - dreiecke[0][winkel], self.dezimalen()))
        self.assertEqual(self.noten()[:2], ["richtig", "falsch: das ist der Nebenwinkel, 180° minus "
                                            "den gesuchten Winkel"])
        self.weiter()  # the fourth: none again
        self.assertEqual(dreieck.loese(dreieck.gegeben(self.text("aufgabeText"))), [])
        self.antworte(0, "0")
        self.assertEqual(self.noten(), ["richtig"])

    def test_eine_einheit_daneben_in_beide_richtungen_und_bogenmass_benannt(self):
        self.starte("2-SWS-17-10")
        faelle = ["hoch", "tief", "bogenmass"]
        for _ in range(10):
            g = dreieck.gegeben(self.text("aufgabeText"))
            erste = self.fragen()[0]["name"]
            d = self.dezimalen()
            x = dreieck.loese(g)[0][erste]
            einheit = mpf(10) ** -d
            if not faelle:
                break
            if einheit > x / 400:  # one unit of a small value is no rounding slip but 1 % off
                self.weiter()
                continue
            fall = faelle.pop(0)
            if fall == "bogenmass":
                # The side opposite the given angle, cos of its degrees taken as radians.
                s1, s2 = [g[n] for n in dreieck.SEITEN if n in g]
                winkel = [g[n] for n in dreieck.WINKEL if n in g][0]
                self.assertIn(erste, dreieck.SEITEN)
                self.antworte(0, dreieck.text(sqrt(s1 ** 2 + s2 ** 2 - 2 * s1 * s2 * cos(winkel)), d))
                self.assertEqual(self.noten()[0], "falsch: so rechnet ein Taschenrechner im "
                                 "Bogenmaß (RAD); stelle ihn auf Grad (DEG)")
            else:
                gerundet = mpf(dreieck.text(x, d).replace(",", "."))
                self.antworte(0, dreieck.text(gerundet + (einheit if fall == "hoch" else -einheit), d))
                self.assertEqual(self.noten()[0], "Wert stimmt, Rundung nicht", fall)
            self.weiter()
        self.assertEqual(faelle, [])

    def test_code_mit_gedankenstrich_und_auswertung_mit_namen_datum_und_antworten(self):
        self.starte("3\u20134711")
        self.assertTrue(self.text("aufgabeTitel").endswith("Übung 3-4711"))
        dreiecke = dreieck.loese(dreieck.gegeben(self.text("aufgabeText")))
        namen = [f["name"] for f in self.fragen()]
        richtig = dreieck.text(dreieck.wert(dreiecke, namen[0]), self.dezimalen()) + "°"
        self.antworte(0, richtig)
        self.antworte(1, "12,5x")
        self.assertEqual(self.noten()[:2], ["richtig", "keine Zahl: schreibe sie wie 81,79 oder 81,79°"])
        for _ in range(6):
            self.weiter()
        self.assertEqual(self.aktiv(), "auswertungTitel")
        self.tab_bis("name")
        self.tasten("Erika Muster")
        heute = datetime.date.today()
        self.assertIn(f"{heute.day}. ", self.text("datum"))
        self.assertIn(str(heute.year), self.text("datum"))
        zeilen = self.d.execute_script("""return Array.from(document.querySelectorAll('#uebersicht tbody tr'),
            tr => Array.from(tr.cells, c => Array.from(c.children, z => z.textContent)))""")
        self.assertEqual(zeilen[0][2][:2], [f"{namen[0]} = {richtig} (richtig)", f"{namen[1]} = 12,5x"])
        self.assertEqual(zeilen[0][3][0], f"{namen[0]} = {richtig}")
        self.pruefe_layout("ueben-auswertung.png", AUSWERTUNG)
        self.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        pdf = pathlib.Path(uebseite.ARGS.arbeit) / "auswertung-name.pdf"
        pdf.write_bytes(self.b.pdf())
        gedruckt = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
        for erwartet in ("Erika Muster", str(heute.year), "Deine", "Richtig", f"{namen[0]} = {richtig}"):
            self.assertIn(erwartet, gedruckt)
        self.assertEqual(self.b.konsolenfehler(), [])
        self.pruefe_axe()


if __name__ == "__main__":
    uebseite.main()
