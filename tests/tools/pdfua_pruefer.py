#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A PDF/UA check of our own, with pikepdf: what a screen reader needs of a sheet.

    pdfua_pruefer.py BLATT.pdf     prints the structure tree and every problem found

Checks the catalogue (tagged, structure tree, /Lang, DisplayDocTitle), the XMP metadata
(pdfuaid:part 1, dc:title), the structure (every Figure with a non-empty /Alt, headings
as H1/H2 without a skipped level), the content (no text outside marked content, every
marked sequence either an artifact or tied to the tree) and the fonts (embedded, each
with a ToUnicode map).
"""

import os
import re
import subprocess
import sys

try:
    import pikepdf
except ImportError:  # Debian's python3-pikepdf is for Debian's interpreter
    if os.path.exists("/usr/bin/python3") and sys.executable != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
    raise

TEXTOPERATOREN = {"Tj", "TJ", "'", '"'}


def elemente(pdf):
    """The structure elements in the tree's order: (depth, element)."""
    def gehe(knoten, tiefe):
        if isinstance(knoten, pikepdf.Array):
            for kind in knoten:
                yield from gehe(kind, tiefe)
        elif isinstance(knoten, pikepdf.Dictionary) and knoten.get("/Type") == "/StructElem":
            yield tiefe, knoten
            yield from gehe(knoten.get("/K"), tiefe + 1)
    yield from gehe(pdf.Root.StructTreeRoot.get("/K"), 0)


def katalog(pdf):
    fehler = []
    wurzel = pdf.Root
    if not wurzel.get("/MarkInfo", {}).get("/Marked", False):
        fehler.append("nicht als getaggt markiert (MarkInfo/Marked)")
    if "/StructTreeRoot" not in wurzel:
        fehler.append("kein Strukturbaum")
    if not str(wurzel.get("/Lang", "")).startswith("de"):
        fehler.append("keine Sprache /Lang de-…")
    if not wurzel.get("/ViewerPreferences", {}).get("/DisplayDocTitle", False):
        fehler.append("DisplayDocTitle fehlt")
    meta = pdf.open_metadata()
    if str(meta.get("{http://www.aiim.org/pdfua/ns/id/}part", "")) != "1":
        fehler.append("XMP pdfuaid:part=1 fehlt")
    titel = str(meta.get("dc:title", ""))
    if not titel.strip():
        fehler.append("XMP dc:title fehlt")
    elif titel != str(pdf.docinfo.get("/Title", "")):
        fehler.append(f"XMP-Titel {titel!r} ist nicht der Titel des Dokuments")
    return fehler


def struktur(pdf):
    fehler = []
    ebene = 0
    for _, e in elemente(pdf):
        art = str(e.S)[1:]
        if art == "Figure" and not str(e.get("/Alt", "")).strip():
            fehler.append("Figure ohne /Alt")
        if re.fullmatch(r"H[1-6]", art):
            if int(art[1]) > ebene + 1:
                fehler.append(f"{art} nach H{ebene}: eine Ebene übersprungen")
            ebene = int(art[1])
    if ebene == 0:
        fehler.append("keine Überschrift")
    return fehler


def inhalt(pdf):
    """Every text inside a marked sequence; each sequence an artifact or in the tree."""
    fehler = []
    for nummer, seite in enumerate(pdf.pages, 1):
        baum = pdf.Root.StructTreeRoot.ParentTree.get("/Nums", [])
        schluessel = int(seite.obj.get("/StructParents", -1))
        eltern = next((baum[i + 1] for i in range(0, len(baum), 2)
                       if int(baum[i]) == schluessel), [])
        stapel = []
        for operanden, op in pikepdf.parse_content_stream(seite):
            op = str(op)
            if op in ("BDC", "BMC"):
                stapel.append(operanden)
                # The outermost sequence belongs to an element or is an artifact; those
                # inside it (a Span with ActualText) only qualify it.
                if len(stapel) == 1 and str(operanden[0]) != "/Artifact":
                    mcid = int(operanden[1].get("/MCID", -1)) if op == "BDC" else -1
                    if not 0 <= mcid < len(eltern) or eltern[mcid] is None:
                        fehler.append(f"Seite {nummer}: markierter Inhalt ohne Element")
            elif op == "EMC":
                stapel.pop()
            elif op in TEXTOPERATOREN and not stapel:
                fehler.append(f"Seite {nummer}: Text außerhalb markierten Inhalts")
        for name, schrift in seite.Resources.get("/Font", {}).items():
            echt = schrift.DescendantFonts[0] if "/DescendantFonts" in schrift else schrift
            beschreibung = echt.get("/FontDescriptor", {})
            if not any(k in beschreibung for k in ("/FontFile", "/FontFile2", "/FontFile3")):
                fehler.append(f"Schrift {echt.get('/BaseFont')} nicht eingebettet")
            if "/ToUnicode" not in schrift:
                fehler.append(f"Schrift {echt.get('/BaseFont')} ohne ToUnicode")
    return sorted(set(fehler))


def pruefe(pfad):
    """Every problem of the file, as sentences; none for a sound file."""
    with pikepdf.open(pfad) as pdf:
        if "/StructTreeRoot" not in pdf.Root:
            return katalog(pdf)
        return katalog(pdf) + struktur(pdf) + inhalt(pdf)


def baum(pfad):
    """The structure tree as pdfinfo prints it, with each figure's /Alt."""
    with pikepdf.open(pfad) as pdf:
        zeilen = []
        if "/StructTreeRoot" not in pdf.Root:
            return zeilen
        for tiefe, e in elemente(pdf):
            alt = f"  /Alt ({e.Alt})" if "/Alt" in e else ""
            zeilen.append("  " * tiefe + str(e.S)[1:] + alt)
        return zeilen


def blaetter(pfad):
    """The structure's leaves in the tree's order: (type, text or /Alt, types above it)."""
    roh = subprocess.run(["pdfinfo", "-struct-text", pfad], capture_output=True,
                         text=True, check=True).stdout
    with pikepdf.open(pfad) as pdf:
        alt = iter([str(e.Alt) for _, e in elemente(pdf) if e.S == "/Figure"])
    ergebnis, stapel = [], []
    for zeile in roh.splitlines():
        inhalt_ = zeile.strip()
        tiefe = (len(zeile) - len(zeile.lstrip())) // 2
        if inhalt_.startswith('"'):
            art, text, oben = ergebnis[-1]
            if art != "Figure":  # its labels are for the eye; the reader gets its /Alt
                ergebnis[-1] = (art, text + inhalt_[1:-1], oben)
        elif inhalt_:
            del stapel[tiefe:]
            art = inhalt_.split()[0]
            ergebnis.append((art, next(alt) if art == "Figure" else "", tuple(stapel)))
            stapel.append(art)
    return ergebnis


if __name__ == "__main__":
    print("\n".join(baum(sys.argv[1])))
    probleme = pruefe(sys.argv[1])
    print("\n".join(probleme) if probleme else "keine Probleme")
    sys.exit(1 if probleme else 0)
