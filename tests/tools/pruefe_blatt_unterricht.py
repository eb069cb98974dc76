#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt as a teacher uses it: typos are named before anything is written, groups
are parallel, the answer table says what the solution pages say, and no page loses or
overprints text.
"""

import os
import re
import subprocess
import sys
import tempfile
import unittest

import pruefe_blatt as pb
from pruefe_blatt import MM, seiten, woerter, zeilen

BLATT = None
SCHLUSS = "kalotri-blatt: {n} {w} ohne Lösung, kein Blatt (mit --trotzdem entsteht es doch)\n"


def starte(*argumente, eingabe=b"", cwd=None):
    return subprocess.run([BLATT, *argumente], input=eingabe, capture_output=True,
                          timeout=300, cwd=cwd)


# Each kind of line that is no exercise, with what the report says of it after its line
# number: the box and its text where the message is about one box, else the line. Comment
# lines and blank lines in between are skipped but counted.
UNBRAUCHBAR = [
    (b"3\tx\t5", r', Feld 2 \(b\): "x": Fehlerhafte Eingabe!'),
    (b"8\t\t\t3O\t60", r', Feld 4 \(α\): "3O": Fehlerhafte Eingabe!'),
    (b"3\t4\t" + b"5x" * 100, r', Feld 3 \(c\): "(5x){30}…": Fehlerhafte Eingabe!'),
    (b"3\t4", r': "3\\x094": Nur 2 Werte; eine Aufgabe braucht drei, darunter eine Seite'),
    (b"3\t4\t5\t30", r': "3\\x094\\x095\\x0930": Überbestimmt SSS\+W!'),
    (b"\t\t\t30\t60\t90", r': "\\x09\\x09\\x0930\\x0960\\x0990": Eingabe unvollständig!'),
    (b"1\t2\t5", r': "1\\x092\\x095": Kein Dreieck!'),
    (b"3\t4\t\t\t\t190", r': .*": Winkel zu groß!'),
    (b"0\t4\t5", r', Feld 1 \(a\): "0": Der Wert 0 ergibt kein Dreieck!'),
    (b"1\t2\t3\t4\t5\t6\t7", r': .*": 7 Felder in der Zeile; erlaubt sind bis zu 6 oder genau 12'),
    (b"3\t4\t5\t\x1b[2J", r', Feld 4 \(α\): "\\x1B\[2J": Fehlerhafte Eingabe!'),
    (b"3\t4\t" + b"5" * 2000, r': .*": ein Feld ist länger als 1000 Bytes'),
    (b"3\t4\t5\t\t\t\t" + b"\t".join([b"x" * 200] * 6),
     r': .*": Feld 7 \(Buchstabe von a\) ist länger als 160 Bytes'),
    (b"3\t4\t5" + b"\t" * 3000, r': .*…": 3003 Felder in der Zeile; erlaubt sind bis zu 6 oder genau 12'),
]


class Unbrauchbar(unittest.TestCase):
    def test_jede_art_mit_zeile_und_grund(self):
        text = b"# Aufgaben der 10b\n\n3\t4\t5\n"
        erwartet = []
        for nummer, (zeile, grund) in enumerate(UNBRAUCHBAR):
            text += b"   # Kommentar\n" + zeile + b"\n"
            erwartet.append(rf'kalotri-blatt: "blatt\.txt", Zeile {5 + 2 * nummer}{grund}')
        with tempfile.TemporaryDirectory() as tmp:
            with open(os.path.join(tmp, "blatt.txt"), "wb") as f:
                f.write(text)
            lauf = starte("-o", "blatt.pdf", "blatt.txt", cwd=tmp)
            self.assertEqual(lauf.returncode, 1)
            bericht = lauf.stderr.decode().splitlines(keepends=True)
            self.assertEqual(len(bericht), len(UNBRAUCHBAR) + 1, lauf.stderr)
            for zeile, muster in zip(bericht, erwartet):
                self.assertRegex(zeile, "^" + muster + "\n$")
            self.assertEqual(bericht[-1], SCHLUSS.format(n=len(UNBRAUCHBAR), w="Aufgaben"))
            # Nothing reaches the terminal raw, and no sheet is made.
            self.assertNotIn(b"\x1b", lauf.stderr)
            self.assertEqual(os.listdir(tmp), ["blatt.txt"])

            # With --trotzdem the sheet is made, each such exercise with its reason.
            lauf = starte("--trotzdem", "--loesung", "schluessel", "-o", "blatt.pdf", "blatt.txt",
                          cwd=tmp)
            self.assertEqual(lauf.returncode, 1)
            pdf = os.path.join(tmp, "blatt.pdf")
            text = " ".join(" ".join(zeilen(w)) for _, w in pb.loesungsseiten(pdf))
            self.assertEqual(text.count("Meldung:"), len(UNBRAUCHBAR))
            for grund in ("Fehlerhafte Eingabe!", "Kein Dreieck!", "Nur 2 Werte",
                          "länger als 1000 Bytes", "7 Felder in der Zeile"):
                self.assertIn(grund, text)

    def test_ohne_aufgaben_und_nur_kommentare(self):
        lauf = starte("-o", "x.pdf", "-", eingabe=b"# nur ein Kommentar\n\n  \t\n")
        self.assertEqual((lauf.returncode, lauf.stderr),
                         (2, b"kalotri-blatt: keine Aufgaben, kein Blatt\n"))


def gruppen_text(pdf):
    """Per group letter: the given values of the exercises and the type lines of the
    solutions, in order."""
    gegeben, typen = {}, {}
    for s in range(1, seiten(pdf) + 1):
        w = woerter(pdf, s)
        fuss = zeilen(w)[-1]
        z = zeilen([x for x in w if x[0] < 115 * MM])
        gruppe = re.match(r"Gruppe (\w) · (Aufgaben|Lösungen)", fuss)
        if not gruppe:
            continue
        if gruppe.group(2) == "Aufgaben":
            gegeben.setdefault(gruppe.group(1), []).extend(
                x for x in z if re.match(r"^\d+\. \S+ = ", x))
        else:
            typen.setdefault(gruppe.group(1), []).extend(
                x.split()[-1] for x in zeilen([x for x in w if 30 * MM - 1 <= x[0] < 115 * MM])
                if x.startswith("Typ:"))
    return gegeben, typen


class Gruppen(unittest.TestCase):
    def test_gleiche_typen_andere_zahlen(self):
        with tempfile.TemporaryDirectory() as tmp:
            pdf = os.path.join(tmp, "blatt.pdf")
            lauf = starte("--erzeuge", "12", "--seed", "8", "--gruppen", "3", "--loesung",
                          "script", "-o", pdf)
            self.assertEqual(lauf.returncode, 0, lauf.stderr)
            gegeben, typen = gruppen_text(pdf)
            self.assertEqual(sorted(gegeben), ["A", "B", "C"])
            self.assertEqual(len(typen["A"]), 12)
            self.assertEqual(typen["A"], typen["B"])
            self.assertEqual(typen["A"], typen["C"])
            for i in range(12):
                werte = {g: re.sub(r"^\d+\. ", "", gegeben[g][i]) for g in "ABC"}
                self.assertEqual(len(set(werte.values())), 3, werte)

            # Group A is the sheet of the seed alone.
            allein = os.path.join(tmp, "allein.pdf")
            starte("--erzeuge", "12", "--seed", "8", "--loesung", "script", "-o", allein)
            a = [x for s in range(1, seiten(allein) + 1) for x in zeilen(woerter(allein, s))
                 if re.match(r"^\d+\. [abcαβγ] = ", x)]
            self.assertEqual(a, gegeben["A"])


    def test_fassungen_eigener_aufgaben(self):
        # --gruppen once worked only with --erzeuge: a teacher could not make A/B versions
        # of her own exercises. SSW with two, one and no triangle, and a letter of her own.
        eigene = (b"3\t4\t5\n5\t7\t\t40\n7\t5\t\t40\n4\t8\t\t70\n\t\t12\t30\t50\n"
                  b"6\t\t\t40\t60\n8\t\t5\t\t70\t\tx\tb\tc\ta\tb\tg\n")
        with tempfile.TemporaryDirectory() as tmp:
            pdf = os.path.join(tmp, "blatt.pdf")
            lauf = starte("--gruppen", "3", "--seed", "3", "--loesung", "script", "--schluessel",
                          "-o", pdf, "-", eingabe=eigene)
            self.assertEqual(lauf.returncode, 0, lauf.stderr)
            gegeben, typen = gruppen_text(pdf)
            self.assertEqual(typen["A"], ["SSS", "SSW", "SSW", "SSW", "WSW", "SWW", "SWS"])
            self.assertEqual(typen["A"], typen["B"])
            self.assertEqual(typen["A"], typen["C"])
            tabelle = schluessel(pdf)
            self.assertEqual([tabelle[("A", n)][1] for n in range(1, 8)],
                             ["1", "2", "1", "0", "1", "1", "1"])
            for n in range(1, 8):
                self.assertEqual({tabelle[(g, n)][1] for g in "ABC"}, {tabelle[("A", n)][1]})
                self.assertEqual(len({re.sub(r"^\d+\. ", "", gegeben[g][n - 1]) for g in "ABC"}),
                                 3, n)
            self.assertTrue(gegeben["A"][0].endswith("a = 3, b = 4, c = 5"))
            # The same seed, the same versions; the own letter stays.
            wieder = os.path.join(tmp, "wieder.pdf")
            starte("--gruppen", "3", "--seed", "3", "-o", wieder, "-", eingabe=eigene)
            self.assertEqual(gruppen_text(wieder)[0], gegeben)
            for g in "ABC":
                self.assertNotIn("a", re.findall(r"(\S+) = ", gegeben[g][6]), gegeben[g][6])


def schluessel(pdf):
    """{(group, number): (values text, number of solutions)} of the answer table."""
    tabelle, gruppe = {}, "A"
    for s in range(1, seiten(pdf) + 1):
        w = woerter(pdf, s)
        if not any("Lösungsschlüssel · Seite" in z for z in zeilen(w)):
            continue
        links = sorted((y, t) for x, y, _, t in w if x < 30 * MM - 1)
        reihen = [(y, t) for y, t in links if re.fullmatch(r"\d+\.|Gruppe", t)]
        for k, (y, t) in enumerate(reihen):
            if t == "Gruppe":
                gruppe = next(g for x, gy, _, g in w if abs(gy - y) < 0.5 and g != "Gruppe")
                continue
            ende = reihen[k + 1][0] if k + 1 < len(reihen) else 280 * MM
            werte = zeilen([x for x in w if y - 1 <= x[1] < ende - 1
                            and 30 * MM - 1 <= x[0] < 170 * MM])
            anzahl = [x[3] for x in w if abs(x[1] - y) < 1 and x[0] >= 170 * MM]
            tabelle[(gruppe, int(t[:-1]))] = (" ".join(werte), anzahl[0])
    return tabelle


def loesungswerte(pdf):
    """{(group, number): [{name: value}, ...]} from the Script lines of the solutions."""
    werte = {}
    for s, w in pb.loesungsseiten(pdf):
        fuss = zeilen(w)[-1]
        gruppe = re.match(r"Gruppe (\w)", fuss)
        gruppe = gruppe.group(1) if gruppe else "A"
        nummern = sorted((y, int(t[:-1])) for x, y, _, t in w
                         if x < 30 * MM - 1 and re.fullmatch(r"\d+\.", t))
        for k, (y, n) in enumerate(nummern):
            ende = nummern[k + 1][0] if k + 1 < len(nummern) else 280 * MM
            z = zeilen([x for x in w if y - 1 <= x[1] < ende - 1 and 30 * MM - 1 <= x[0] < 115 * MM])
            loesungen, aktuell, berechnet = [], None, False
            for i, zeile in enumerate(z):
                if zeile == "Berechnet:":
                    berechnet = True
                    aktuell = {}
                    loesungen.append(aktuell)
                elif re.fullmatch(r"\d\. Lösung:", zeile):
                    if aktuell:
                        aktuell = {}
                        loesungen.append(aktuell)
                elif berechnet and zeile.rstrip(" :").strip() and zeile.endswith(":"):
                    aktuell[zeile.rstrip(" :")] = z[i + 1].split(" (")[0]
            werte[(gruppe, n)] = [l for l in loesungen if l]
    return werte


def zahl(text):
    return float(text.removesuffix(" cm").removesuffix("°").replace(",", "."))


class Schluessel(unittest.TestCase):
    def test_tabelle_gleich_den_loesungsseiten(self):
        with tempfile.TemporaryDirectory() as tmp:
            pdf = os.path.join(tmp, "blatt.pdf")
            lauf = starte("--erzeuge", "15", "--seed", "4", "--gruppen", "2", "--schluessel",
                          "--loesung", "script", "--einheit", "cm", "-o", pdf)
            self.assertEqual(lauf.returncode, 0, lauf.stderr)
            tabelle, loesungen = schluessel(pdf), loesungswerte(pdf)
            self.assertEqual(sorted(tabelle), sorted(loesungen))
            self.assertEqual(len(tabelle), 30)
            for stelle, (text, anzahl) in tabelle.items():
                soll = loesungen[stelle]
                self.assertEqual(anzahl, str(len(soll)), stelle)
                if not soll:
                    self.assertEqual(text, "keine Lösung", stelle)
                    continue
                teile = re.split(r" \d\. Lösung: ", re.sub(r"^1\. Lösung: ", "", text))
                self.assertEqual(len(teile), len(soll), stelle)
                for teil, werte in zip(teile, soll):
                    ist = dict(x.split(" = ") for x in teil.split(", "))
                    # Sides carry the unit in the table, the Script writes none.
                    for name, wert in ist.items():
                        self.assertEqual(wert.endswith(" cm"), name in "abc", (stelle, wert))
                    # The Script writes a third angle from the angle sum in the general
                    # form ("69°"), the table always with the decimals: equal as numbers.
                    self.assertEqual(sorted(ist), sorted(werte), stelle)
                    for name, wert in ist.items():
                        self.assertAlmostEqual(zahl(wert), zahl(werte[name]), delta=5e-4,
                                               msg=(stelle, name))

    def test_stufen_und_nur_loesbar(self):
        faelle = [(["--stufe", "1"], {"1"}, r"^\d+$"), (["--stufe", "2"], {"1", "2"}, None),
                  (["--nur-loesbar"], {"1", "2"}, None), ([], {"0", "1", "2"}, None)]
        with tempfile.TemporaryDirectory() as tmp:
            pdf = os.path.join(tmp, "blatt.pdf")
            for argumente, anzahlen, seite_muster in faelle:
                lauf = starte("--erzeuge", "30", "--seed", "2", "--schluessel",
                              "--loesung", "schluessel", *argumente, "-o", pdf)
                self.assertEqual(lauf.returncode, 0, lauf.stderr)
                self.assertEqual({a for _, a in schluessel(pdf).values()}, anzahlen, argumente)
                if seite_muster:
                    text = " ".join(" ".join(zeilen(woerter(pdf, s))) for s in (1, 2))
                    for wert in re.findall(r"\b[abc] = (\d+(?:,\d+)?)", text):
                        self.assertRegex(wert, seite_muster)
            # Stufe 1 keeps what --help promises of the results: sides of at least 1,
            # every angle acute (once 13 of 300 sides were below 1, some angles obtuse).
            lauf = starte("--erzeuge", "300", "--seed", "5", "--stufe", "1", "--schluessel",
                          "--loesung", "schluessel", "-o", pdf)
            werte = [(n, zahl(w)) for text, _ in schluessel(pdf).values()
                     for n, w in re.findall(r"([abcαβγ]) = (\d+(?:,\d+)?)", text)]
            self.assertGreater(len(werte), 600)
            self.assertEqual([(n, w) for n, w in werte if (w < 1 if n in "abc" else w >= 89.5)], [])
        lauf = starte("--erzeuge", "3", "--stufe", "1", "--typen", "SSW", "-o", "x.pdf")
        self.assertEqual(lauf.returncode, 2)
        self.assertIn("erst ab --stufe 2", lauf.stderr.decode())


if __name__ == "__main__":
    BLATT = pb.BLATT = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1])
