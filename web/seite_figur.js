// SPDX-License-Identifier: GPL-3.0-or-later
// The extras under a calculation in the Script: figures to scale, their legends and derived
// quantities, and the worked steps, each drawn as the engine laid it out.
"use strict";

function svgElement(name, attribute) {
  const e = document.createElementNS(SVG, name);
  for (const [k, v] of Object.entries(attribute)) e.setAttribute(k, v);
  return e;
}

// A triangle to scale as the engine laid it out: only drawn, nothing measured here.
function zeichneFigur(figur) {
  const svg = svgElement("svg", { viewBox: figur.ansicht, class: "figur", role: "img",
    "aria-label": "Figur: " + figur.texte.map((t) => t.text).join(", ") });
  svg.append(svgElement("polygon", { points: figur.ecken, class: figur.flach ? "flach" : "" }));
  for (const d of figur.boegen) svg.append(svgElement("path", { d, class: "bogen" }));
  for (const p of figur.punkte) svg.append(svgElement("circle", { cx: p.x, cy: p.y, r: p.r }));
  for (const t of figur.texte) {
    const text = svgElement("text", { x: t.x, y: t.y, "text-anchor": "middle",
      "dominant-baseline": "central" });
    text.textContent = t.text;
    svg.append(text);
  }
  return svg;
}

function schreibeZusatz(rechnung, figuren) {
  for (const [nummer, figur] of figuren.entries()) {
    const block = document.createElement(figuren.length > 1 ? "figure" : "div");
    block.className = "zusatz-block";
    if (figuren.length > 1) {
      const titel = document.createElement("figcaption");
      titel.textContent = `${nummer + 1}. Lösung`;
      block.append(titel);
    }
    if ($("zFigur").checked) {
      block.append(zeichneFigur(figur));
      if (figur.legende.length > 0) {
        const legende = document.createElement("p");
        legende.className = "legende";
        legende.textContent = figur.legende.join(", ");
        block.append(legende);
      }
    }
    if ($("zGroessen").checked && figur.groessen.length > 0) {
      const liste = document.createElement("ul");
      liste.className = "groessen";
      for (const zeile of figur.groessen) {
        const li = document.createElement("li");
        li.textContent = zeile;
        liste.append(li);
      }
      block.append(liste);
    }
    rechnung.append(block);
  }
}

// The worked steps as the engine words them, one line each; headings stand out.
function schreibeRechenweg(rechnung, schritte) {
  if (!schritte || schritte.length === 0) return;
  const block = document.createElement("div");
  block.className = "rechenweg";
  for (const schritt of schritte) {
    for (const zeile of schritt.zeilen) {
      const div = document.createElement("div");
      div.className = "schritt schritt-" + schritt.art;
      div.textContent = zeile;
      block.append(div);
    }
  }
  rechnung.append(block);
}

