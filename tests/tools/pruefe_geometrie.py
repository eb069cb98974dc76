#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt's figures and derived quantities against an independent computation:
the triangle worked out anew in 60 digits from the typed values, for hard triangles of
every kind (nearly flat, needles, nearly equal SSW sides, 1e-300 to 1e300) and a seeded
random set. The printed quantities must agree to their last digit; in the SVG files the
sides are drawn at the stated scale, both SSW solutions share it, labels stay in the
viewBox and clear of each other and of the lines, and arcs stay inside their angle.
"""

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

HART = [
    "1\t1\t1.9999999999\t\t\t",                           # nearly flat
    "25.43253\t\t\t2.787728757025e-08\t2.787728757025e-08\t",  # needle, SWW
    "25.43253\t\t\t\t2.787728757025e-08\t2.787728757025e-08",  # needle, WSW
    "30\t\t\t\t0.00001\t0.00001",                         # tiny but not flat
    "3\t3.00000002\t\t10\t\t",                            # SSW, second one a sliver
    "1.3e154\t1.3e154\t1.3e154\t\t\t",
    "1e300\t1.5e300\t\t\t\t60",
    "2e-300\t3e-300\t4e-300\t\t\t",
    "1e13\t\t\t40\t60\t",
    "5\t6\t\t\t\t168",
    "5\t6\t\t\t\t175",
    "5\t6\t\t\t\t179.9",
    "4\t7\t\t\t\t179.99999",
    "5\t7\t\t40\t\t",
    "3\t4\t\t\t\t180",                                   # flat
    "5\t5\t\t30\t\t",                                     # flat second solution
    "8\t7\t\t90\t\t",                                     # right angle given, one SSW solution
]


def zufall(anzahl, seed=16):
    rnd = random.Random(seed)
    zeilen = []
    while len(zeilen) < anzahl:
        typ = rnd.choice(["SSS", "SWS", "SSW", "WSW", "SWW"])
        s = [f"{rnd.uniform(0.5, 50):.{rnd.randint(0, 3)}f}" for _ in range(3)]
        w = [f"{rnd.uniform(1, 120):.{rnd.randint(0, 2)}f}" for _ in range(2)]
        f = [""] * 6
        i = rnd.randrange(3)
        if typ == "SSS":
            f[:3] = s
        elif typ == "SWS":
            f[(i + 1) % 3], f[(i + 2) % 3], f[3 + i] = s[0], s[1], w[0]
        elif typ == "SSW":
            f[i], f[(i + 1) % 3], f[3 + i] = s[0], s[1], w[0]
        elif typ == "WSW":
            f[i], f[3 + (i + 1) % 3], f[3 + (i + 2) % 3] = s[0], w[0], w[1]
        else:
            f[i], f[3 + i], f[3 + (i + 1) % 3] = s[0], w[0], w[1]
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
    text = text.split(" ")[0].replace(",", ".")
    zahl = mpf(text.replace("E", "e"))
    if "E" in text:
        mantisse = text.split("E")[0]
        stellen = len(mantisse.replace(".", "").lstrip("-")) - 1
        einheit = mpf(10) ** (int(text.split("E")[1]) - stellen)
    else:
        einheit = mpf(10) ** -(len(text.split(".")[1]) if "." in text else 0)
    # Half a unit of the last digit, and a few bits of a long double for ties.
    return abs(zahl - genau) <= einheit / 2 + abs(genau) * mpf("3e-19")


# SVG reading: texts with their boxes, the triangles and the arcs.
SCHRIFT = TTFont("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf")
EM = SCHRIFT["head"].unitsPerEm
BREITEN = SCHRIFT["hmtx"].metrics
ZEICHEN = SCHRIFT.getBestCmap()


def text_breite(text, groesse):
    return sum(BREITEN[ZEICHEN.get(ord(c), ".notdef")][0] for c in text) * groesse / EM


class Svg:
    def __init__(self, pfad):
        with open(pfad, encoding="utf-8") as f:
            roh = f.read()
        kopf = re.search(r'<svg width="([\d.]+)mm" height="([\d.]+)mm"\s+viewBox="0 0 (\d+) (\d+)"',
                         roh)
        self.mm = float(kopf.group(1)) / float(kopf.group(3))  # mm per user unit
        self.box = (0, 0, float(kopf.group(3)), float(kopf.group(4)))
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
    x0, y0, x1, y1 = box
    t0, t1 = 0.0, 1.0
    dx, dy = q[0] - p[0], q[1] - p[1]
    for r, s in ((-dx, p[0] - x0), (dx, x1 - p[0]), (-dy, p[1] - y0), (dy, y1 - p[1])):
        if r == 0:
            if s < 0:
                return False
        else:
            t = s / r
            if r < 0:
                t0 = max(t0, t)
            else:
                t1 = min(t1, t)
    return t0 <= t1


def abstand_zur_geraden(p, a, b):
    if a == b:
        return math.dist(p, a)
    return abs((b[0] - a[0]) * (a[1] - p[1]) - (a[0] - p[0]) * (b[1] - a[1])) / math.dist(a, b)


def abstand_zur_strecke(p, a, b):
    d = (b[0] - a[0], b[1] - a[1])
    if d == (0, 0):
        return math.dist(p, a)
    t = max(0, min(1, ((p[0] - a[0]) * d[0] + (p[1] - a[1]) * d[1]) / (d[0] ** 2 + d[1] ** 2)))
    return math.dist(p, (a[0] + t * d[0], a[1] + t * d[1]))


def laufe(zeilen, *optionen):
    tmp = tempfile.mkdtemp()
    datei = os.path.join(tmp, "aufgaben.txt")
    with open(datei, "w", encoding="utf-8") as f:
        f.write("\n".join(zeilen) + "\n")
    lauf = subprocess.run([BLATT, "--mehr", *optionen, "-o", os.path.join(tmp, "b.pdf"), "--svg",
                           os.path.join(tmp, "svg"), datei], capture_output=True, timeout=300)
    return lauf, tmp


def svg_datei(tmp, nummer):
    return os.path.join(tmp, "svg", f"aufgabe-{nummer:03d}.svg")


class Orakel(unittest.TestCase):
    def pruefe(self, zeilen, *optionen):
        lauf, tmp = laufe(zeilen, *optionen)
        self.assertEqual(lauf.returncode, 0, lauf.stderr)
        for nummer, zeile in enumerate(zeilen, 1):
            pfad = svg_datei(tmp, nummer)
            if not os.path.exists(pfad):
                continue
            svg = Svg(pfad)
            genau = orakel(zeile)
            umfaenge = svg.zeilen("Umfang: ")
            self.assertLessEqual(len(umfaenge), len(genau), zeile)
            texte = [t for t, _ in svg.texte]
            anfaenge = [i for i, t in enumerate(texte) if t.startswith("Umfang: ")] + [len(texte)]
            for n in range(len(umfaenge)):
                block = texte[anfaenge[n]:anfaenge[n + 1]]
                gedruckt = dict(t.split(": ", 1) for t in block if ": " in t)
                # One SSW triangle: the root whose perimeter was printed.
                seiten, flaeche = min(genau[n:], key=lambda g: abs(sum(g[0]) - mpf(
                    gedruckt["Umfang"].split(" ")[0].replace(",", ".").replace("E", "e"))))
                flach = gedruckt["Umkreisradius"].startswith("keiner")
                self.assertEqual(flach, flaeche == 0, zeile)
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
        for einheit in ("cm", "m", ""):
            zeilen = HART + zufall(40, seed=3)
            lauf, tmp = laufe(zeilen, *(["--einheit", einheit] if einheit else []))
            self.assertEqual(lauf.returncode, 0, lauf.stderr)
            for nummer, zeile in enumerate(zeilen, 1):
                pfad = svg_datei(tmp, nummer)
                if os.path.exists(pfad):
                    with self.subTest(zeile=zeile, einheit=einheit):
                        self.pruefe_figur(Svg(pfad), zeile, einheit)

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
            mm = {"cm": 10, "m": 1000, "km": 1e6}[einheit]
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
                             abstand_zur_strecke(anfang, c[0], c[1]) +
                             abstand_zur_strecke(ende, c[0], c[2]))
            self.assertLess(math.dist(anfang, ecke), abstand_zur_geraden(ecke, p, q), zeile)
            self.assertLess(abstand_zur_strecke(anfang, ecke, p) +
                            abstand_zur_strecke(ende, ecke, q), 0.1 / svg.mm, zeile)

    def test_lange_zahlen_verkleinern_die_figur_nicht(self):
        zeilen = ["5\t7\t\t40\t\t", "30\t\t\t\t0.00001\t0.00001"]
        laengen = []
        for dezimalen in ("3", "15", "40"):
            lauf, tmp = laufe(zeilen, "--dezimalen", dezimalen, "--einheit", "cm")
            self.assertEqual(lauf.returncode, 0, lauf.stderr)
            svg = Svg(svg_datei(tmp, 1))
            laengen.append([round(math.dist(d[0], d[1]) * svg.mm, 2) for d in svg.dreiecke])
            # A value without room beside the figure is in the legend.
            texte = [t for t, _ in svg.texte]
            self.assertEqual(len([t for t in texte if t.startswith("β = ")]), 2)
        self.assertEqual(laengen[0], laengen[1])
        self.assertEqual(laengen[0], laengen[2])

    def test_riesig_und_winzig_gueltige_dateien(self):
        zeilen = ["1e13\t1e13\t1e13\t\t\t", "1e300\t1e300\t1e300\t\t\t", "1e-300\t1e-300\t1e-300\t\t\t"]
        lauf, tmp = laufe(zeilen, "--einheit", "km")
        self.assertEqual(lauf.returncode, 0, lauf.stderr)
        text = subprocess.run(["pdftotext", os.path.join(tmp, "b.pdf"), "-"], capture_output=True)
        self.assertEqual(text.stderr, b"")
        for nummer, zeile in enumerate(zeilen, 1):
            svg = Svg(svg_datei(tmp, nummer))
            self.assertEqual(len(svg.dreiecke), 1)
            for p in svg.dreiecke[0]:
                self.assertTrue(0 <= p[0] <= svg.box[2] and 0 <= p[1] <= svg.box[3])
            self.pruefe_figur(svg, zeile, "km")
            self.assertIn(svg.zeilen("Maßstab ")[0], text.stdout.decode())


if __name__ == "__main__":
    BLATT = sys.argv[1]
    unittest.main(argv=sys.argv[:1])
