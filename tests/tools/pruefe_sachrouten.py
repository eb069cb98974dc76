#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt --sachaufgaben --moodle: every route a pupil may take through a word
problem's triangle, each value carried as the question says (rounded, with one decimal
more, or unrounded, mixed), and on to the story's own answers (a tower's height, a river's
width, a plot's area) gives full marks in Moodle, read in German and in English, and
"richtig" on the practice page; 1 % off, radian mode, one decimal fewer and the other
triangle get neither. Enumerated anew in 40 digits from the triangle's givens; the story's
formulas are written out here from its geometry.

    pruefe_sachrouten.py KALOTRI-BLATT KALOTRI-RECHNE SACHAUFGABEN_JSON FRAGE_URTEILE
"""

import html
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

import mpmath as mp

from moodle_quiz import fragen, luecken, rechne, FELDER
from pruefe_routen import (GRAD, SPRACHEN, angenommen, gerundet, getippt, im_bogenmass,
                           moodle_liest, volle_punkte, wege)
from uebung_urteile import pruefe_uebung

mp.mp.dps = 40
PROGRAMME = {}


def aus_dem_dreieck(situation, name, w, angaben, sin, cos):
    """The story's quantity from the triangle's boxes w (as the pupil has them); None for
    one of the triangle's own."""
    if situation == "turm" and name in ("h", "x"):
        beta = angaben["β"]
        return w[0] * (sin(beta) if name == "h" else cos(beta))
    if situation == "fluss" and name == "d":
        return w[1] * sin(w[3])
    if situation == "grundstueck" and name == "F":
        return w[1] * w[2] * sin(w[3]) / 2 if "α" in angaben else w[0] * w[1] * sin(w[5]) / 2
    return None


def routen(gegeben, aeste, tragen, zwischen, am_ende):
    """Per box the answers the routes give, and am_ende(w, sin, cos) at every complete
    triangle as carried."""
    antworten = {}

    def weiter(w, zw):
        offen = [i for i in range(6) if i not in w]
        if not offen:
            am_ende(w, lambda g: zw(mp.sin(g * GRAD)), lambda g: zw(mp.cos(g * GRAD)))
        for i in offen:
            for _, _, weg in wege(i, set(w), aeste[i]):
                wert = weg(w, zw, GRAD)
                if wert is None:
                    continue
                antworten.setdefault(i, []).append(wert)
                for notiz in {wert, gerundet(wert, tragen), gerundet(wert, tragen + 1)}:
                    weiter({**w, i: notiz}, zw)

    for zw in (lambda x: x, lambda x: gerundet(x, zwischen)):
        weiter(dict(gegeben), zw)
    return antworten


def stellen(text):
    """The decimals each gap names after it, in order."""
    return [0 if m.group(1) == "ganze Zahlen" else int(m.group(2)) for m in re.finditer(
        r"\}[^{]*?\(auf (ganze Zahlen|(\d+) Nachkommastellen?)\)", text)]


class Sachrouten(unittest.TestCase):
    def test_jede_route_richtig_jede_typische_falsche_antwort_falsch(self):
        zaehler = {"wege": 0, "routen": 0, "falsch": 0, "uebung": 0}
        for seed, anzahl, stufe in ((5, 10, 3), (12, 5, 3), (7, 10, 2), (3, 5, 1)):
            with tempfile.TemporaryDirectory() as ordner:
                ziel = os.path.join(ordner, "q.xml")
                lauf = subprocess.run([PROGRAMME["blatt"], "--sachaufgaben", "--erzeuge",
                                       str(anzahl), "--seed", str(seed), "--stufe", str(stufe),
                                       "--moodle", ziel, "-o", os.path.join(ordner, "b.pdf")],
                                      capture_output=True, timeout=300)
                self.assertEqual(lauf.returncode, 0, lauf.stderr)
                with open(ziel, "rb") as f:
                    cloze = [q for q in fragen(f.read()) if q.get("type") == "cloze"]
            aufgaben = json.loads(subprocess.run(
                [PROGRAMME["json"], str(anzahl), str(seed), str(stufe), "1", ","],
                capture_output=True, check=True).stdout)
            zeilen = []
            for nummer, (q, a) in enumerate(zip(cloze, aufgaben)):
                text = html.unescape(q.find("questiontext/text").text).replace("\u00a0", " ")
                self.assertIn(a["text"].replace("\u00a0", " "), text, "the same problem")
                self.pruefe(a, text, zaehler, zeilen, (anzahl, seed, stufe, nummer))
            zaehler["uebung"] += pruefe_uebung(self, PROGRAMME["urteile"], zeilen)
        print("\n%(wege)d Wege, %(routen)d verschiedene Antworten angenommen, %(falsch)d "
              "falsche abgelehnt, %(uebung)d Zeilen in der Übung gleich bewertet" % zaehler,
              file=sys.stderr)
        self.assertGreater(zaehler["routen"], 80)

    def pruefe(self, a, text, zaehler, zeilen, woher):
        boxen = a["boxen"]
        gegeben = {i: mp.mpf(t) for i, t in enumerate(boxen) if t}
        angaben = {g["name"]: mp.mpf(g["text"].replace(",", ".")) for g in a["angaben"]}
        ergebnis = rechne(PROGRAMME["rechne"], ["\t".join(boxen)])[0]
        tragen = int(re.search(r"Zwischenergebnisse im Dreieck auf (\d+)", text).group(1))
        zwischen = int(re.search(r"rundest du auf (\d+) Nachkommastellen", text).group(1))
        gaps, _ = luecken(text)
        dezimalen = stellen(text)
        self.assertEqual(len(gaps), len(a["gesuchte"]))
        self.assertEqual(len(dezimalen), len(gaps))
        rechts = [getippt(mp.mpf(numerisch_rechts(g)), d) for g, d in zip(gaps, dezimalen)]
        for k, (g, luecke, d) in enumerate(zip(a["gesuchte"], gaps, dezimalen)):
            nummer = g["dreieck"]
            dreieck = ergebnis["dreiecke"][nummer]
            aeste = [None] * 3 + [(dreieck[f]["wert"] > 90) if a["typ"] == "SSW" and
                                  dreieck[f]["herkunft"] == "sinussatz" else
                                  (False if dreieck[f]["wert"] < 90 else None)
                                  for f in FELDER[3:]]
            werte = set()

            def am_ende(w, sin, cos, g=g, d=d):
                zaehler["wege"] += 1
                x = aus_dem_dreieck(a["situation"], g["name"], w, angaben, sin, cos)
                if x is not None:
                    werte.add(getippt(x, d))
            alle = routen(gegeben, aeste, tragen, zwischen, am_ende)
            if g["groesse"] is not None:
                werte |= {getippt(x, d) for x in alle[g["groesse"]]}
                genau = mp.mpf(dreieck[FELDER[g["groesse"]]]["wert"])
                bogen = im_bogenmass(gegeben, dreieck, g["groesse"])
            else:
                w = {i: mp.mpf(dreieck[f]["wert"]) for i, f in enumerate(FELDER)}
                genau = aus_dem_dreieck(a["situation"], g["name"], w, angaben,
                                        lambda x: mp.sin(x * GRAD), lambda x: mp.cos(x * GRAD))
                rad = {i: im_bogenmass(gegeben, dreieck, i) if i not in gegeben else gegeben[i]
                       for i in range(6)}
                bogen = None if None in rad.values() else aus_dem_dreieck(
                    a["situation"], g["name"], rad, angaben, mp.sin, mp.cos)
            self.assertTrue(werte, g)
            intervalle = angenommen(luecke)
            name = (woher, g["name"])
            falsche = {"1 % mehr": getippt(genau * mp.mpf("1.01"), d),
                       "1 % weniger": getippt(genau * mp.mpf("0.99"), d)}
            if bogen is not None and abs(bogen - genau) > mp.mpf(10) ** -9 * abs(genau):
                falsche["Bogenmaß"] = getippt(bogen, d)
            weniger = getippt(genau, d - 1) if d > 0 else None
            if weniger and all(float(weniger) != float(x) for x in werte):
                falsche["eine Stelle weniger"] = weniger
            if a["loesungen"] == 2 and g["groesse"] is not None:
                anderes = ergebnis["dreiecke"][1 - nummer][FELDER[g["groesse"]]]["wert"]
                falsche["anderes Dreieck"] = getippt(mp.mpf(anderes), d)
            for getippt_, richtig in [(x, True) for x in werte] + [
                    (x, False) for x in falsche.values()]:
                for sprache in SPRACHEN:
                    x = moodle_liest(getippt_, *SPRACHEN[sprache])
                    self.assertEqual(volle_punkte(intervalle, x), richtig,
                                     (name, getippt_, intervalle, falsche))
                antworten = list(rechts)
                antworten[k] = getippt_
                zeilen.append(("SACH\t%d\t%d\t%d\t," % woher[:3], woher[3], antworten, k,
                               richtig, name, dezimalen[-1]))
                zaehler["routen" if richtig else "falsch"] += 1


def numerisch_rechts(luecke):
    return next(a[1] for a in luecke["alternativen"] if a[0] == "=").split(":")[0]


if __name__ == "__main__":
    for schluessel, pfad in zip(("blatt", "rechne", "json", "urteile"), sys.argv[1:5]):
        PROGRAMME[schluessel] = os.path.abspath(pfad)
    unittest.main(argv=sys.argv[:1], verbosity=1)
