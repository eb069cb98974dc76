#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt writes sheets a screen reader can read: every kind of sheet passes the
PDF/UA check of pdfua_pruefer.py, its headings are those on its pages in their order,
the text of its structure is the sheet's text in reading order, and its figures are
described with the values they show.

    pruefe_pdfua.py KALOTRI_BLATT KALOTRI_RECHNE
"""

import html
import math
import re
import subprocess
import sys
import tempfile
import unittest

import pdfua_pruefer

BLATT = RECHNE = None
MM = 72 / 25.4
# Two SSW solutions, a flat triangle, a message and own letters.
AUFGABEN = ("5\t7\t\t40\t\t\n3\t4\t\t\t\t180\n3\t4\t7\t\t\t\n"
            "7\t5\t\t40\t\t\tx\ty\tz\tp\tq\tr\n\t\t10\t30,25\t60\t\n")
ZWEI = "5\t7\t\t40\t\t\n3\t4\t5\t\t\t\n"

# Every kind of sheet: the options, and the exercises on standard input where not made.
ARTEN = {
    "plain": (["--ohne-loesungen", "--skizze", "--schule", "Gymnasium", "--klasse", "9b"], ZWEI),
    "rechenweg": (["--einheit", "cm", "--skizze", "--schluessel"], ZWEI),
    "script": (["--loesung", "script", "--erzeuge", "12", "--seed", "2"], ""),
    "mehr": (["--mehr", "--erzeuge", "6", "--seed", "3"], ""),
    "gruppen": (["--erzeuge", "8", "--gruppen", "2", "--seed", "4", "--schluessel"], ""),
    "schluessel": (["--loesung", "schluessel", "--erzeuge", "60", "--seed", "5",
                    "--schluessel"], ""),
    "sach": (["--sachaufgaben", "--erzeuge", "5", "--seed", "6", "--schluessel"], ""),
    "platz": (["--platz", "9", "--skizze", "--erzeuge", "5", "--seed", "7", "--schule",
               "Gymnasium am See", "--datum", "8. Dezember"], ""),
}


def ohne_raum(text):
    return re.sub(r"\s+", "", text)


def woerter(pdf, mit_hoehe=False):
    """Per page the words with their left edge (and top), in the order pdftotext reads."""
    roh = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True,
                         check=True).stdout
    seiten = []
    for seite in roh.split("<page ")[1:]:
        funde = re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>(.*?)</word>', seite)
        seiten.append([(float(x), float(y), html.unescape(t)) if mit_hoehe
                       else (float(x), html.unescape(t)) for x, y, t in funde])
    return seiten


class Blaetter(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.ordner = tempfile.TemporaryDirectory()
        cls.pdf = {}
        for art, (optionen, eingabe) in ARTEN.items():
            pfad = f"{cls.ordner.name}/{art}.pdf"
            # A title with a control character, a byte that is no UTF-8 and a character no
            # face has still makes a title the document and its XMP agree on.
            titel = f"Blatt {art} & Co.".encode() + (b" \x01\xff\xee\x80\x80" if art == "plain"
                                                      else b"")
            lauf = subprocess.run([BLATT, "-o", pfad, "--titel", titel, *optionen], input=eingabe.encode(), capture_output=True,
                                  timeout=120)
            assert lauf.returncode == 0, lauf.stderr.decode()
            cls.pdf[art] = pfad

    @classmethod
    def tearDownClass(cls):
        cls.ordner.cleanup()

    def test_jedes_blatt_besteht_die_pruefung(self):
        for art, pfad in self.pdf.items():
            with self.subTest(art=art):
                self.assertEqual(pdfua_pruefer.pruefe(pfad), [])

    def test_ueberschriften_wie_auf_den_seiten(self):
        # The numbers at the left margin (20 mm) head exercises and solutions, but not
        # the rows of the key; every page of a part begins with its title on its first.
        for art, pfad in self.pdf.items():
            with self.subTest(art=art):
                blaetter = pdfua_pruefer.blaetter(pfad)
                h2 = [t for a, t, _ in blaetter if a == "H2"]
                erwartet = []
                for seite in woerter(pfad):
                    if any(t == "Lösungsschlüssel" for _, t in seite[-6:]):
                        continue
                    erwartet += [t for x, t in seite
                                 if re.fullmatch(r"\d+\.", t) and abs(x - 20 * 72 / 25.4) < 1]
                self.assertEqual(h2, erwartet)
                h1 = [t for a, t, _ in blaetter if a == "H1"]
                self.assertTrue(h1[0].startswith(f"Blatt {art}"))
                self.assertEqual(h1.count("Lösungsschlüssel"), 1 if "--schluessel" in
                                 ARTEN[art][0] else 0)

    def test_loesungen_in_lesefolge_wie_kalotri_rechne(self):
        # The text of the solutions, in the structure's order and without the figures'
        # column, is the batch tool's worked steps or Script lines for the same exercises.
        for form, rechne_optionen in (("rechenweg", ["--rechenweg"]), ("script", [])):
            with self.subTest(form=form), tempfile.TemporaryDirectory() as tmp:
                pfad = f"{tmp}/blatt.pdf"
                subprocess.run([BLATT, "-o", pfad, "--loesung", form, "--trotzdem", "-"],
                               input=AUFGABEN.encode(), capture_output=True, check=False)
                erwartet = subprocess.run([RECHNE, *rechne_optionen, "--trennzeichen", ","],
                                          input=AUFGABEN.encode(), capture_output=True).stdout
                blaetter = pdfua_pruefer.blaetter(pfad)
                start = blaetter.index(("H1", "Lösungen", ("Document",)))
                text = [t for a, t, oben in blaetter[start + 1:]
                        if a == "P" and "Div" not in oben]
                self.assertEqual(ohne_raum("".join(text)), ohne_raum(erwartet.decode()))

    def test_aufgaben_in_lesefolge_wie_auf_der_seite(self):
        # Title, head, then each exercise's given values and task: the words of the text
        # column, top to bottom, and the sketches beside it described.
        for art in ("plain", "platz", "sach"):
            with self.subTest(art=art):
                pfad = self.pdf[art]
                blaetter = pdfua_pruefer.blaetter(pfad)
                ende = next((i for i, b in enumerate(blaetter[2:], 2) if b[0] == "H1"),
                            len(blaetter))
                struktur = [t for a, t, _ in blaetter[:ende] if a in ("H1", "P")]
                seiten = woerter(pfad, mit_hoehe=True)
                gelesen = []
                for seite in seiten:
                    if not any(t == "Aufgaben" for _, _, t in seite[-8:]):
                        break
                    # The head ends with the line "Name: … Klasse: … Datum: …"; on later
                    # pages it is repeated as decoration.
                    kopf = next(y for _, y, t in seite if t == "Name:") + 1
                    fuss = max(y for _, y, _ in seite) - 1
                    erste = seite is seiten[0]
                    spalte = [(round(y), x, t) for x, y, t in seite
                              if erste and y < kopf or kopf < y < fuss and 29 * MM < x < 120 * MM]
                    gelesen += [t for _, _, t in sorted(spalte)]
                # The running head of later pages is decoration.
                self.assertEqual(ohne_raum("".join(struktur)),
                                 ohne_raum("".join(gelesen)))

    def test_figuren_beschrieben(self):
        blaetter = pdfua_pruefer.blaetter(self.pdf["rechenweg"])
        alt = [t for a, t, _ in blaetter if a == "Figure"]
        self.assertEqual(alt[:2], [
            "Skizze (nicht maßstäblich): Dreieck ABC. Gegeben: a = 5 cm, b = 7 cm, α = 40°. "
            "Gesucht: β, γ, c.",
            "Skizze (nicht maßstäblich): Dreieck ABC. Gegeben: a = 3 cm, b = 4 cm, c = 5 cm. "
            "Gesucht: α, β, γ."])
        # The solutions' figures hold the values of the key, each triangle its own.
        loesungen = [re.sub(r"^\d\. Lösung: ", "", t) for a, t, oben in blaetter
                     if a == "P" and "TD" in oben]
        self.assertEqual(len(alt), 2 + len(loesungen))
        for figur, werte in zip(alt[2:], loesungen):
            self.assertIn("Maßstab 1 : ", figur)
            self.assertIn("Gegeben: a = ", figur)
            for wert in werte.split(", "):
                self.assertRegex(figur, r"Berechnet: .*" + re.escape(wert))
        for a, t, _ in pdfua_pruefer.blaetter(self.pdf["sach"]):
            if a == "Figure" and t.startswith("Skizze"):
                self.assertRegex(t, r"Gesucht: \S+ = \?")
        self.assertIn("Fluss", " ".join(t for _, t, _ in pdfua_pruefer.blaetter(self.pdf["sach"])))

    def test_figuren_in_wahrer_groesse(self):
        # The filled triangles of the last page, in millimetres: 5, 7, 7.543 cm at 1 : 2
        # and 3, 4, 5 cm at 1 : 1.
        import pikepdf
        with pikepdf.open(self.pdf["rechenweg"]) as pdf:
            inhalt = pikepdf.unparse_content_stream(
                pikepdf.parse_content_stream(pdf.pages[-1])).decode("latin-1")
        zahl = r"([\d.]+) ([\d.]+)"
        seiten = []
        for treffer in re.finditer(rf"{zahl} m\n{zahl} l\n{zahl} l\nh\n[\d. ]+m\nB\*", inhalt):
            v = [float(x) for x in treffer.groups()]
            ecken = [(v[0], v[1]), (v[2], v[3]), (v[4], v[5])]
            seiten.append(sorted(round(math.dist(ecken[i], ecken[i - 1]) / MM, 1)
                                 for i in range(3)))
        self.assertEqual(seiten, [[25.0, 35.0, 37.7], [15.9, 25.0, 35.0], [30.0, 40.0, 50.0]])

    def test_schluessel_als_tabelle_mit_kopfzellen(self):
        blaetter = pdfua_pruefer.blaetter(self.pdf["gruppen"])
        kopf = [t for a, t, _ in blaetter if a == "TH"]
        self.assertEqual(kopf, ["Nr.", "Gesuchte Größen", "Lösungen", "Gruppe A", "Gruppe B"])

    def test_ohne_ausgezeichneten_text_erkannt(self):
        # The checker itself: the same sheet rewritten without its structure fails.
        with tempfile.NamedTemporaryFile(suffix=".pdf") as datei:
            subprocess.run(["pdftocairo", "-pdf", self.pdf["plain"], datei.name], check=True)
            probleme = pdfua_pruefer.pruefe(datei.name)
        self.assertIn("kein Strukturbaum", probleme)
        self.assertIn("XMP pdfuaid:part=1 fehlt", probleme)


if __name__ == "__main__":
    BLATT, RECHNE = sys.argv.pop(1), sys.argv.pop(1)
    unittest.main()
