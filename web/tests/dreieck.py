# SPDX-License-Identifier: GPL-3.0-or-later
"""Triangles from three given values, written out here with mpmath, independently of the
engine: the right answers the practice page's tests type."""

import re

from mpmath import mp, mpf, sin, cos, asin, acos, sqrt, pi

mp.dps = 30
SEITEN = ("a", "b", "c")
WINKEL = ("α", "β", "γ")


def grad(x):
    return x * 180 / pi


def bogen(x):
    return x * pi / 180


def gegeben(text):
    """{"a": 15.5, "α": 110} from "Gegeben: a = 15,5, b = 8, α = 110°. …"."""
    kopf = re.split(r"\. (?:Berechne|Wie viele)", text)[0]
    return {n: mpf(w.replace(",", ".")) for n, w in re.findall(r"([a-cα-γ]) = (\d+(?:,\d+)?)", kopf)}


def loese(g):
    """Every triangle the values allow, as {name: value}; for SSW the one with the acute
    sine angle first, as the engine orders them."""
    s = [g.get(n) for n in SEITEN]
    w = [g.get(n) for n in WINKEL]
    bekannt = [i for i in range(3) if s[i] is not None]
    if len(bekannt) == 1:
        k = [i for i in range(3) if w[i] is None][0]
        w[k] = 180 - sum(x for x in w if x is not None)
        i = bekannt[0]
        s = [s[i] * sin(bogen(w[j])) / sin(bogen(w[i])) for j in range(3)]
        return [dict(zip(SEITEN + WINKEL, s + w))]
    if len(bekannt) == 2:
        k = [i for i in range(3) if w[i] is not None][0]
        if s[k] is None:  # the angle between the two sides
            i, j = bekannt
            s[k] = sqrt(s[i] ** 2 + s[j] ** 2 - 2 * s[i] * s[j] * cos(bogen(w[k])))
        else:  # SSW: the angle opposite the other side by the law of sines
            t = [i for i in bekannt if i != k][0]
            q = s[t] * sin(bogen(w[k])) / s[k]
            if q > 1:
                return []
            dreiecke = []
            for kandidat in (grad(asin(q)), 180 - grad(asin(q))):
                if w[k] + kandidat < 180 - mpf(10) ** -9 and (not dreiecke or kandidat != dreiecke[0][WINKEL[t]]):
                    ww = list(w)
                    ww[t] = kandidat
                    r = 3 - k - t
                    ww[r] = 180 - w[k] - kandidat
                    ss = list(s)
                    ss[r] = s[k] * sin(bogen(ww[r])) / sin(bogen(w[k]))
                    dreiecke.append(dict(zip(SEITEN + WINKEL, ss + ww)))
            return dreiecke
    w = [grad(acos((s[(i + 1) % 3] ** 2 + s[(i + 2) % 3] ** 2 - s[i] ** 2)
                   / (2 * s[(i + 1) % 3] * s[(i + 2) % 3]))) for i in range(3)]
    return [dict(zip(SEITEN + WINKEL, s + w))]


def text(x, dezimalen=2):
    return f"{float(x):.{dezimalen}f}".replace(".", ",")


def wert(dreiecke, name):
    """The value a question names: "β₂" is β of the second triangle."""
    nummer = 1 if name.endswith("₂") else 0
    return dreiecke[nummer][name.rstrip("₁₂")]
