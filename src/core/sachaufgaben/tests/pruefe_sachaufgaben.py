#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The word problems over many seeds, recomputed from the printed numbers alone.

Every asked quantity is worked out again at 50 digits from the numbers as the text prints
them (never from the program's own values) and must round to the printed answer; the
numbers stay in the ranges a situation makes plausible; each situation is of the kind it
promises; the sketch shows every number of the text and none of the answers; the German
is free of stray decimal points and English.

    pruefe_sachaufgaben.py SACHAUFGABEN_JSON
"""
import json
from decimal import ROUND_HALF_UP, Decimal
import re
import subprocess
import sys

from mpmath import acos, atan2, cos, mp, mpf, nint, sin, sqrt

mp.dps = 50
PROGRAMM = sys.argv[1]
fehler = []

# Kinds a situation may be solved as, and the ranges of its numbers (given and asked).
TYPEN = {"turm": {"SWW"}, "fluss": {"WSW"}, "grundstueck": {"SWS", "SSS"},
         "peilung": {"SWS", "SSW"}, "kraefte": {"SWS"}, "see": {"SWS"}, "berg": {"SWW"},
         "dach": {"SWS"}, "wind": {"SSW", "SWS"}, "tor": {"SSS", "SSW"}}
BEREICHE = {"m": (1, 4000), "km": (1, 80), "N": (100, 4000), "m²": (200, 20000),
            "°": (5, 165), "km/h": (10, 400)}
# Solutions a situation's SSW must have: a plane is faster than the wind; a goal seen under
# an angle from a distance has two places.
SSW_LOESUNGEN = {"wind": 1, "tor": 2}
# What each situation makes plausible beyond its units: name, lowest, highest.
EIGENE = {"fluss": ("d", 30, 400), "see": ("c", 200, 1500), "berg": ("h", 250, 1800),
          "dach": ("β", 20, 65), "tor": ("SL", 9, 30)}
HOEHE = (20, 120)


def zahl(text, sep):
    return mpf(text.replace(sep, "."))


def mit_einheit(text, einheit):
    return text + einheit if einheit == "°" else text + " " + einheit


def gerundet(x, dezimalen, sep):
    """Ties away from zero, as the sheet rounds; None when x lies too near a tie to say."""
    skaliert = abs(x) * mpf(10) ** dezimalen
    if abs(skaliert - nint(skaliert) - mpf("0.5") * (1 if skaliert > nint(skaliert) else -1)) < mpf("1e-9"):
        return None
    ganz = int(skaliert + mpf("0.5"))
    text = str(ganz).rjust(dezimalen + 1, "0")
    if dezimalen:
        text = text[:-dezimalen] + sep + text[-dezimalen:]
    return ("-" if x < 0 else "") + text


def grad(w):
    return w * mp.pi / 180


def winkel_aus(x):
    return x * 180 / mp.pi


def nachgerechnet(a, werte):
    """The asked quantities by name, from the given numbers by name."""
    s = a["situation"]
    if s == "turm":
        al, be, d = grad(werte["α"]), grad(werte["β"]), werte["AB"]
        h = d * sin(al) * sin(be) / sin(be - al)
        return {"h": h, "x": h * cos(be) / sin(be)}
    if s == "fluss":
        al, be, c = grad(werte["α"]), grad(werte["β"]), werte["AB"]
        b = c * sin(be) / sin(al + be)
        return {"b": b, "d": b * sin(al)}
    if s == "grundstueck":
        if "α" in werte:
            b, c, al = werte["AC"], werte["AB"], grad(werte["α"])
            return {"a": sqrt(b * b + c * c - 2 * b * c * cos(al)), "F": b * c * sin(al) / 2}
        a_, b, c = werte["BC"], werte["CA"], werte["AB"]
        ga = acos((a_ * a_ + b * b - c * c) / (2 * a_ * b))
        return {"γ": winkel_aus(ga), "F": a_ * b * sin(ga) / 2}
    if s == "peilung":
        if "δ" in werte:
            s_, h, de = werte["HB"], werte["BS"], grad(werte["δ"])
            b = sqrt(s_ * s_ + h * h + 2 * s_ * h * cos(de))
            # The direction H→S against H→B, from the ship's position in coordinates.
            x, y = s_ + h * cos(de), h * sin(de)
            return {"b": b, "η": winkel_aus(atan2(y, x))}
        s_, r, et = werte["HL"], werte["LS"], grad(werte["η"])
        # Points x·(1, 0) of the course at distance r from L = s·(cos η, sin η).
        mitte, rest = s_ * cos(et), r * r - (s_ * sin(et)) ** 2
        wurzeln = sorted(x for x in (mitte - sqrt(rest), mitte + sqrt(rest)) if x > 0)
        if len(wurzeln) == 2:
            # Named in the order the ship meets them.
            return {"HS₁": wurzeln[0], "HS₂": wurzeln[1]}
        return {"l": wurzeln[0]}
    if s == "kraefte":
        f1, f2, ph = werte["F₁"], werte["F₂"], grad(werte["φ"])
        x, y = f1 + f2 * cos(ph), f2 * sin(ph)
        return {"R": sqrt(x * x + y * y), "α": winkel_aus(atan2(y, x))}
    if s == "see":
        a_, b, ga = werte["CB"], werte["CA"], grad(werte["γ"])
        c = sqrt(a_ * a_ + b * b - 2 * a_ * b * cos(ga))
        return {"c": c, "α": winkel_aus(acos((b * b + c * c - a_ * a_) / (2 * b * c)))}
    if s == "berg":
        al, be, d = grad(werte["α"]), grad(werte["β"]), werte["AB"]
        h = d * sin(al) * sin(be) / sin(be - al)
        return {"h": h, "H": h + werte["NN"]}
    if s == "dach":
        f, b, al = werte["AB"], werte["AF"], grad(werte["α"])
        # The ridge in coordinates, A at the origin and B at (f, 0).
        x, y = b * cos(al), b * sin(al)
        return {"a": sqrt((f - x) ** 2 + y * y), "β": winkel_aus(atan2(y, f - x))}
    if s == "wind":
        v, w, th = werte["v"], werte["w"], grad(werte["θ"])
        if "halten" in a["text"] or "beibehält" in a["text"] or "hält die Flugrichtung" in a["text"]:
            # Heading kept: ground = air along x plus the wind turned θ away.
            x, y = v + w * cos(th), w * sin(th)
            return {"l": sqrt(x * x + y * y), "α": winkel_aus(atan2(y, x))}
        # Track kept: the wind's part across the track is made up by heading into it.
        quer = w * sin(th)
        längs = sqrt(v * v - quer * quer)
        return {"l": längs + w * cos(th), "α": winkel_aus(mp.asin(quer / v))}
    if s == "tor":
        r_, s_ = werte["SL"], werte["LR"]
        if "SR" in werte:
            l = werte["SR"]
            si = acos((l * l + r_ * r_ - s_ * s_) / (2 * l * r_))
            la = acos((r_ * r_ + s_ * s_ - l * l) / (2 * r_ * s_))
            return {"σ": winkel_aus(si), "e": r_ * sin(la)}
        si = grad(werte["σ"])
        rest = sqrt(s_ * s_ - (r_ * sin(si)) ** 2)
        return {"S₁R": r_ * cos(si) - rest, "S₂R": r_ * cos(si) + rest}
    raise KeyError(s)


def pruefe(a, sep, stufe, wo):
    def melde(text):
        fehler.append(f"{wo} {a['situation']}: {text}\n  {a['text']}")

    if a["typ"] not in TYPEN[a["situation"]]:
        melde(f"Typ {a['typ']}")
    if stufe == 1 and a["typ"] == "SSW":
        melde("SSW auf Stufe 1")
    if a["loesungen"] != 1 and a["typ"] != "SSW":
        melde(f"{a['loesungen']} Lösungen")
    if a["typ"] == "SSW" and a["loesungen"] != SSW_LOESUNGEN.get(a["situation"], a["loesungen"]):
        melde(f"SSW mit {a['loesungen']} Lösungen")
    if not any(z.startswith("Typ " + a["typ"] + ":") for z in a["loesungsweg"]):
        melde("der Rechenweg nennt den Typ nicht")

    # Every number of the text is a recorded given, in order, with its unit after it.
    zahlen = re.findall(r"[0-9]+(?:" + re.escape(sep) + r"[0-9]+)?", a["text"])
    if zahlen != [g["text"] for g in a["angaben"]]:
        melde(f"Zahlen im Text {zahlen} gegen Angaben {[g['text'] for g in a['angaben']]}")
    werte = {}
    for g in a["angaben"]:
        if mit_einheit(g["text"], g["einheit"]) not in a["text"]:
            melde(f"{g['name']} steht nicht mit Einheit im Text")
        if stufe == 1 and sep in g["text"]:
            melde(f"{g['name']} = {g['text']} auf Stufe 1")
        werte[g["name"]] = zahl(g["text"], sep)
        unten, oben = BEREICHE[g["einheit"]]
        if not unten <= werte[g["name"]] <= oben:
            melde(f"{g['name']} = {g['text']} {g['einheit']} unplausibel")

    erwartet = nachgerechnet(a, werte)
    if sorted(erwartet) != sorted(g["name"] for g in a["gesuchte"]):
        melde(f"gesucht {[g['name'] for g in a['gesuchte']]}, nachgerechnet {sorted(erwartet)}")
        return
    antwort = " ".join(a["antwort"])
    for g in a["gesuchte"]:
        wert = erwartet[g["name"]]
        soll = gerundet(wert, g["dezimalen"], sep)
        if soll is not None and soll != g["text"]:
            melde(f"{g['name']} = {g['text']}, nachgerechnet {mp.nstr(wert, 20)}")
        if "etwa " + mit_einheit(g["text"], g["einheit"]) not in antwort:
            melde(f"{g['name']} steht nicht mit Einheit im Antwortsatz")
        unten, oben = BEREICHE[g["einheit"]]
        if not unten <= wert <= oben:
            melde(f"{g['name']} = {g['text']} {g['einheit']} unplausibel")
    # The answer rounds the number the steps end with for it, not another: a shown
    # "29,750°" must not be answered "etwa 29,7°".
    gezeigt_zuletzt = {}
    for zeile in a["loesungsweg"]:
        rechnung = zeile.split(": ", 1)[-1]
        name = rechnung.split(" ", 1)[0]
        wert = re.search(r"[=≈] (−?[0-9]+(?:" + re.escape(sep) + r"[0-9]+)?)[^=≈]*$", rechnung)
        if wert and name in erwartet:
            gezeigt_zuletzt[name] = Decimal(wert.group(1).replace("−", "-").replace(sep, "."))
    for g in a["gesuchte"]:
        stelle = Decimal(1).scaleb(-g["dezimalen"])
        if g["name"] in gezeigt_zuletzt and str(gezeigt_zuletzt[g["name"]].quantize(
                stelle, ROUND_HALF_UP)).replace(".", sep) != g["text"]:
            melde(f"{g['name']}: gezeigt {gezeigt_zuletzt[g['name']]}, Antwort {g['text']}")
    if a["situation"] == "turm":
        hoechstens = 120 if re.search("Kirch|Aussichts", a["text"]) else 60
        if not HOEHE[0] <= erwartet["h"] <= min(HOEHE[1], hoechstens):
            melde(f"Turm {erwartet['h']} m hoch")
    if a["situation"] in EIGENE:
        name, unten, oben = EIGENE[a["situation"]]
        wert = {**werte, **erwartet}[name]
        if not unten <= wert <= oben:
            melde(f"{name} = {mp.nstr(wert, 8)} unplausibel")
    if not a["loesungsweg"][-1].startswith("Antwort: ") or antwort not in a["loesungsweg"][-1]:
        melde("der Rechenweg endet nicht mit der Antwort")

    # The sketch: all the text's numbers, none of the answers.
    skizze = a["skizze"]
    marken = [l["text"] for l in skizze["linien"]] + [w["text"] for w in skizze["winkel"]] + \
        skizze["texte"]
    for g in a["angaben"]:
        if not any(mit_einheit(g["text"], g["einheit"]) in m for m in marken):
            melde(f"{g['name']} = {g['text']} fehlt in der Skizze")
    gezeigt = {z for m in marken for z in re.findall(r"[0-9]+(?:" + re.escape(sep) + r"[0-9]+)?", m)}
    gegeben = {g["text"] for g in a["angaben"]}
    for g in a["gesuchte"]:
        if g["text"] in gezeigt - gegeben:
            melde(f"die Skizze verrät {g['name']} = {g['text']}")
    for g in a["gesuchte"]:
        # The quiz names its gaps so; the sketch must show where they are.
        if g["name"] + " = ?" not in marken:
            melde(f"{g['name']} = ? fehlt in der Skizze")
    for l in skizze["linien"]:
        if l["art"] == "gesucht" and not l["text"].endswith(" = ?"):
            melde(f"gesuchte Strecke beschriftet mit {l['text']!r}")
    if skizze["unterschrift"] != "Skizze (nicht maßstäblich)":
        melde("Unterschrift der Skizze")

    # Numbers in the sheet's form, German throughout.
    andere = "." if sep == "," else ","
    for zeile in [a["text"], *a["fragen"], *a["antwort"], *a["loesungsweg"]]:
        if re.search(r"[0-9]" + re.escape(andere) + r"[0-9]", zeile):
            melde(f"falsches Dezimalzeichen: {zeile}")
        if re.search(r"\b(the|and|of|is|with|height|width|force)\b", zeile):
            melde(f"Englisch: {zeile}")


def lauf(anzahl, seed, stufe, fassungen, sep):
    aus = subprocess.run([PROGRAMM, str(anzahl), str(seed), str(stufe), str(fassungen), sep],
                         check=True, capture_output=True, text=True).stdout
    # The text keeps numbers with their units by no-break spaces; read as plain spaces.
    return json.loads(aus.replace("\u00a0", " "))


gezaehlt = 0
for stufe in (1, 2, 3):
    for seed in range(1, 41):
        sep = "." if seed % 8 == 0 else ","
        aufgaben = lauf(10, seed, stufe, 2, sep)
        for a in aufgaben:
            pruefe(a, sep, stufe, f"Stufe {stufe}, Seed {seed}, Gruppe {a['fassung']}:")
        gezaehlt += len(aufgaben)
        # The groups tell the same situations in the same order, of the same kind.
        art = [[(a["situation"], a["typ"], a["loesungen"]) for a in aufgaben if a["fassung"] == f]
               for f in (0, 1)]
        if art[0] != art[1]:
            fehler.append(f"Stufe {stufe}, Seed {seed}: Gruppen verschieden: {art}")
        texte = [a["text"] for a in aufgaben]
        if len(set(texte)) != len(texte):
            fehler.append(f"Stufe {stufe}, Seed {seed}: eine Aufgabe doppelt")
        if seed == 1 and {a["situation"] for a in aufgaben} != set(TYPEN):
            fehler.append(f"Stufe {stufe}: nicht alle Situationen")
        if stufe > 1 and seed == 1 and not any(a["loesungen"] == 2 for a in aufgaben):
            fehler.append(f"Stufe {stufe}: kein SSW mit zwei Lösungen")

# The same seed, the same sheet.
if lauf(5, 7, 3, 1, ",") != lauf(5, 7, 3, 1, ","):
    fehler.append("Seed 7 gibt zweimal verschiedene Aufgaben")

for f in fehler[:int(sys.argv[2]) if len(sys.argv) > 2 else 40]:
    print(f)
print(f"{gezaehlt} Sachaufgaben, {len(fehler)} Fehler")
sys.exit(1 if fehler else 0)
