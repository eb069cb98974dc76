#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt against the triangle worked out anew in 60 digits from the typed values,
for hard triangles of every kind and a seeded random set: derived quantities to their last
digit; in the SVG files sides at the stated scale, one scale for both SSW solutions, labels
in the viewBox and clear of each other and of the lines, arcs inside their angle."""

import html
import math
import os
import random
import re
import subprocess
import sys
import tempfile
import unittest

from mpmath import mp, mpf

try:
    from fontTools.ttLib import TTFont
except ImportError:  # the Debian package, when another Python runs the tests
    sys.path.append("/usr/lib/python3/dist-packages")
    from fontTools.ttLib import TTFont

mp.dps = 60
BLATT = None

# Nearly flat, needles (SWW, WSW), tiny angles, an SSW sliver, 1e-300 to 1e300, very
# obtuse angles, flat ones (SWS and an SSW second solution), a given right angle.
HART = ["1\t1\t1.9999999999\t\t\t", "25.43253\t\t\t2.787728757025e-08\t2.787728757025e-08\t",
        "25.43253\t\t\t\t2.787728757025e-08\t2.787728757025e-08", "30\t\t\t\t0.00001\t0.00001",
        "3\t3.00000002\t\t10\t\t", "1.3e154\t1.3e154\t1.3e154\t\t\t", "1e300\t1.5e300\t\t\t\t60",
        "2e-300\t3e-300\t4e-300\t\t\t", "1e13\t\t\t40\t60\t", "5\t6\t\t\t\t168", "5\t6\t\t\t\t175",
        "5\t6\t\t\t\t179.9", "4\t7\t\t\t\t179.99999", "5\t7\t\t40\t\t", "3\t4\t\t\t\t180",
        "5\t5\t\t30\t\t", "8\t7\t\t90\t\t"]


# Which sides and angles each kind gives, turned by i.
MUSTER = [lambda i: ([0, 1, 2], []), lambda i: ([(i + 1) % 3, (i + 2) % 3], [i]),
          lambda i: ([i, (i + 1) % 3], [i]), lambda i: ([i], [(i + 1) % 3, (i + 2) % 3]),
          lambda i: ([i], [i, (i + 1) % 3])]


def zufall(anzahl, seed=16):
    rnd = random.Random(seed)
    zeilen = []
    for _ in range(anzahl):
        seiten, winkel = rnd.choice(MUSTER)(rnd.randrange(3))
        f = [""] * 6
        for i in seiten:
            f[i] = f"{rnd.uniform(0.5, 50):.{rnd.randint(0, 3)}f}"
        for i in winkel:
            f[3 + i] = f"{rnd.uniform(1, 120):.{rnd.randint(0, 2)}f}"
        zeilen.append("\t".join(f))
    return zeilen


def sin_g(w):
    return mp.sin(w * mp.pi / 180)


def orakel(zeile):
    """Every triangle the values allow, each as (sides, area), in 60 digits."""
    f = [mpf(t) if t else None for t in zeile.split("\t")]
    s, w = f[:3], f[3:]
    seiten = [i for i in range(3) if s[i] is not None]
    winkel = [i for i in range(3) if w[i] is not None]
    if len(seiten) == 3:
        a, b, c = s
        p = (a + b + c) * (-a + b + c) * (a - b + c) * (a + b - c)
        return [(s, mp.sqrt(p) / 4)]
    if len(seiten) == 2:
        j = winkel[0]
        if s[j] is None:  # SWS: the angle between the sides
            p, q = s[(j + 1) % 3], s[(j + 2) % 3]
            s[j] = mp.sqrt(p * p + q * q - 2 * p * q * mp.cos(w[j] * mp.pi / 180))
            return [(s, p * q * sin_g(w[j]) / 2)]
        k = seiten[0] if seiten[0] != j else seiten[1]
        m = 3 - j - k
        r, t = s[j], s[k]
        d = r * r - (t * sin_g(w[j])) ** 2
        loesungen = []
        for u in (t * mp.cos(w[j] * mp.pi / 180) + v * mp.sqrt(max(d, 0)) for v in (1, -1)):
            if u >= 0:
                x = list(s)
                x[m] = u
                loesungen.append((x, t * u * sin_g(w[j]) / 2))
        return loesungen
    k = seiten[0]
    fehlt = 3 - sum(winkel)
    w[fehlt] = 180 - w[winkel[0]] - w[winkel[1]]
    x = [s[k] * sin_g(w[i]) / sin_g(w[k]) for i in range(3)]
    return [(x, x[0] * x[1] * sin_g(w[2]) / 2)]


def abgeleitet(seiten, flaeche):
    u = sum(seiten)
    werte = {"Umfang": u, "Flächeninhalt": flaeche, "Inkreisradius": 2 * flaeche / u}
    for name, x in zip("abc", seiten):
        if x > 0:
            werte["Höhe auf " + name] = 2 * flaeche / x
    if flaeche > 0:
        werte["Umkreisradius"] = seiten[0] * seiten[1] * seiten[2] / (4 * flaeche)
    return werte


def stimmt(text, genau):
    """Whether the printed number is the exact value rounded to its last digit."""
    mantisse, _, hoch = text.split(" ")[0].replace(",", ".").partition("E")
    zahl = mpf(mantisse) * mpf(10) ** int(hoch or 0)
    nachkomma = len(mantisse.partition(".")[2])
    einheit = mpf(10) ** (int(hoch or 0) - nachkomma)
    # Beyond 19 significant digits, as many as long double holds, zeros are written.
    if genau != 0:
        einheit = max(einheit, mpf(10) ** (mp.floor(mp.log10(abs(genau))) - 18))
    # Half a unit of the last digit, and a few bits of a long double for ties.
    return abs(zahl - genau) <= einheit / 2 + abs(genau) * mpf("3e-19")


# SVG reading: texts with their boxes, the triangles and the arcs.
SCHRIFT = TTFont("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf")
EM, BREITEN, ZEICHEN = SCHRIFT["head"].unitsPerEm, SCHRIFT["hmtx"].metrics, SCHRIFT.getBestCmap()


def text_breite(text, groesse):
    return sum(BREITEN[ZEICHEN.get(ord(c), ".notdef")][0] for c in text) * groesse / EM


class Svg:
    def __init__(self, pfad):
        with open(pfad, encoding="utf-8") as f:
            roh = f.read()
        kopf = re.search(r'<svg width="([\d.]+)mm".*?viewBox="0 0 (\d+) (\d+)"', roh, re.S)
        self.mm = float(kopf.group(1)) / float(kopf.group(2))  # mm per user unit
        self.box = (0, 0, float(kopf.group(2)), float(kopf.group(3)))
        self.texte = []
        for x, y, g, t in re.findall(r'<text[^>]*? x="([-\d.e]+)" y="([-\d.e]+)"[^>]*?'
                                     r'font-size="([\d.]+)"[^>]*>(.*?)</text>', roh, re.S):
            x, y, g, t = float(x), float(y), float(g), html.unescape(t)
            self.texte.append((t, (x, y - 0.905 * g, x + text_breite(t, g), y + 0.212 * g)))
        zahl = r"(-?[\d.e]+),(-?[\d.e]+)"
        self.dreiecke = [[(float(p[i]), float(p[i + 1])) for i in range(0, 6, 2)]
                         for p in re.findall(rf'd="M{zahl} L{zahl} L{zahl} L{zahl}"', roh)]
        # Arcs are open curves; the dots of a right angle or a flat figure are closed.
        kurven = [[(float(a), float(b)) for a, b in re.findall(zahl, d)]
                  for d in re.findall(r'd="(M[^"]*C[^"]*)"', roh)]
        self.boegen = [k for k in kurven if math.dist(k[0], k[-1]) > 1e-6]

    def zeilen(self, anfang):
        return [t for t, _ in self.texte if t.startswith(anfang)]


def verhaeltnis(text):
    """Paper to nature of "Maßstab 1 : 2" or "Maßstab 1 : 2·10^17"."""
    def zahl(t):
        mantisse, _, hoch = t.rpartition("10^") if "^" in t else (t, "", "0")
        return float(mantisse.rstrip("·") or 1) * 10.0 ** int(hoch)
    links, rechts = text[len("Maßstab "):].split(" : ")
    return zahl(links) / zahl(rechts)


def schneidet_strecke(box, p, q):
    """Whether the segment pq passes through the box (Liang-Barsky clipping)."""
    t0, t1, d = 0.0, 1.0, (q[0] - p[0], q[1] - p[1])
    for r, s in ((-d[0], p[0] - box[0]), (d[0], box[2] - p[0]), (-d[1], p[1] - box[1]),
                 (d[1], box[3] - p[1])):
        if r == 0 and s < 0:
            return False
        if r < 0:
            t0 = max(t0, s / r)
        elif r > 0:
            t1 = min(t1, s / r)
    return t0 <= t1


def abstand(p, a, b, strecke=True):
    """From p to the segment ab, or to the whole line through a and b."""
    d = (b[0] - a[0], b[1] - a[1])
    if d == (0, 0):
        return math.dist(p, a)
    t = ((p[0] - a[0]) * d[0] + (p[1] - a[1]) * d[1]) / (d[0] ** 2 + d[1] ** 2)
    t = max(0, min(1, t)) if strecke else t
    return math.dist(p, (a[0] + t * d[0], a[1] + t * d[1]))


def laufe(zeilen, *optionen):
    """The sheet and its SVG files for these exercises: {number: Svg}."""
    tmp = tempfile.mkdtemp()
    datei, pdf = os.path.join(tmp, "aufgaben.txt"), os.path.join(tmp, "b.pdf")
    with open(datei, "w", encoding="utf-8") as f:
        f.write("\n".join(zeilen) + "\n")
    lauf = subprocess.run([BLATT, "--mehr", *optionen, "-o", pdf, "--svg",
                           os.path.join(tmp, "svg"), datei], capture_output=True, timeout=300)
    assert lauf.returncode == 0, lauf.stderr
    # A PDF whose content stream poppler reads without a complaint.
    assert subprocess.run(["pdftotext", pdf, "-"], capture_output=True).stderr == b""
    pfade = {n: os.path.join(tmp, "svg", f"aufgabe-{n:03d}.svg") for n in range(1, len(zeilen) + 1)}
    return {n: Svg(p) for n, p in pfade.items() if os.path.exists(p)}


class Orakel(unittest.TestCase):
    def pruefe(self, zeilen, *optionen):
        for nummer, svg in laufe(zeilen, *optionen).items():
            zeile = zeilen[nummer - 1]
            genau = orakel(zeile)
            texte = [t for t, _ in svg.texte]
            anfaenge = [i for i, t in enumerate(texte) if t.startswith("Umfang: ")]
            self.assertLessEqual(len(anfaenge), len(genau), zeile)
            anfaenge.append(len(texte))
            for n in range(len(anfaenge) - 1):
                block = texte[anfaenge[n]:anfaenge[n + 1]]
                gedruckt = dict(t.split(": ", 1) for t in block if ": " in t)
                # One SSW triangle: the root whose perimeter was printed.
                seiten, flaeche = min(genau[n:], key=lambda g: abs(sum(g[0]) - mpf(
                    gedruckt["Umfang"].split(" ")[0].replace(",", ".").replace("E", "e"))))
                # 60 digits leave a trace of what is exactly 0.
                seiten = [0 if x < max(seiten) * mpf("1e-50") else x for x in seiten]
                flach = gedruckt["Umkreisradius"].startswith("keiner")
                self.assertEqual(flach, flaeche <= max(seiten) ** 2 * mpf("1e-50"), zeile)
                flaeche = 0 if flach else flaeche
                for name, wert in abgeleitet(seiten, flaeche).items():
                    self.assertIn(name, gedruckt, zeile)
                    self.assertTrue(stimmt(gedruckt[name], wert),
                                    f"{zeile!r}: {name} {gedruckt[name]}, exact {mp.nstr(wert, 20)}")

    def test_harte_dreiecke(self):
        self.pruefe(HART)
        self.pruefe(HART, "--dezimalen", "10")

    def test_zufaellige_dreiecke(self):
        self.pruefe(zufall(150), "--dezimalen", "6")


class Figuren(unittest.TestCase):
    def test_massstab_etiketten_und_boegen(self):
        zeilen = HART + zufall(40, seed=3)
        for einheit in ("cm", "km", ""):
            for nummer, svg in laufe(zeilen, *(["--einheit", einheit] if einheit else [])).items():
                with self.subTest(zeile=zeilen[nummer - 1], einheit=einheit):
                    self.pruefe_figur(svg, zeilen[nummer - 1], einheit)

    def pruefe_figur(self, svg, zeile, einheit):
        genau = orakel(zeile)
        je_mm = []
        for ecken, (seiten, _) in zip(svg.dreiecke, genau):
            gezeichnet = sorted(math.dist(ecken[i], ecken[(i + 1) % 3]) * svg.mm for i in range(3))
            je_mm.append(gezeichnet[-1] / float(max(seiten)))
            for g, s in zip(gezeichnet, sorted(seiten)):
                self.assertAlmostEqual(g, float(s) * je_mm[-1], delta=0.2)
        # Both SSW solutions at one scale, and with a unit the scale stated.
        if len(je_mm) == 2:
            self.assertAlmostEqual(je_mm[0] * float(max(genau[1][0])),
                                   je_mm[1] * float(max(genau[1][0])), delta=0.2)
        massstaebe = svg.zeilen("Maßstab ")
        if einheit and je_mm:
            self.assertEqual(len(set(massstaebe)), 1)
            mm = {"cm": 10, "km": 1e6}[einheit]
            self.assertAlmostEqual(je_mm[0] / (mm * verhaeltnis(massstaebe[0])), 1, delta=1e-3)
        # Texts inside the viewBox, clear of each other and of the triangles' sides.
        rand = 0.05 / svg.mm
        kaesten = [(t, (x0 + rand, y0 + rand, x1 - rand, y1 - rand)) for t, (x0, y0, x1, y1)
                   in svg.texte]
        for t, (x0, y0, x1, y1) in kaesten:
            self.assertTrue(x0 >= 0 and y0 >= 0 and x1 <= svg.box[2] and y1 <= svg.box[3], t)
            for ecken in svg.dreiecke:
                for i in range(3):
                    self.assertFalse(schneidet_strecke((x0, y0, x1, y1), ecken[i],
                                                       ecken[(i + 1) % 3]), t)
        for i, (t, a) in enumerate(kaesten):
            for u, b in kaesten[i + 1:]:
                self.assertFalse(a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3],
                                 f"{t!r} over {u!r}")
        # An arc runs from one side of its corner to the other, short of the opposite side.
        for bogen in svg.boegen:
            anfang, ende = bogen[0], bogen[-1]
            ecke, p, q = min(((e[k], e[(k + 1) % 3], e[(k + 2) % 3]) for e in svg.dreiecke
                              for k in range(3)),
                             key=lambda c: abs(math.dist(anfang, c[0]) - math.dist(ende, c[0])) +
                             abstand(anfang, c[0], c[1]) + abstand(ende, c[0], c[2]))
            self.assertLess(math.dist(anfang, ecke), abstand(ecke, p, q, False), zeile)
            self.assertLess(abstand(anfang, ecke, p) + abstand(ende, ecke, q), 0.1 / svg.mm)

    def test_lange_zahlen_verkleinern_die_figur_nicht(self):
        zeilen = ["5\t7\t\t40\t\t", "30\t\t\t\t0.00001\t0.00001"]
        laengen = []
        for dezimalen in ("3", "15", "40"):
            for svg in laufe(zeilen, "--dezimalen", dezimalen, "--einheit", "cm").values():
                laengen.append([round(math.dist(d[0], d[1]) * svg.mm, 2) for d in svg.dreiecke])
                # Each value once per triangle: beside it or, without room, in the legend.
                for name in "abcαβγ":
                    self.assertEqual(len(svg.zeilen(name + " = ")), len(svg.dreiecke), name)
        self.assertEqual(laengen[0:2], laengen[2:4])
        self.assertEqual(laengen[0:2], laengen[4:6])


if __name__ == "__main__":
    BLATT = sys.argv[1]
    unittest.main(argv=sys.argv[:1])
