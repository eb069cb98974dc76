# SPDX-License-Identifier: GPL-3.0-or-later
"""A QTI item and its Moodle question side by side: the gaps with their words, the
marking table of each gap (the routes enumerated anew, in 40 digits, by pruefe_routen),
and the text a pupil reads in each.
"""

import html
import re

import mpmath as mp

import pruefe_routen
from moodle_quiz import FELDER, luecken
import moodle_quiz
from qti_bewertung import NS


TIEF = {"₁": 0, "₂": 1}


def felder(item):
    """Each gap of the item with the words before it in its paragraph (a heading too) and
    those after it."""
    davor = []
    for p in item.wurzel.find(NS + "itemBody").iter(NS + "p"):
        kopf = "".join("".join(s.itertext()) for s in p.iter(NS + "strong"))
        text = p.text or ""
        for kind in p:
            if kind.tag in (NS + "textEntryInteraction", NS + "inlineChoiceInteraction"):
                davor.append((kind.get("responseIdentifier"), kopf + " " + text, kind.tail or ""))
            text = kind.tail or ""
    return davor


def koerpertext(item):
    return "".join(item.wurzel.find(NS + "itemBody").itertext())


def dreieckstabelle(item, ergebnis):
    """The marking table of a triangle item by its gaps: the answers as typed and whether
    each must earn the mark. The routes' answers are right; the other SSW triangle, radian
    mode, 1 % off and one decimal fewer (where it is another number than every route's)
    are wrong. Keyed by the gap's triangle and field, for the Moodle gap of the same."""
    text = koerpertext(item)
    d, z = pruefe_routen.anweisung(text)
    gegeben = pruefe_routen.gegeben_genau(
        moodle_quiz.zeile_aus(re.search(r"Gegeben: ([^\n]*?)\s*$", text, re.M).group(1)))
    dreiecke = [t for t in ergebnis["dreiecke"] if not t.get("flach")]
    ergebnis = dict(ergebnis, dreiecke=dreiecke)
    gaps = {}
    for antwort, davor, _ in felder(item):
        m = re.search(r"(\S)([₁₂]?) = $", davor)
        if m:  # not the count of triangles
            nummer = TIEF[m.group(2)] if m.group(2) else 1 if "2. Lösung" in davor else 0
            gaps[antwort] = (nummer,
                             moodle_quiz.WINKEL_FELDER.get(m.group(1), "abc".find(m.group(1))))
    alle = []
    for nummer, dreieck in enumerate(dreiecke):
        aeste = [None] * 3 + [
            (dreieck[f]["wert"] > 90) if ergebnis["typ"] == "SSW" and
            dreieck[f]["herkunft"] == "sinussatz" else
            (False if dreieck[f]["wert"] < 90 else None) for f in FELDER[3:]]
        alle.append(pruefe_routen.routen(gegeben, aeste, d, z))
    tabelle = {}
    for antwort, (nummer, i) in gaps.items():
        rechts = [pruefe_routen.getippt(w, d) for w in alle[nummer][i]]
        reihe = [(t, True) for t in rechts]
        reihe += [(pruefe_routen.getippt(w, d), False) for w in
                  pruefe_routen.falsche_antworten(ergebnis, nummer, i, gegeben).values()]
        # One decimal fewer is wrong unless a route gives that number ("41,0" where a route
        # gives 41,00).
        weniger = pruefe_routen.getippt(dreiecke[nummer][FELDER[i]]["wert"], d - 1)
        if all(float(weniger) != float(t) for t in rechts):
            reihe.append((weniger, False))
        tabelle[antwort] = ((nummer, FELDER[i]), reihe)
    return tabelle


def sachtabelle(item, gaps):
    """Word problems: the value as typed at the field's decimals is right; 1 % either way
    and one decimal fewer are wrong. Keyed by the gap's place among the number gaps."""
    tabelle = {}
    for k, ((antwort, _, danach), g) in enumerate(zip(felder(item), gaps)):
        d = int(re.search(r"auf (\d+|ganze)", danach).group(1).replace("ganze", "0"))
        wert = mp.mpf(g["alternativen"][0][1].split(":")[0])
        reihe = [(pruefe_routen.getippt(wert, d), True),
                 (pruefe_routen.getippt(wert * mp.mpf("1.01"), d), False),
                 (pruefe_routen.getippt(wert * mp.mpf("0.99"), d), False)]
        if d > 0 and mp.mpf(reihe[0][0]) != pruefe_routen.gerundet(wert, d - 1):
            reihe.append((pruefe_routen.getippt(wert, d - 1), None))
        tabelle[antwort] = (k, reihe)
    return tabelle


def moodle_luecken(q):
    """The Moodle question's number gaps by triangle and field (word problems: by place)."""
    text = q.find("questiontext/text").text
    gaps, _ = luecken(text)
    zahlen = [g for g in gaps if g["typ"] == "NUMERICAL"]
    if "<p>Gegeben: " not in text:
        return {k: g for k, g in enumerate(zahlen)}
    schluessel = {}
    for g in zahlen:
        davor = html.unescape(g["davor"])
        m = re.search(r"(\S)([₁₂]?) = $", davor)
        i = moodle_quiz.WINKEL_FELDER.get(m.group(1), "abc".find(m.group(1)))
        nummer = TIEF[m.group(2)] if m.group(2) else 1 if "2. Lösung" in davor else 0
        schluessel[(nummer, FELDER[i])] = g
    anzahl = [g for g in gaps if g["typ"] == "MULTICHOICE"]
    if anzahl:
        schluessel["anzahl"] = [a[0] == "=" for a in anzahl[0]["alternativen"]]
    return schluessel


def sichtbar(item):
    """The item's text as a pupil reads it, each gap as []."""
    def text(e):
        s = e.text or ""
        for k in e:
            ohne = k.tag[len(NS):]
            s += "[]" if ohne.endswith("Interaction") else "\n" if ohne == "br" else text(k)
            s += k.tail or ""
        return s
    return zeilen("\n".join(text(p) for p in item.wurzel.find(NS + "itemBody").iter(NS + "p")))


def zeilen(text):
    return re.sub(r"\s*\n\s*", "\n", re.sub(r"[ \t]+", " ", text)).strip()


def moodle_sichtbar(q):
    """The same of a Moodle question."""
    _, text = luecken(q.find("questiontext/text").text)
    text = re.sub(r"\{#\d+\}", "[]", text).replace("<br>", "\n").replace("</p>", "\n")
    text = html.unescape(re.sub(r"<[^>]+>", "", text))
    return zeilen(text)
