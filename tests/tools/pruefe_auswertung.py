#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-blatt --auswertung as a teacher uses it: three pupils' results files make one
class table (CSV) and a one-page overview (PDF); a damaged, an edited and a foreign file
are named with their reason and left out, never counted. The files are written here by
hand, with Python's own CRC-32, not by the program that reads them.

Usage: pruefe_auswertung.py KALOTRI_BLATT [--bild PNG]"""

import argparse
import pathlib
import subprocess
import sys
import tempfile
import unittest
import zlib

BLATT = None
BILD = None


def ergebnisdatei(name, aufgaben, code="2-SWS-4711-5", datum="2026-12-08"):
    text = f"Kalotri-Ergebnis 1\nName: {name}\nCode: {code}\nDatum: {datum}\n"
    for i, (punkte, hinweise, abzug, noten) in enumerate(aufgaben, 1):
        text += (f"Aufgabe {i}: punkte={punkte} hoechstens={2 * len(noten)} hinweise={hinweise}"
                 f" abzug={abzug} noten={noten}\n")
    roh = text.encode()
    return roh + f"Prüfsumme: {zlib.crc32(roh):08x}\n".encode()


class Auswertung(unittest.TestCase):
    def setUp(self):
        self.ordner = pathlib.Path(tempfile.mkdtemp(prefix="kalotri-auswertung-"))

    def datei(self, name, inhalt):
        pfad = self.ordner / name
        pfad.write_bytes(inhalt)
        return str(pfad)

    def starte(self, *argumente):
        return subprocess.run([BLATT, "--auswertung", *argumente], capture_output=True,
                              timeout=120, cwd=self.ordner)

    def test_drei_schueler_eine_tabelle_beschaedigte_genannt(self):
        anna = self.datei("anna.txt", ergebnisdatei("Anna Ölmez", [(6, 0, 0, "rrr"), (5, 1, 1, "rrr")]))
        ben = self.datei("ben.txt", ergebnisdatei("=Ben", [(3, 0, 0, "rnx"), (0, 2, 2, "xfx")]))
        cem = self.datei("cem.txt", ergebnisdatei("Cem", [(4, 0, 0, "rrx"), (6, 0, 0, "rrr")]))
        kaputt = bytearray(ergebnisdatei("Dora", [(6, 0, 0, "rrr"), (6, 0, 0, "rrr")]))
        kaputt[kaputt.index(b"punkte=6")] ^= 0x20  # one bit on the way
        dora = self.datei("dora.txt", bytes(kaputt))
        # Raised by hand, checksum made anew: the marks do not give 6 points.
        emil = self.datei("emil.txt", ergebnisdatei("Emil", [(6, 0, 0, "xxx"), (6, 0, 0, "rrr")]))
        fremd = self.datei("foto.jpg", b"\xff\xd8\xff\xe0" + b"\0" * 100)
        lauf = self.starte("-o", "klasse.pdf", "--csv", "klasse.csv", anna, dora, ben, emil, cem, fremd)
        self.assertEqual(lauf.returncode, 1, "files were left out")
        fehler = lauf.stderr.decode()
        self.assertEqual(fehler.splitlines(), [
            f"kalotri-blatt: {dora}: beschädigt: die Prüfsumme stimmt nicht, übersprungen",
            f"kalotri-blatt: {emil}: Aufgabe 1 ist nicht lesbar, übersprungen",
            f"kalotri-blatt: {fremd}: keine Ergebnisdatei von Kalotri, übersprungen",
        ])
        self.assertEqual((self.ordner / "klasse.csv").read_text(encoding="utf-8-sig").splitlines(), [
            "Name;Code;Datum;A1;A2;Punkte;von;Prozent;Hinweise",
            "Anna Ölmez;2-SWS-4711-5;2026-12-08;6;5;11;12;91,6;1",
            "'=Ben;2-SWS-4711-5;2026-12-08;3;0;3;12;25,0;2",
            "Cem;2-SWS-4711-5;2026-12-08;4;6;10;12;83,3;0",
            "Klasse (%);;;72,2;61,1;24;36;66,6;",
        ])
        pdf = self.ordner / "klasse.pdf"
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
        self.assertRegex(info, r"Pages:\s+1\n")
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True,
                              check=True).stdout
        for wort in ("Klassenübersicht", "Anna Ölmez", "=Ben", "Cem", "Klasse (%)", "72,2",
                     "dora.txt: beschädigt", "lassen sich von ihnen", "bearbeiten"):
            self.assertIn(wort, text)
        self.assertNotIn("Dora", text.replace("dora.txt", ""))
        if BILD:
            subprocess.run(["pdftoppm", "-png", "-r", "70", "-singlefile", pdf,
                            str(pathlib.Path(BILD).with_suffix(""))], check=True)

    def test_ohne_lesbare_datei_nichts_geschrieben(self):
        leer = self.datei("leer.txt", b"")
        halb = self.datei("halb.txt", ergebnisdatei("Anna", [(6, 0, 0, "rrr")])[:60])
        lauf = self.starte("-o", "klasse.pdf", "--csv", "klasse.csv", leer, halb, "fehlt.txt")
        self.assertEqual(lauf.returncode, 3)
        self.assertIn("halb.txt: unvollständig: die Prüfsumme fehlt, übersprungen", lauf.stderr.decode())
        self.assertIn("fehlt.txt: lässt sich nicht lesen, übersprungen", lauf.stderr.decode())
        self.assertEqual(sorted(p.name for p in self.ordner.iterdir()), ["halb.txt", "leer.txt"])

    def test_aufruf(self):
        anna = self.datei("anna.txt", ergebnisdatei("Anna", [(6, 0, 0, "rrr")]))
        for argumente, meldung in [((), "braucht Ergebnisdateien"),
                                   (("--titel", "x", anna), "nimmt nur -o und --csv, nicht --titel"),
                                   (("-o", "a.pdf", "--csv", "a.pdf", anna), "dieselbe Datei")]:
            lauf = self.starte(*argumente)
            self.assertEqual(lauf.returncode, 2, argumente)
            self.assertIn(meldung, lauf.stderr.decode())
        lauf = self.starte(anna)  # the table on standard output
        self.assertEqual(lauf.returncode, 0)
        self.assertIn("Anna;2-SWS-4711-5;2026-12-08;6;6;6;100,0;0", lauf.stdout.decode())


if __name__ == "__main__":
    p = argparse.ArgumentParser()
    p.add_argument("blatt")
    p.add_argument("--bild")
    a, rest = p.parse_known_args()
    BLATT, BILD = a.blatt, a.bild
    unittest.main(argv=[sys.argv[0], "-v", *rest])
