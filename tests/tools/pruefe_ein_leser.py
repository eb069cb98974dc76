#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Both tools read exercise files alike: a byte order mark before a first field of exactly
1000 digits (the longest box text) is no part of it, and a field one byte longer refuses
the line with the same reason in both.
"""

import os
import subprocess
import sys
import tempfile
import unittest

RECHNE = BLATT = None
BOM = b"\xef\xbb\xbf"


def laufe(*befehl, eingabe):
    return subprocess.run(list(befehl), input=eingabe, capture_output=True, timeout=120)


class EinLeser(unittest.TestCase):
    def test_bom_mit_langem_feld_in_beiden_werkzeugen(self):
        # 5 with 998 zeros after the comma: a side the window reads.
        feld = b"5," + b"0" * 998
        self.assertEqual(len(feld), 1000)
        eingabe = BOM + feld + b"\t" + feld + b"\t" + feld + b"\n"
        rechne = laufe(RECHNE, "--json", eingabe=eingabe)
        self.assertEqual(rechne.returncode, 0, rechne.stderr)
        self.assertIn(b'"typ":"SSS"', rechne.stdout)
        with tempfile.TemporaryDirectory() as ordner:
            blatt = laufe(BLATT, "-o", os.path.join(ordner, "b.pdf"), "-", eingabe=eingabe)
        self.assertEqual(blatt.returncode, 0, blatt.stderr)

    def test_zu_langes_feld_derselbe_grund(self):
        eingabe = BOM + b"3\t4\t" + b"5" * 1001 + b"\n"
        rechne = laufe(RECHNE, eingabe=eingabe)
        with tempfile.TemporaryDirectory() as ordner:
            blatt = laufe(BLATT, "-o", os.path.join(ordner, "b.pdf"), "-", eingabe=eingabe)
        grund = "ein Feld ist länger als 1000 Bytes"
        self.assertEqual(rechne.returncode, 1)
        self.assertEqual(blatt.returncode, 1)
        self.assertIn(grund, rechne.stderr.decode())
        self.assertIn(grund, blatt.stderr.decode())


if __name__ == "__main__":
    RECHNE, BLATT = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1])
