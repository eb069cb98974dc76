#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Command line, exit codes, text output and input framing of kalotri-rechne.

The calculation results themselves are checked by pruefe_faelle.py; here only what the
front end adds around them.
"""

import json
import os
import subprocess
import sys
import unittest

PROGRAMM = None

# {0} stands for the decimal separator.
SSS_345_TEXT = (
    "Typ: SSS\nGegeben:\na:\n3{0}000\nb:\n4{0}000\nc:\n5{0}000\nBerechnet:\n"
    "α:\n36{0}870° (Cosinussatz)\nβ :\n53{0}130° (Cosinussatz)\n"
    "γ :\n90{0}000° (Winkelsumme, besser: Cosinussatz)\n\n"
)


def starte(*argumente, eingabe=b"", umgebung=None):
    env = dict(os.environ)
    env.update(umgebung or {})
    return subprocess.run([PROGRAMM, *argumente], input=eingabe, capture_output=True,
                          timeout=60, env=env)


def json_zeilen(lauf):
    return [json.loads(z) for z in lauf.stdout.decode("utf-8").splitlines()]


class Optionen(unittest.TestCase):
    def test_hilfe(self):
        lauf = starte("--help")
        self.assertEqual(lauf.returncode, 0)
        self.assertIn("Aufruf: kalotri-rechne", lauf.stdout.decode())

    def test_version(self):
        lauf = starte("--version")
        self.assertEqual(lauf.returncode, 0)
        self.assertRegex(lauf.stdout.decode(), r"\Akalotri-rechne \d+\.\d+(\.\d+)*\n\Z")
        self.assertIn("--version", starte("--help").stdout.decode())

    def test_falsche_optionen_enden_mit_2(self):
        for argumente in (["--unbekannt"], ["--dezimalen"], ["--trennzeichen"], ["--trennzeichen", ""],
                          ["--dezimalen", "x"], ["--dezimalen", "-1"]):
            with self.subTest(argumente=argumente):
                lauf = starte(*argumente, eingabe=b"3\t4\t5\n")
                self.assertEqual(lauf.returncode, 2)
                self.assertEqual(lauf.stdout, b"")
                # Every option error reads alike: program name, text, full stop, help line.
                self.assertRegex(lauf.stderr.decode(),
                                 r"\Akalotri-rechne: [^\n]+\.\nHilfe mit: kalotri-rechne --help\n\Z")

    def test_unbekannte_option_steht_in_anfuehrungszeichen(self):
        # Found by fuzzing: an option ending in "." gave a message ending in "..".
        lauf = starte("--foo.", eingabe=b"")
        self.assertIn("Unbekannte Option '--foo.'.\n", lauf.stderr.decode())

    def test_ungueltige_anzahl_zeigt_den_text_des_dialogs(self):
        for text in ("", "abc", "3.5", "3 "):
            with self.subTest(text=text):
                lauf = starte("--dezimalen", text, eingabe=b"3\t4\t5\n")
                self.assertEqual(lauf.returncode, 2)
                self.assertEqual(lauf.stdout, b"")
                self.assertIn(f": '{text}' ist kein gültiger Integerwert.\n", lauf.stderr.decode())

    def test_wert_mit_gleichheitszeichen(self):
        lauf = starte("--dezimalen=1", "--trennzeichen=.", eingabe=b"1\t1\t1\n")
        self.assertEqual(lauf.returncode, 0)
        self.assertIn("1.0\n", lauf.stdout.decode())

    def test_laengste_maske_geht_noch(self):
        lauf = starte("--json", "--trennzeichen", ",", "--dezimalen", "222", eingabe=b"3\t4\t5\n")
        (ergebnis,) = json_zeilen(lauf)
        self.assertIsNone(ergebnis["fehler"])
        self.assertEqual(ergebnis["zeilen"][3]["text"], "3," + "0" * 222)


class Trennzeichen(unittest.TestCase):
    def test_vorgegebenes_trennzeichen(self):
        lauf = starte("--trennzeichen", ".", eingabe=b"3\t4\t5\n")
        self.assertEqual(lauf.stdout.decode(), SSS_345_TEXT.format("."))

    def test_ohne_angabe_das_des_gebietsschemas(self):
        lauf = starte(eingabe=b"1\t1\t1\n", umgebung={"LC_ALL": "C"})
        self.assertIn("1.000\n", lauf.stdout.decode())
        deutsch = [n for n in subprocess.run(["locale", "-a"], capture_output=True, text=True)
                   .stdout.split() if n.lower().startswith("de_de.utf")]
        if not deutsch:
            self.skipTest("kein deutsches Gebietsschema installiert")
        lauf = starte(eingabe=b"1\t1\t1\n", umgebung={"LC_ALL": deutsch[0]})
        self.assertIn("1,000\n", lauf.stdout.decode())


class Textausgabe(unittest.TestCase):
    def test_griechische_buchstaben_und_leerzeile(self):
        lauf = starte("--trennzeichen", ",", eingabe=b"3\t4\t5\n")
        self.assertEqual(lauf.returncode, 0)
        self.assertEqual(lauf.stdout.decode(), SSS_345_TEXT.format(","))

    def test_meldung_und_fehler(self):
        lauf = starte("--trennzeichen", ",", eingabe=b"abc\n\n\t\t5\t100\t80\n")
        self.assertEqual(lauf.returncode, 0, "messages and errors are results")
        self.assertEqual(
            lauf.stdout.decode(),
            "Meldung: Fehlerhafte Eingabe!\n\n"
            "\n"
            "Typ: WSW\nGegeben:\nc:\n5,000\nα:\n100,000°\nβ:\n80,000°\nBerechnet:\n"
            "Fehler: Gleitkommadivision durch Null.\n\n")


class Rechenweg(unittest.TestCase):
    # The steps themselves are checked in the engine's worked examples; here the framing.
    def test_schritte_statt_script_mit_leerzeile_und_fehlerzeile(self):
        eingabe = b"3\t4\t8\t\t\t\tx\x1b\ty\tz\ta\tb\tg\n3\t4\n1\t2\t3\t4\t5\t6\t7\n"
        lauf = starte("--rechenweg", "--trennzeichen", ",", eingabe=eingabe)
        self.assertEqual(lauf.returncode, 1)
        # Too few values and a wrong line each say why.
        hinweis, rest = lauf.stdout.decode().split("\n\n", 1)
        self.assertTrue(hinweis.startswith("So wird gerundet: "), "once, at the top")
        self.assertEqual(
            rest,
            "Gegeben: x\\x1B = 3; y = 4; z = 8\n"
            "Jede Seite eines Dreiecks ist kürzer als die beiden anderen zusammen; z ist aber "
            "nicht kürzer als x\\x1B + y.\n"
            "Kein Dreieck!\n\n"
            "Nur 2 Werte gegeben; eine Aufgabe braucht drei, darunter eine Seite.\n\n"
            "Fehler: Zeile 3: 7 Felder in der Zeile; erlaubt sind bis zu 6 oder genau 12.\n\n")

    def test_mit_json_ein_feld_mehr(self):
        ohne, mit = (json_zeilen(starte("--json", *extra, "--trennzeichen", ",",
                                        eingabe=b"5\t7\t\t40\n"))[0] for extra in ([], ["--rechenweg"]))
        self.assertNotIn("rechenweg", ohne)
        self.assertEqual(ohne, {k: v for k, v in mit.items() if k != "rechenweg"})
        text = starte("--rechenweg", "--trennzeichen", ",", eingabe=b"5\t7\t\t40\n").stdout.decode()
        # The note on rounding stands once at the top of the text, not in the data.
        self.assertEqual([z for s in mit["rechenweg"] for z in s["zeilen"]], text.splitlines()[2:-1])
        seiten = [(s["dreieck"], s["ergebnis"]) for s in mit["rechenweg"] if s["groesse"] == "c"]
        self.assertEqual(seiten, [(0, "c₁ ≈ 7,543"), (1, "c₂ ≈ 3,182")])


class Eingabezeilen(unittest.TestCase):
    def test_crlf_bom_und_letzte_zeile_ohne_zeilenende(self):
        unix = starte("--json", eingabe=b"3\t4\t5\n5\t7\t\t40\n")
        windows = starte("--json", eingabe=b"\xef\xbb\xbf3\t4\t5\r\n5\t7\t\t40")
        self.assertEqual(windows.returncode, 0)
        self.assertEqual(windows.stdout, unix.stdout)

    def test_jede_aufgabe_in_frischem_script(self):
        zweite = json_zeilen(starte("--json", eingabe=b"3\t4\t5\n3\t4\t5\n"))[1]
        self.assertEqual(zweite["zeilen"][0], {"schrift": "MS Sans Serif", "text": "Typ: SSS"})

    def test_buchstaben_aus_den_feldern_7_bis_12(self):
        eingabe = "3\t4\t5\t\t\t\tg\t\tlänge\tg\tb\tc\n".encode()
        zeilen = json_zeilen(starte("--json", eingabe=eingabe))[0]["zeilen"]
        namen = [(z["schrift"][0], z["text"]) for z in zeilen if z["text"].endswith(":")]
        self.assertEqual(namen, [("M", "Gegeben:"), ("M", "g:"), ("M", ":"), ("M", "länge:"),
                                 ("M", "Berechnet:"), ("S", "g:"), ("S", "b :"), ("S", "c :")])
        text = starte("--trennzeichen", ",", eingabe=eingabe).stdout.decode()
        self.assertTrue(text.startswith("Typ: SSS\nGegeben:\ng:\n"), "a side's g stays Latin")
        self.assertIn("\nγ:\n", text)
        self.assertIn("\nβ :\n", text)
        self.assertIn("\nχ :\n", text)

    def test_falsche_felderzahl_ergibt_fehler_fuer_diese_zeile(self):
        eingabe = b"3\t4\t5\t\t\t\ta\n" + b"\t" * 12 + b"\n3\t4\t5\n"
        lauf = starte("--json", eingabe=eingabe)
        self.assertEqual(lauf.returncode, 1)
        sieben, dreizehn, gut = json_zeilen(lauf)
        for falsch, anzahl in ((sieben, 7), (dreizehn, 13)):
            self.assertEqual(falsch["zeilen"], [])
            self.assertIn(f"{anzahl} Felder", falsch["fehler"])
        self.assertEqual(gut["zeilen"][0]["text"], "Typ: SSS")
        self.assertIn("Zeile 2", lauf.stderr.decode())

    def test_ungueltiges_utf8_bricht_json_nicht(self):
        eingabe = b"3\t4\t5\t\t\t\t\xff\tb\tc\ta\tb\t\xc3\n"
        lauf = starte("--json", eingabe=eingabe)
        self.assertEqual(lauf.returncode, 0)
        (ergebnis,) = json_zeilen(lauf)
        self.assertIn("\ufffd:", [z["text"] for z in ergebnis["zeilen"]])

    def test_leere_eingabe(self):
        lauf = starte("--json")
        self.assertEqual((lauf.returncode, lauf.stdout), (0, b""))


if __name__ == "__main__":
    PROGRAMM = sys.argv.pop(1)
    unittest.main()
