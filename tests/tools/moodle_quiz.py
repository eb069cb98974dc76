# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading a Moodle XML quiz as Moodle's import does: the embedded-answer (Cloze) gaps by
a parser written from the pattern of Moodle's importer, and the questions' pictures.
"""

import html
import json
import re
import struct
import subprocess
import xml.etree.ElementTree as ET
import zlib

# The embedded-answer syntax. Python wants each look-behind of one width, so Moodle's
# (?<!\\|&|&amp;) becomes three of them.
ANTEIL = r"(?P<anteil>=|%-?[0-9]+(?:[.,][0-9]*)?%)"
ANTWORT = r"(?P<antwort>.+?(?<!\\)(?<!&)(?<!&amp;)(?=[~#}]|$))"
RUECKMELDUNG = r"(?:#(?P<rueckmeldung>.*?(?<!\\)(?=[~}]|$)))?"
ALTERNATIVE = ANTEIL + "?" + ANTWORT + RUECKMELDUNG
TYPEN = ("NUMERICAL|NM|MULTICHOICE_VS|MCVS|MULTICHOICE_HS|MCHS|MULTICHOICE_V|MCV|"
         "MULTICHOICE_H|MCH|MULTICHOICE_S|MCS|MULTICHOICE|MC|SHORTANSWER_C|SAC|MWC|"
         "SHORTANSWER|SA|MW|MULTIRESPONSE_HS|MRHS|MULTIRESPONSE_H|MRH|MULTIRESPONSE_S|MRS|"
         "MULTIRESPONSE|MR")
ALT_OHNE_NAMEN = re.sub(r"\?P<\w+>", "", ALTERNATIVE)
LUECKE = re.compile(r"\{(?P<gewicht>[0-9]*):(?P<typ>" + TYPEN + r"):(?P<alternativen>" +
                    ALT_OHNE_NAMEN + "(?:~" + ALT_OHNE_NAMEN + r")*)\}", re.S)
EINE_ALTERNATIVE = re.compile("~?" + ALTERNATIVE, re.S)
ZAHL = r"-?(?:[0-9]+[.,]?[0-9]*|[.,][0-9]+)(?:[eE][-+]?[0-9]+)?"
NUMERISCH = re.compile("^(?P<wert>" + ZAHL + ")(?::(?P<toleranz>" + ZAHL + "))?$", re.S)

FELDER = ["a", "b", "c", "alpha", "beta", "gamma"]
WINKEL_FELDER = {"α": 3, "β": 4, "γ": 5}


def luecken(text):
    """The gaps in order, each as Moodle's importer stores it, and the text around them."""
    gefunden = []
    while True:
        m = LUECKE.search(text)
        if not m:
            return gefunden, text
        alternativen = []
        rest = m.group("alternativen")
        while rest:
            a = EINE_ALTERNATIVE.match(rest)
            assert a, rest
            rueck = a.group("rueckmeldung")
            if rueck is not None:
                rueck = html.unescape(rueck).replace("\\}", "}").replace("\\#", "#")
            alternativen.append((a.group("anteil"), a.group("antwort"), rueck))
            rest = rest[a.end():]
        gefunden.append({"typ": m.group("typ"), "gewicht": m.group("gewicht"),
                         "alternativen": alternativen, "davor": text[:m.start()]})
        text = text[:m.start()] + "{#%d}" % len(gefunden) + text[m.end():]


def numerisch(luecke):
    """The first right alternative's value and tolerance: what Moodle shows as the answer."""
    anteil, antwort, _ = next(a for a in luecke["alternativen"] if a[0] == "=")
    assert luecke["typ"] == "NUMERICAL", luecke
    m = NUMERISCH.match(antwort)
    assert m, antwort
    assert "," not in antwort, antwort
    return float(m.group("wert")), float(m.group("toleranz"))


def fragen(daten):
    assert daten.startswith(b'<?xml version="1.0" encoding="UTF-8"?>\n'), daten[:60]
    wurzel = ET.fromstring(daten)
    assert wurzel.tag == "quiz"
    return wurzel.findall("question")


def gegeben_zeile(frage):
    """The exercise line for kalotri-rechne, read back from "Gegeben: a = 14,3, b = 8"."""
    text = html.unescape(frage.find("questiontext/text").text)
    return zeile_aus(re.search(r"<p>Gegeben: (.*?)</p>", text).group(1))


def zeile_aus(gegeben):
    """The exercise line from the givens as a question names them: "a = 14,3, b = 8"."""
    felder = [""] * 6
    for teil in gegeben.split(", "):
        name, wert = teil.split(" = ")
        index = WINKEL_FELDER.get(name, "abc".find(name))
        felder[index] = wert.rstrip("°").replace(",", ".")
    return "\t".join(felder)


def rechne(rechne_programm, zeilen):
    lauf = subprocess.run([rechne_programm, "--json"], input="\n".join(zeilen).encode() + b"\n",
                          capture_output=True, timeout=300)
    return [json.loads(z) for z in lauf.stdout.decode().splitlines()]


def unbekannte(dreieck):
    return [f for f in FELDER if dreieck[f]["herkunft"] != "gegeben"]


def kastenfolge(gaps, ergebnis):
    """The value gaps of each triangle in box order (a, b, c, α, β, γ): the question asks
    them in the order of the worked steps, each after its letter."""
    geordnet = []
    for d in ergebnis["dreiecke"]:
        felder = unbekannte(d)
        block, gaps = gaps[:len(felder)], gaps[len(felder):]

        def stelle(g, d=d, felder=felder):
            davor = html.unescape(g["davor"])
            passend = [f for f in felder if davor.endswith(d[f]["buchstabe"] + " = ")]
            assert passend, davor[-40:]
            return FELDER.index(max(passend, key=lambda f: len(d[f]["buchstabe"])))
        geordnet += sorted(block, key=stelle)
    return geordnet + gaps


def erwartete_reihen(ergebnis):
    return [[d[f]["wert"] for f in unbekannte(d)] for d in ergebnis["dreiecke"]]


def zeichnet_etwas(png):
    """Some pixel of the picture is not white."""
    daten, i = b"", 8
    while i < len(png):
        laenge, art = struct.unpack(">I4s", png[i:i + 8])
        if art == b"IDAT":
            daten += png[i + 8:i + 8 + laenge]
        i += 12 + laenge
    roh = zlib.decompress(daten)
    return roh.count(b"\xff") < len(roh) * 0.99
