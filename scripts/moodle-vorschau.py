#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A question of a kalotri-blatt --moodle quiz as a page, roughly as pupils see it in
Moodle after submitting: gaps as input fields, pictures inline, the general feedback
below. For looking at the quiz without a Moodle; the picture in docs/ comes from here.

Usage: scripts/moodle-vorschau.py QUIZ.xml NUMMER > vorschau.html
then:  chromium --headless --screenshot=vorschau.png --window-size=800,1700 vorschau.html
"""

import html
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "tools"))
import moodle_quiz as pm  # noqa: E402  the gap parser of the tests

STIL = ("body{font-family:'Liberation Sans',sans-serif;font-size:15px;margin:16px;"
        "width:760px} .q{background:#e7f3f5;padding:10px} .fb{background:#fcefdc;"
        "padding:10px;margin-top:10px}")


def seite(frage):
    dateien = {f.get("name"): f.text for f in frage.iter("file")}
    gaps, rest = pm.luecken(frage.find("questiontext/text").text)

    def feld(m):
        g = gaps[int(m.group(1)) - 1]
        if g["typ"] == "MULTICHOICE":
            wahl = "".join("<option>%s</option>" % html.unescape(a[1]) for a in g["alternativen"])
            return "<select><option></option>%s</select>" % wahl
        return '<input size="8">'

    inhalt = re.sub(r"\{#(\d+)\}", feld, rest)
    inhalt += ('<div class="fb"><h4>Allgemeines Feedback</h4>%s</div>'
               % frage.find("generalfeedback/text").text)
    inhalt = re.sub(r"@@PLUGINFILE@@/([^\"]+)",
                    lambda m: "data:image/png;base64," + dateien[m.group(1)], inhalt)
    return ('<html><head><meta charset="utf-8"><style>%s</style></head><body>'
            '<div class="q"><b>%s</b>%s</div></body></html>'
            % (STIL, html.escape(frage.find("name/text").text), inhalt))


if __name__ == "__main__":
    with open(sys.argv[1], "rb") as f:
        fragen = [q for q in pm.fragen(f.read()) if q.get("type") == "cloze"]
    sys.stdout.write(seite(fragen[int(sys.argv[2]) - 1]))
