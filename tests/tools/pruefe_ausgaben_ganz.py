#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Outputs that appear whole or not at all: standard output gets nothing when a line fails,
a closed pipe ends with exit code 4 and leaves no file, every catchable signal that ends
kalotri-blatt leaves no hidden temporary file, progress shows only on a terminal and not
with --leise; kalotri-rechne --rechenweg says why a line of two values gives nothing.
"""

import glob
import os
import pty
import re
import signal
import subprocess
import sys
import tempfile
import time
import unittest

RECHNE = BLATT = None
SCHREIBFEHLER = 4


def reste(ordner):
    return glob.glob(os.path.join(ordner, ".kalotri-*"))


class AllesOderNichts(unittest.TestCase):
    def test_standardausgabe_bleibt_leer_wenn_eine_zeile_scheitert(self):
        lauf = subprocess.run([BLATT, "--moodle", "-"], input=b"3\t4\t5\n1\t2\t5\n",
                              capture_output=True, timeout=120)
        self.assertEqual(lauf.returncode, 1, lauf.stderr)
        self.assertEqual(lauf.stdout, b"")

    def test_geschlossene_pipe_gibt_schreibfehler_und_keine_datei(self):
        with tempfile.TemporaryDirectory() as ordner:
            blatt = subprocess.Popen([BLATT, "-o", os.path.join(ordner, "b.pdf"), "--moodle",
                                      "-", "--erzeuge", "3", "--seed", "1"],
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            blatt.stdout.close()  # the reader is gone before the first byte
            fehler = blatt.stderr.read().decode()
            blatt.stderr.close()
            self.assertEqual(blatt.wait(timeout=120), SCHREIBFEHLER, fehler)
            self.assertIn("Standardausgabe lässt sich nicht schreiben", fehler)
            self.assertEqual(os.listdir(ordner), [])

    def test_geschlossene_pipe_auch_bei_kalotri_rechne(self):
        rechne = subprocess.Popen([RECHNE], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  stderr=subprocess.PIPE)
        rechne.stdout.close()
        _, fehler = rechne.communicate(b"3\t4\t5\n" * 20000, timeout=120)
        self.assertEqual(rechne.returncode, SCHREIBFEHLER, fehler)
        self.assertIn("Fehler beim Schreiben der Ausgabe", fehler.decode())

    def test_jedes_signal_raeumt_auf(self):
        for name in ("INT", "TERM", "HUP", "QUIT", "ALRM", "XCPU", "XFSZ", "USR1"):
            with self.subTest(signal=name), tempfile.TemporaryDirectory() as ordner:
                ziel = os.path.join(ordner, "q.xml")
                blatt = subprocess.Popen([BLATT, "--moodle", ziel, "--erzeuge", "400", "--seed",
                                          "2"], stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
                ende = time.monotonic() + 60
                while not reste(ordner) and blatt.poll() is None and time.monotonic() < ende:
                    time.sleep(0.005)
                self.assertTrue(reste(ordner), "no temporary file seen while writing")
                blatt.send_signal(getattr(signal, "SIG" + name))
                blatt.wait(timeout=60)
                self.assertEqual(os.listdir(ordner), [])

    def test_fortschritt_nur_am_terminal_und_nicht_leise(self):
        with tempfile.TemporaryDirectory() as ordner:
            argumente = [BLATT, "-o", os.path.join(ordner, "b.pdf"), "--erzeuge", "40",
                         "--seed", "3"]
            umgeleitet = subprocess.run(argumente, capture_output=True, timeout=300)
            self.assertEqual(umgeleitet.returncode, 0, umgeleitet.stderr)
            self.assertNotIn(b"Seite", umgeleitet.stderr)
            for leise, erwartet in ((False, True), (True, False)):
                herr, knecht = pty.openpty()
                lauf = subprocess.run(argumente + (["--leise"] if leise else []),
                                      stdout=subprocess.DEVNULL, stderr=knecht, timeout=300)
                os.close(knecht)
                text = b""
                try:
                    while chunk := os.read(herr, 4096):
                        text += chunk
                except OSError:
                    pass
                os.close(herr)
                self.assertEqual(lauf.returncode, 0)
                # The progress of a long sheet ends with its last page.
                self.assertEqual(re.search(rb"Seite (\d+) von \1", text) is not None, erwartet,
                                 text)

    def test_zu_wenige_werte_mit_grund_im_rechenweg(self):
        lauf = subprocess.run([RECHNE, "--rechenweg"], input=b"3\t4\n\n", capture_output=True,
                              timeout=60)
        self.assertEqual(lauf.returncode, 0)
        text = lauf.stdout.decode()
        self.assertIn("Nur 2 Werte gegeben; eine Aufgabe braucht drei, darunter eine Seite.", text)
        self.assertIn("Kein Wert gegeben", text)


if __name__ == "__main__":
    RECHNE, BLATT = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1])
