# SPDX-License-Identifier: GPL-3.0-or-later
"""The practice page's marks for the rows a quiz test enumerates: each row the quiz's
exercise with every answer right but one, which the page must call right exactly where
Moodle gives full marks (the tool prints the page's marks, see frage_urteile.cpp)."""

import subprocess


def typed_rechts(luecke):
    """The right answer of a gap as a pupil types it: the first '=' alternative's value,
    or the right choice of a drop-down."""
    for anteil, antwort, _ in luecke["alternativen"]:
        if anteil == "=":
            return antwort.split(":")[0]
    raise AssertionError(luecke)


def pruefe_uebung(test, programm, zeilen):
    """zeilen: (boxes, least decimals, answers, index, right, name, decimals)."""
    eingabe = "".join("%s\t%d\t%s\n" % (z[0], z[1], "\t".join(z[2])) for z in zeilen)
    lauf = subprocess.run([programm], input=eingabe.encode(), capture_output=True,
                          timeout=600)
    test.assertEqual(lauf.returncode, 0, lauf.stderr)
    ausgaben = lauf.stdout.decode().splitlines()
    test.assertEqual(len(ausgaben), len(zeilen))
    for z, aus in zip(zeilen, ausgaben):
        codes, stellen = aus.split()
        test.assertEqual(int(stellen), z[6], (z[5], aus))
        test.assertEqual(codes[z[3]] == "R", z[4], (z[5], z[2][z[3]], codes))
        # Every other answer is the right one, rounded as asked.
        test.assertEqual(codes[:z[3]] + codes[z[3] + 1:], "R" * (len(codes) - 1), (z[5], codes))
    return len(zeilen)
