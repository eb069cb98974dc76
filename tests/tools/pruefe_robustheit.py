#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kalotri-rechne against hostile input and a hostile environment: unreadable input,
unwritable output, every kind of line end, huge lines, odd separators and terminal control
characters. Each case once made the tool misbehave."""

import json
import os
import resource
import subprocess
import sys
import tempfile
import unittest

PROGRAMM = None

# The exit codes --help lists.
FALSCHE_OPTION, LESEFEHLER, SCHREIBFEHLER, ZU_WENIG_SPEICHER = 2, 3, 4, 5


def starte(*argumente, eingabe=b"", **weiteres):
    return subprocess.run([PROGRAMM, *argumente], input=eingabe, capture_output=True,
                          timeout=120, **weiteres)


def mit_sanitizer():
    # A sanitizer reserves terabytes of address space; a limit on it cannot be tested there.
    with open(PROGRAMM, "rb") as f:
        return b"__asan_init" in f.read()


def lauf_mit_datei(stuecke, grenze=None, argumente=("--json",)):
    """Runs the tool on a file written piece by piece (the test itself stays small: a child
    starts with its parent's memory as its peak); returns exit code, stdout, stderr and
    peak memory in KiB."""
    with tempfile.TemporaryFile() as eingabe, tempfile.TemporaryFile() as aus, \
            tempfile.TemporaryFile() as err:
        for stueck in stuecke:
            eingabe.write(stueck)
        eingabe.seek(0)
        begrenze = (lambda: resource.setrlimit(resource.RLIMIT_AS, (grenze, grenze))) \
            if grenze else None
        prozess = subprocess.Popen([PROGRAMM, *argumente], stdin=eingabe, stdout=aus, stderr=err,
                                   preexec_fn=begrenze)
        _, status, nutzung = os.wait4(prozess.pid, 0)
        prozess.returncode = os.waitstatus_to_exitcode(status)
        aus.seek(0)
        err.seek(0)
        return prozess.returncode, aus.read(), err.read().decode(), nutzung.ru_maxrss


class EinUndAusgabe(unittest.TestCase):
    def test_lesefehler_hat_eigenen_code_und_meldung(self):
        verzeichnis = os.open(os.path.dirname(os.path.abspath(__file__)), os.O_RDONLY)
        try:
            lauf = subprocess.run([PROGRAMM], stdin=verzeichnis, capture_output=True, timeout=60)
        finally:
            os.close(verzeichnis)
        self.assertEqual(lauf.returncode, LESEFEHLER)
        self.assertRegex(lauf.stderr.decode(), r"\Akalotri-rechne: Fehler beim Lesen der Eingabe")

    def test_schreibfehler_hat_eigenen_code_und_meldung(self):
        if not os.path.exists("/dev/full"):
            self.skipTest("kein /dev/full")
        with open("/dev/full", "wb") as voll:
            lauf = subprocess.run([PROGRAMM], input=b"3\t4\t5\n", stdout=voll,
                                  stderr=subprocess.PIPE, timeout=60)
        self.assertEqual(lauf.returncode, SCHREIBFEHLER)
        self.assertRegex(lauf.stderr.decode(),
                         r"\Akalotri-rechne: Fehler beim Schreiben der Ausgabe")

    def test_zeilenenden_lf_crlf_und_cr(self):
        ergebnisse = [starte("--json", eingabe=ende.join([b"3\t4\t5", b"abc", b"5\t7\t\t40"]) + ende)
                      for ende in (b"\n", b"\r\n", b"\r")]
        self.assertEqual(len(ergebnisse[0].stdout.splitlines()), 3)
        for lauf in ergebnisse:
            self.assertEqual((lauf.returncode, lauf.stdout), (0, ergebnisse[0].stdout))


class GrosseZeilen(unittest.TestCase):
    @staticmethod
    def zeile():
        return [b"\t" * 1_000_000] * 20 + [b"\n3\t4\t5\n"]

    def pruefe_zwei_ergebnisse(self, code, aus, err):
        self.assertEqual(code, 1, err)
        falsch, gut = [json.loads(z) for z in aus.splitlines()]
        self.assertIn("20000001 Felder", falsch["fehler"])
        self.assertEqual(gut["zeilen"][0]["text"], "Typ: SSS")

    def test_viele_felder_brauchen_keinen_speicher(self):
        code, aus, err, spitze = lauf_mit_datei(self.zeile())
        self.pruefe_zwei_ergebnisse(code, aus, err)
        # Storing the fields took over 500 MB here; reading them as a stream a few MB.
        self.assertLess(spitze, 150 * 1024)

    def test_unter_speichergrenze_kein_absturz(self):
        if mit_sanitizer():
            self.skipTest("Sanitizer-Build")
        self.pruefe_zwei_ergebnisse(*lauf_mit_datei(self.zeile(), grenze=200 << 20)[:3])
        # A field of 300 MB ran out of memory; a box holds 1000 bytes, so it is cut while
        # read and the line refused, as kalotri-blatt refuses it.
        code, aus, err, _ = lauf_mit_datei([b"1" * (1 << 20)] * 300 + [b"\n"], grenze=200 << 20)
        self.assertEqual((code, err), (1, "kalotri-rechne: Zeile 1: ein Feld ist länger als "
                                          "1000 Bytes\n"))

    def test_riesiger_buchstabe_wie_im_arbeitsblatt(self):
        # A letter of 10 MB took 500 MB and came back as a 110 MB line; now the line is
        # refused as kalotri-blatt refuses it, and the next one computed.
        code, aus, err, spitze = lauf_mit_datei(
            [b"3\t4\t5\t\t\t\t", b"x" * 10_000_000, b"\tb\tc\ta\tb\tg\n3\t4\t5\n"],
            argumente=["--json", "--rechenweg"])
        self.assertEqual((code, err), (1, "kalotri-rechne: Zeile 1: Feld 7 (Buchstabe von a) "
                                          "ist länger als 160 Bytes\n"))
        falsch, gut = aus.splitlines()
        self.assertLess(len(falsch), 200)
        self.assertEqual(json.loads(gut)["zeilen"][0]["text"], "Typ: SSS")
        self.assertLess(spitze, 150 * 1024)
        lang = b"3\t4\t5\t\t\t\t" + b"\t".join([b"x" * 161] + [b"y" * 160] * 5) + b"\n"
        self.assertEqual(lauf_mit_datei([lang])[0], 1)
        self.assertEqual(lauf_mit_datei([lang.replace(b"x" * 161, b"x" * 160)])[0], 0)


class Trennzeichen(unittest.TestCase):
    def test_was_kein_dezimaltrennzeichen_sein_kann(self):
        for zeichen in ("5", "+", "-", " ", "\t", "\n", "\r", "\x1b", "\x7f", "\u00a0", "\u009b",
                        ",5"):
            with self.subTest(zeichen=zeichen):
                lauf = starte("--trennzeichen", zeichen, eingabe=b"3\t4\t5\n")
                self.assertEqual((lauf.returncode, lauf.stdout), (FALSCHE_OPTION, b""))
                self.assertRegex(lauf.stderr.decode(),
                                 r"\Akalotri-rechne: Das Dezimaltrennzeichen (darf keine|muss genau ein) .*\.\n"
                                 r"Hilfe mit: kalotri-rechne --help\n\Z")
        for zeichen in (",", ".", "\u066b", "·"):
            with self.subTest(zeichen=zeichen):
                lauf = starte("--trennzeichen", zeichen, eingabe=b"1\t1\t1\n")
                self.assertIn(f"1{zeichen}000\n", lauf.stdout.decode())

    def test_steuerzeichen_der_option_werden_nicht_ausgegeben(self):
        lauf = starte("--\x1b[2J", eingabe=b"")
        self.assertEqual(lauf.returncode, FALSCHE_OPTION)
        self.assertNotIn(b"\x1b", lauf.stderr)


class Steuerzeichen(unittest.TestCase):
    EINGABE = "3\t4\t5\t\t\t\ta\x1b[31m\tb\x07\tc\u009b\ta\x00\tb\tg\r\n".encode()

    def test_textausgabe_zeigt_steuerzeichen_sichtbar(self):
        text = starte("--trennzeichen", ",", eingabe=self.EINGABE).stdout.decode()
        for sichtbar in ("\na\\x1B[31m:\n", "\nb\\x07:\n", "\nc\\u009B:\n", "\nα\\x00:\n"):
            self.assertIn(sichtbar, text)
        self.assertFalse([z for z in text if z < " " and z != "\n" or "\x7f" <= z <= "\x9f"])

    def test_json_bleibt_wie_es_ist(self):
        (ergebnis,) = [json.loads(z) for z in starte("--json", eingabe=self.EINGABE).stdout.splitlines()]
        namen = [z["text"] for z in ergebnis["zeilen"] if z["text"].endswith(":")]
        self.assertIn("a\x1b[31m:", namen)
        self.assertIn("a\x00:", namen)


class JsonBytes(unittest.TestCase):
    def test_ungueltiges_utf8_und_steuerzeichen_wie_immer(self):
        # Each ill-formed part becomes one U+FFFD; control characters as lower-case \u
        # escapes, DEL and "/" unescaped: the bytes the tool has always written.
        eingabe = (b"3\t4\t5\t\t\t\t\xe0\x80x\t\xf0\x9f\x98\xc3\t\x1b\x7f\"\\\\/\t"
                   b"\xed\xa0\x80\t\xc0\xaf\t\xf4\x90\x80\x80\n")
        aus = starte("--json", eingabe=eingabe).stdout
        ersatz = "\ufffd".encode()
        for name in (ersatz * 2 + b"x:", ersatz * 2 + b":", b'\\u001b\x7f\\"\\\\\\\\/:',
                     ersatz * 3 + b":", ersatz * 2 + b" :", ersatz * 4 + b" :"):
            self.assertIn(b'"text":"' + name + b'"', aus)


if __name__ == "__main__":
    PROGRAMM = sys.argv.pop(1)
    unittest.main()
