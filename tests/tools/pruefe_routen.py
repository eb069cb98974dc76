#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt --moodle: a pupil who rounds as the question says gets full marks by every
standard route, in a Moodle whose language is German and in one whose language is English;
the typical wrong answers (the other SSW solution, a calculator in radian mode, a value 1 %
off) get none.

The routes are enumerated here anew, in 40-digit arithmetic from the givens as the
question prints them: every order in which the unknowns can be found, the law of sines or
of cosines wherever it applies, the last angle also by the angle sum; earlier answers
re-used as written, with one decimal more, or as the calculator holds them, each as the
pupil likes (one carried as written, another with one decimal more); sines,
cosines and squares rounded to the decimals the question names, or not at all. The typed
answer goes through a port of Moodle's answer processor for each language and must fall
inside one of the gap's intervals as Moodle widens them.
"""

import itertools
import os
import re
import sys
import tempfile
import unittest
import subprocess
import html

import mpmath as mp

from moodle_quiz import FELDER, fragen, gegeben_zeile, kastenfolge, luecken, NUMERISCH
import moodle_quiz
from uebung_urteile import pruefe_uebung, typed_rechts

mp.mp.dps = 40
BLATT = None
RECHNE = None
URTEILE = None
GRAD = mp.pi / 180


def moodle_liest(antwort, dezimal, tausender):
    """The number Moodle's numerical answer processor reads from a response
    (qtype_numerical_answer_processor::apply_units, question/type/numerical): with a point
    or several commas in it, commas are thousands separators; otherwise the language's
    thousands separator goes, its decimal separator and a comma become the point."""
    antwort = antwort.replace(" ", "")
    if "." in antwort or antwort.count(",") > 1:
        antwort = antwort.replace(",", "")
    else:
        for alt, neu in ((tausender, ""), (dezimal, "."), (",", ".")):
            antwort = antwort.replace(alt, neu)
    m = re.match(r"[+-]?(?:\d+(?:\.\d*)?|\.\d+)(?:e[-+]?\d+)?", antwort)
    return float(m.group(0)) if m else None


SPRACHEN = {"en": (".", ","), "de": (",", ".")}  # langconfig decsep, thousandssep


def angenommen(luecke):
    """The alternatives as Moodle matches them, in order, the first that holds an answer
    deciding (qtype_numerical_question::get_matching_answer): the interval of each with
    its nominal tolerance, widened as qtype_numerical_answer::get_tolerance_interval does,
    and whether it gives full marks."""
    *alternativen, rest = luecke["alternativen"]
    assert luecke["typ"] == "NUMERICAL" and rest[:2] == (None, "*"), luecke
    intervalle = []
    for anteil, antwort, _ in alternativen:
        m = NUMERISCH.match(antwort)
        assert anteil in ("=", "%0%") and m and "," not in antwort, antwort
        wert, toleranz = float(m.group("wert")), float(m.group("toleranz"))
        breiter = toleranz + 1e-14 * max(toleranz, abs(wert), 1e-14)
        intervalle.append((wert - breiter, wert + breiter, anteil == "="))
    return intervalle


def volle_punkte(intervalle, x):
    return next((voll for u, o, voll in intervalle if u <= x <= o), False)


def getippt(wert, dezimalen):
    """The answer as the question asks to type it: rounded, with a decimal point."""
    n = int(mp.nint(gerundet(wert, dezimalen) * mp.mpf(10) ** dezimalen))
    ziffern = str(abs(n)).rjust(dezimalen + 1, "0")
    text = ziffern[:-dezimalen] + "." + ziffern[-dezimalen:] if dezimalen else ziffern
    return ("-" if n < 0 else "") + text


def gerundet(x, stellen):
    """Halves up, as on paper; the pupil's numbers are decimals, so exact halves come up
    (17 · 0.934248 / 16 = 0.9926385) and must not hang on the last binary digit."""
    skaliert = abs(x) * mp.mpf(10) ** stellen * (1 + mp.mpf(10) ** -30)
    return mp.sign(x) * mp.floor(skaliert + mp.mpf(1) / 2) / mp.mpf(10) ** stellen


def wege(i, hat, ast):
    """The laws that give unknown i (0..5) from the fields in `hat`: (law, pair, function
    of the pupil's values, of the rounding inside a calculation and of the calculator's
    angle unit: GRAD, or 1 in radian mode)."""
    s, j, k = i % 3, (i + 1) % 3, (i + 2) % 3
    if i < 3:
        if {j, k, 3 + s} <= hat:
            def seite_cosinussatz(w, zw, e):
                quadrat = zw(w[j] ** 2 + w[k] ** 2 - 2 * w[j] * w[k] * zw(mp.cos(w[3 + s] * e)))
                return mp.sqrt(quadrat) if quadrat >= 0 else None
            yield "cosinussatz", None, seite_cosinussatz
        for p in (j, k):
            if {p, 3 + p, 3 + s} <= hat:
                yield "sinussatz", p, lambda w, zw, e, p=p: (
                    w[p] * zw(mp.sin(w[3 + s] * e)) / zw(mp.sin(w[3 + p] * e)))
        return
    if {3 + j, 3 + k} <= hat:
        yield "winkelsumme", None, lambda w, zw, e: 180 - w[3 + j] - w[3 + k]
    if {0, 1, 2} <= hat:
        def winkel_cosinussatz(w, zw, e):
            c = zw((w[j] ** 2 + w[k] ** 2 - w[s] ** 2) / (2 * w[j] * w[k]))
            return mp.acos(c) / e if abs(c) <= 1 else None
        yield "cosinussatz", None, winkel_cosinussatz
    if ast is not None:
        for p in (j, k):
            if {s, p, 3 + p} <= hat:
                def winkel_sinussatz(w, zw, e, p=p):
                    x = zw(w[s] * zw(mp.sin(w[3 + p] * e)) / w[p])
                    if abs(x) > 1:
                        return None
                    # 180 − sin⁻¹(…) as keyed in, whatever the angle unit.
                    return 180 - mp.asin(x) / e if ast else mp.asin(x) / e
                yield "sinussatz", p, winkel_sinussatz


def routen(gegeben, aeste, dezimalen, zwischen):
    """Per unknown the values every route gives, before the pupil rounds the answer."""
    antworten = {}

    def weiter(w, zw):
        hat = set(w)
        for i in range(6):
            if i in hat:
                continue
            for _, _, weg in wege(i, hat, aeste[i]):
                wert = weg(w, zw, GRAD)
                if wert is None:
                    continue
                antworten.setdefault(i, []).append(wert)
                # Each answer carried on as the calculator holds it, as written, or with
                # one decimal more (as the worked steps carry them), each as the pupil likes.
                for notiz in (wert, gerundet(wert, dezimalen), gerundet(wert, dezimalen + 1)):
                    weiter({**w, i: notiz}, zw)

    for rundet in (False, True):
        zw = (lambda x: gerundet(x, zwischen)) if rundet else (lambda x: x)
        weiter(dict(gegeben), zw)
    return antworten


def im_bogenmass(gegeben, dreieck, ziel):
    """The worked steps' laws (the law of sines through a given pair where there is one)
    on a calculator set to radians, each result taken on as that calculator gave it."""
    w = dict(gegeben)
    while ziel not in w:
        for i in (i for i in range(6) if i not in w):
            herkunft, wert = dreieck[FELDER[i]]["herkunft"], dreieck[FELDER[i]]["wert"]
            passend = [(p, weg) for gesetz, p, weg in wege(i, set(w), wert > 90)
                       if herkunft.startswith(gesetz)]
            passend.sort(key=lambda pw: pw[0] is None or not {pw[0], 3 + pw[0]} <= gegeben.keys())
            if passend:
                w[i] = passend[0][1](w, lambda x: x, 1)
                if w[i] is None:
                    return None
                break
        else:
            return None
    return w[ziel]


def falsche_antworten(ergebnis, nummer, i, gegeben):
    dreiecke = ergebnis["dreiecke"]
    genau = mp.mpf(dreiecke[nummer][FELDER[i]]["wert"])
    falsch = {"1 % mehr": genau * mp.mpf("1.01"), "1 % weniger": genau * mp.mpf("0.99")}
    if len(dreiecke) == 2:
        falsch["andere Lösung"] = mp.mpf(dreiecke[1 - nummer][FELDER[i]]["wert"])
    elif ergebnis["typ"] == "SSW" and dreiecke[nummer][FELDER[i]]["herkunft"] == "sinussatz" \
            and genau != 90:
        falsch["andere Lösung"] = 180 - genau
    bogen = im_bogenmass(gegeben, dreiecke[nummer], i)
    if bogen is not None and abs(bogen - genau) > mp.mpf(10) ** -9 * max(1, abs(genau)):
        falsch["Bogenmaß"] = bogen
    return falsch


def gegeben_genau(zeile):
    return {i: mp.mpf(t) for i, t in enumerate(zeile.split("\t")) if t}


def anweisung(text):
    """The answer decimals and the least intermediate decimals the question names."""
    sichtbar = html.unescape(text)
    d = re.search(r"Runde jedes Ergebnis auf (\d+) Nachkommastelle", sichtbar)
    z = re.search(r"Kosinus rundest du auf (\d+) Nachkommastellen oder gar nicht", sichtbar)
    assert "Tippe Dezimalzahlen mit Punkt" in sichtbar, sichtbar
    return int(d.group(1)), int(z.group(1))


class Routen(unittest.TestCase):
    def test_jede_route_richtig_jede_typische_falsche_antwort_falsch(self):
        zaehler = {"routen": 0, "falsch": 0}
        zeilen_uebung = []
        for dezimalen, seed in [(0, 5), (1, 5), (1, 11), (3, 5), (3, 11), (10, 5), (10, 11)]:
            with tempfile.TemporaryDirectory() as ordner:
                ziel = os.path.join(ordner, "q.xml")
                lauf = subprocess.run([BLATT, "--erzeuge", "25", "--seed", str(seed),
                                       "--dezimalen", str(dezimalen), "--moodle", ziel],
                                      capture_output=True, timeout=300)
                self.assertEqual(lauf.returncode, 0, lauf.stderr)
                # The teacher hears that the quiz asks for more decimals than the sheet.
                self.assertEqual(b"mehr Nachkommastellen als --dezimalen" in lauf.stderr,
                                 dezimalen < 2, lauf.stderr)
                with open(ziel, "rb") as f:
                    cloze = [q for q in fragen(f.read()) if q.get("type") == "cloze"]
            zeilen = [gegeben_zeile(q) for q in cloze]
            for q, zeile, ergebnis in zip(cloze, zeilen, moodle_quiz.rechne(RECHNE, zeilen)):
                # A flat SSW candidate is no triangle: the quiz asks nothing about it.
                ergebnis = dict(ergebnis, dreiecke=[
                    d for d in ergebnis["dreiecke"] if not d.get("flach")])
                text = q.find("questiontext/text").text
                d, z = anweisung(text)
                self.assertGreaterEqual(d, max(dezimalen, 2))
                self.assertEqual(z, d + 3)
                gaps, _ = luecken(text)
                # The practice page gets the same answers in the question's order: all right
                # but one, which must be right there exactly where Moodle gives full marks.
                rechts = [typed_rechts(g) for g in gaps]
                stelle = {id(g): k for k, g in enumerate(gaps)}
                if ergebnis["typ"] == "SSW":
                    gaps.pop(0)
                gaps = kastenfolge(gaps, ergebnis)
                gegeben = gegeben_genau(zeile)
                for nummer, dreieck in enumerate(ergebnis["dreiecke"]):
                    aeste = [None] * 3 + [
                        (dreieck[f]["wert"] > 90) if ergebnis["typ"] == "SSW" and
                        dreieck[f]["herkunft"] == "sinussatz" else
                        (False if dreieck[f]["wert"] < 90 else None) for f in FELDER[3:]]
                    alle = routen(gegeben, aeste, d, z)
                    for i in (i for i, f in enumerate(FELDER)
                              if dreieck[f]["herkunft"] != "gegeben"):
                        luecke = gaps.pop(0)
                        intervalle = angenommen(luecke)
                        name = (q.find("name/text").text, FELDER[i], d)

                        def nimmt(getippt_, sprache):
                            return volle_punkte(intervalle,
                                                moodle_liest(getippt_, *SPRACHEN[sprache]))

                        def zeile_mit(getippt_, richtig, art):
                            antworten = list(rechts)
                            antworten[stelle[id(luecke)]] = getippt_
                            zeilen_uebung.append((zeile, max(dezimalen, 2), antworten,
                                                  stelle[id(luecke)], richtig, (name, art), d))

                        werte = {getippt(wert, d) for wert in alle[i]}
                        for getippt_ in werte:
                            for sprache in SPRACHEN:
                                self.assertTrue(nimmt(getippt_, sprache),
                                                (name, getippt_, intervalle, sprache))
                            zeile_mit(getippt_, True, "Route")
                        zaehler["routen"] += len(alle[i])
                        falsche = falsche_antworten(ergebnis, nummer, i, gegeben)
                        # One decimal fewer, where it is another number than every route's.
                        weniger = getippt(mp.mpf(dreieck[FELDER[i]]["wert"]), d - 1)
                        if d > 0 and all(float(weniger) != float(w) for w in werte):
                            falsche["eine Stelle weniger"] = weniger
                        for art, wert in falsche.items():
                            getippt_ = wert if isinstance(wert, str) else getippt(wert, d)
                            for sprache in SPRACHEN:
                                self.assertFalse(nimmt(getippt_, sprache),
                                                 (name, art, getippt_, intervalle))
                            zeile_mit(getippt_, False, art)
                            zaehler["falsch"] += 1
                self.assertEqual(gaps, [])
        zaehler["uebung"] = pruefe_uebung(self, URTEILE, zeilen_uebung)
        print("\n%(routen)d Routenwerte angenommen, %(falsch)d falsche Antworten abgelehnt, "
              "%(uebung)d Zeilen in der Übung gleich bewertet" % zaehler, file=sys.stderr)
        self.assertGreater(zaehler["routen"], 5000)

    def test_ein_komma_liest_nur_ein_deutsches_moodle_als_dezimaltrennzeichen(self):
        # Why the question asks for a point: the same keys, read in each language.
        self.assertEqual(moodle_liest("7,543", *SPRACHEN["en"]), 7543)
        self.assertEqual(moodle_liest("7,543", *SPRACHEN["de"]), 7.543)
        for sprache in SPRACHEN:
            self.assertEqual(moodle_liest("7.543", *SPRACHEN[sprache]), 7.543)
            self.assertEqual(moodle_liest("1234.5", *SPRACHEN[sprache]), 1234.5)


if __name__ == "__main__":
    BLATT, RECHNE, URTEILE = (os.path.abspath(a) for a in sys.argv[1:4])
    unittest.main(argv=sys.argv[:1], verbosity=1)
