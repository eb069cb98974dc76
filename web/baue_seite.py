#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts kalotri.html together: the page, its style, its script and the engine module
(with the wasm inside) in one file, so that nothing is loaded from anywhere else."""

import argparse
import html
import os
import sys


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--version", required=True)
    p.add_argument("--modul", required=True)
    p.add_argument("--aus", required=True)
    p.add_argument("seite")
    p.add_argument("stil")
    p.add_argument("skript", nargs="+", help="scripts, joined in this order")
    a = p.parse_args()

    def lies(pfad):
        with open(pfad, encoding="utf-8") as f:
            return f.read()

    modul, skript = lies(a.modul), "\n".join(lies(s) for s in a.skript)
    for name, text in (("module", modul), ("script", skript)):
        # Inside <script> only this sequence could end the element early.
        if "</script" in text.lower():
            sys.exit(f"baue_seite: the {name} contains '</script'")
    ersetzungen = {
        "@STIL@": lies(a.stil),
        "@MODUL@": modul,
        "@SKRIPT@": skript,
        "@VERSION@": html.escape(a.version),
    }
    seite = lies(a.seite)
    for marke, text in ersetzungen.items():
        if seite.count(marke) != 1:
            sys.exit(f"baue_seite: {marke} must stand exactly once in the page")
    # One pass, so that nothing inserted is searched for marks again.
    teile = []
    rest = seite
    while True:
        stellen = [(rest.find(m), m) for m in ersetzungen if rest.find(m) >= 0]
        if not stellen:
            teile.append(rest)
            break
        stelle, marke = min(stellen)
        teile += [rest[:stelle], ersetzungen[marke]]
        rest = rest[stelle + len(marke):]
    vorlaeufig = a.aus + ".neu"
    with open(vorlaeufig, "w", encoding="utf-8") as f:
        f.write("".join(teile))
    os.replace(vorlaeufig, a.aus)  # whole or not at all


if __name__ == "__main__":
    main()
