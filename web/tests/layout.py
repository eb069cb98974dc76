# SPDX-License-Identifier: GPL-3.0-or-later
"""Layout checks from the element boxes the browser reports: every control inside the
viewport, no horizontal scrolling, no text cut off, no two controls on top of each other."""

TEILE = ("h1, .befehle button, .groesse label, .groesse input, .groesse select, .skizze, "
         "#scriptTitel, #script, details > summary")

SKRIPT = """
const teile = Array.from(document.querySelectorAll(arguments[0]));
return {
  breite: document.documentElement.clientWidth,
  ueberlauf: document.documentElement.scrollWidth,
  teile: teile.map(e => {
    const r = e.getBoundingClientRect();
    return {name: e.id || e.textContent.trim().slice(0, 20) || e.tagName,
            l: r.left, r: r.right, o: r.top + scrollY, u: r.bottom + scrollY,
            abgeschnitten: e.tagName !== 'svg' && e.id !== 'script' &&
              (e.scrollWidth > e.clientWidth + 1)};
  })};
"""


def probleme(driver, breite, teile=TEILE):
    m = driver.execute_script(SKRIPT, teile)
    funde = []
    if m["ueberlauf"] > m["breite"]:
        funde.append(f"page scrolls sideways: {m['ueberlauf']} > {m['breite']}")
    teile = m["teile"]
    for t in teile:
        if t["r"] - t["l"] < 1 or t["u"] - t["o"] < 1:
            funde.append(f"{t['name']}: no size")
        if t["l"] < -0.5 or t["r"] > m["breite"] + 0.5:
            funde.append(f"{t['name']}: outside the {breite} px viewport ({t['l']:.0f}..{t['r']:.0f})")
        if t["abgeschnitten"]:
            funde.append(f"{t['name']}: text cut off")
    for i, s in enumerate(teile):
        for t in teile[i + 1:]:
            breit = min(s["r"], t["r"]) - max(s["l"], t["l"])
            hoch = min(s["u"], t["u"]) - max(s["o"], t["o"])
            if breit > 0.5 and hoch > 0.5:
                funde.append(f"{s['name']} overlaps {t['name']}")
    return funde
