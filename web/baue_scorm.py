#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Packs the practice page as a SCORM 1.2 package: imsmanifest.xml at the root and one SCO,
the page itself. The teacher's settings (level, kind, set size, pass mark) go into the
manifest twice: as the item's launch parameters, which the platform appends to the page's
address, and as its launch data (cmi.launch_data), for platforms that drop parameters.

Usage: baue_scorm.py --seite kalotri-ueben.html --version V --aus X.zip
                     [--stufe 1-3] [--typ SSS|SWS|SSW|WSW|SWW|SACH] [--anzahl 5-10] [--bestehen 0-100]
--bestehen 0 leaves the pass mark out: the platform then gets "completed" at the end.

The pass mark is a launch parameter, not the manifest's mastery score: a platform that
has one turns any score into passed or failed (Moodle does by default), also the score of
a set left in the middle. The page compares the exact points with it and reports
"incomplete" until the set is done. "scorm=1" tells the page it was meant to find a
platform, so that it can say when there is none."""

import argparse
import os
import sys
import zipfile
from urllib.parse import urlencode
from xml.sax.saxutils import escape, quoteattr

SEITE = "kalotri-ueben.html"
TYPEN = ("SSS", "SWS", "SSW", "WSW", "SWW", "SACH")  # SACH: word problems


def manifest(a):
    werte = {"stufe": a.stufe, "anzahl": a.anzahl}
    if a.typ:
        werte["typ"] = a.typ
    if a.bestehen:
        werte["bestehen"] = a.bestehen
    werte["scorm"] = 1
    parameter = urlencode(werte)
    titel = f"Kalotri: Üben, Stufe {a.stufe}" + (f", {'Sachaufgaben' if a.typ == 'SACH' else a.typ}" if a.typ else "") + \
        f", {a.anzahl} Aufgaben"
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<manifest identifier="kalotri-ueben-{a.version}" version="1.0"
    xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2"
    xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2"
    xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"
    xsi:schemaLocation="http://www.imsproject.org/xsd/imscp_rootv1p1p2 imscp_rootv1p1p2.xsd http://www.imsglobal.org/xsd/imsmd_rootv1p2p1 imsmd_rootv1p2p1.xsd http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd">
  <metadata>
    <schema>ADL SCORM</schema>
    <schemaversion>1.2</schemaversion>
  </metadata>
  <organizations default="kalotri">
    <organization identifier="kalotri">
      <title>{escape(titel)}</title>
      <item identifier="uebung" identifierref="seite" isvisible="true" parameters={quoteattr("?" + parameter)}>
        <title>{escape(titel)}</title>
        <adlcp:datafromlms>{escape(parameter)}</adlcp:datafromlms>
      </item>
    </organization>
  </organizations>
  <resources>
    <resource identifier="seite" type="webcontent" adlcp:scormtype="sco" href="{SEITE}">
      <file href="{SEITE}"/>
    </resource>
  </resources>
</manifest>
"""


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--seite", required=True)
    p.add_argument("--version", required=True)
    p.add_argument("--aus", required=True)
    p.add_argument("--stufe", type=int, choices=(1, 2, 3), default=2)
    p.add_argument("--typ", choices=TYPEN)
    p.add_argument("--anzahl", type=int, choices=range(5, 11), default=6)
    p.add_argument("--bestehen", type=int, choices=range(0, 101), default=50, metavar="0-100")
    a = p.parse_args()
    if a.stufe == 1 and a.typ == "SSW":
        sys.exit("baue_scorm: level 1 has no SSW exercises")
    with open(a.seite, "rb") as f:
        seite = f.read()
    vorlaeufig = a.aus + ".neu"
    # Fixed dates, so that the same page gives the same package.
    with zipfile.ZipFile(vorlaeufig, "w", zipfile.ZIP_DEFLATED) as z:
        for name, inhalt in (("imsmanifest.xml", manifest(a).encode()), (SEITE, seite)):
            info = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            z.writestr(info, inhalt)
    os.replace(vorlaeufig, a.aus)  # whole or not at all


if __name__ == "__main__":
    main()
