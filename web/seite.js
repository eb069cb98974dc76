// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the engine: it hands the boxes' texts to kalotri_rechne and shows what
// comes back. It reads no number and writes none; every text of the Script, every
// message and the box that gets the focus come from the engine.
"use strict";

const BOXEN = ["eA", "eB", "eC", "eAlpha", "eBeta", "eGamma"];
const WAEHLER = ["cbA", "cbB", "cbC", "cbAlpha", "cbBeta", "cbGamma"];
const VORGABE = ["a", "b", "c", "a", "b", "g"];
const SPEICHER = { dezimalen: "kalotri.dezimalen", trennzeichen: "kalotri.trennzeichen" };
// The extras beyond the window, each off until switched on; remembered like the options.
const ZUSAETZE = ["zFigur", "zGroessen", "zRechenweg"];
const SVG = "http://www.w3.org/2000/svg";

const $ = (id) => document.getElementById(id);
let modul = null;

// Local storage can be switched off, or refused for pages opened from disk.
function gespeichert(schluessel) {
  try { return window.localStorage.getItem(schluessel); } catch (e) { return null; }
}
function speichere(schluessel, wert) {
  try { window.localStorage.setItem(schluessel, wert); } catch (e) { /* kept for this visit */ }
}

// The page offers 1 to 10 decimals, the counts the native tool is held against.
let letzteDezimalen = 3;
function gueltigeDezimalen(text) {
  const n = Number(String(text).trim());
  return Number.isInteger(n) && n >= 1 && n <= 10 ? n : null;
}
function dezimalen() {
  return gueltigeDezimalen($("eD").value) ?? letzteDezimalen;
}
function trennzeichen() {
  return document.querySelector('input[name="trennzeichen"]:checked').value;
}

function optionenLaden() {
  letzteDezimalen = gueltigeDezimalen(gespeichert(SPEICHER.dezimalen)) ?? 3;
  $("eD").value = String(letzteDezimalen);
  const t = gespeichert(SPEICHER.trennzeichen);
  for (const r of document.querySelectorAll('input[name="trennzeichen"]')) {
    if (t === "," || t === ".") r.checked = r.value === t;
  }
  $("eD").addEventListener("change", () => {
    const n = gueltigeDezimalen($("eD").value);
    if (n === null) {
      $("eD").value = String(letzteDezimalen); // back to the count still in use
    } else {
      letzteDezimalen = n;
      speichere(SPEICHER.dezimalen, String(n));
    }
  });
  for (const r of document.querySelectorAll('input[name="trennzeichen"]')) {
    r.addEventListener("change", () => speichere(SPEICHER.trennzeichen, trennzeichen()));
  }
  for (const id of ZUSAETZE) {
    $(id).checked = gespeichert("kalotri." + id) === "ja";
    $(id).addEventListener("change", () => speichere("kalotri." + id, $(id).checked ? "ja" : "nein"));
  }
}

// The letters a to z; the angles' choosers show them as the Script shows them, in Greek.
function waehlerFuellen() {
  WAEHLER.forEach((id, i) => {
    const waehler = $(id);
    for (let c = 97; c <= 122; ++c) {
      const buchstabe = String.fromCharCode(c);
      const option = document.createElement("option");
      option.value = buchstabe;
      option.textContent = i < 3 ? buchstabe
        : modul.ccall("kalotri_symbol", "string", ["string"], [buchstabe]);
      waehler.append(option);
    }
    waehler.value = VORGABE[i];
  });
}

// --- Messages: modal, caption "Kalotri", one OK; afterwards the focus where the engine says.
let fokusNachMeldung = null;
function zeigeMeldung(text, fehler, fokus) {
  const dialog = $("meldung");
  dialog.classList.toggle("fehler", fehler);
  $("meldungText").textContent = text;
  fokusNachMeldung = fokus ? $(fokus) : document.activeElement;
  dialog.showModal();
  $("meldungOk").focus();
}
$("meldung").addEventListener("close", () => {
  const ziel = fokusNachMeldung;
  fokusNachMeldung = null;
  // After the browser has put the focus back where it was before the dialog.
  if (ziel) setTimeout(() => ziel.focus(), 0);
});

// --- The Script
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
  for (const figur of figuren) {
    const block = document.createElement("div");
    block.className = "zusatz-block";
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

function schreibeRechnung(zeilen, figuren, schritte) {
  if (zeilen.length === 0) return;
  const rechnung = document.createElement("div");
  rechnung.className = "rechnung";
  for (const zeile of zeilen) {
    const div = document.createElement("div");
    div.className = "zeile";
    div.dataset.schrift = zeile.schrift;
    div.textContent = zeile.text; // plain text, never markup
    rechnung.append(div);
  }
  schreibeRechenweg(rechnung, schritte);
  schreibeZusatz(rechnung, figuren);
  const script = $("script");
  script.append(rechnung);
  script.scrollTop = script.scrollHeight;
}

function rechne() {
  if (!modul) return;
  const texte = BOXEN.map((id) => $(id).value);
  const buchstaben = WAEHLER.map((id) => $(id).value);
  const anfrage = {
    texte, buchstaben, dezimalen: dezimalen(), trennzeichen: trennzeichen(),
    figuren: $("zFigur").checked || $("zGroessen").checked,
    rechenweg: $("zRechenweg").checked,
  };
  const json = modul.ccall("kalotri_rechne", "string", ["string"], [JSON.stringify(anfrage)]);
  const antwort = JSON.parse(json);
  const ergebnis = antwort.script;
  schreibeRechnung(ergebnis.zeilen, antwort.figuren, ergebnis.rechenweg);
  if (ergebnis.meldung !== null) {
    zeigeMeldung(ergebnis.meldung, false, ergebnis.fokus);
  } else if (ergebnis.fehler !== null) {
    zeigeMeldung(ergebnis.fehler, true, null);
  }
}

function scriptZeilen() {
  return Array.from($("script").querySelectorAll(".zeile"), (z) => z.textContent);
}

// Copying goes through the copy event, which gives both plain text and HTML and works
// for pages opened from disk, where the asynchronous clipboard may be refused.
let kopierenLaeuft = false;
document.addEventListener("copy", (ereignis) => {
  if (!kopierenLaeuft) return;
  const html = document.createElement("div");
  for (const text of scriptZeilen()) {
    const p = document.createElement("div");
    p.textContent = text;
    html.append(p);
  }
  ereignis.clipboardData.setData("text/plain", scriptZeilen().map((z) => z + "\n").join(""));
  ereignis.clipboardData.setData("text/html",
    '<meta charset="utf-8"><div style="font-family:Arial,sans-serif">' + html.innerHTML + "</div>");
  ereignis.preventDefault();
});
function kopiere() {
  kopierenLaeuft = true;
  try { document.execCommand("copy"); } finally { kopierenLaeuft = false; }
  $("script").scrollTop = 0;
}

$("eingabe").addEventListener("submit", (e) => { e.preventDefault(); rechne(); });
$("neu").addEventListener("click", () => { for (const id of BOXEN) $(id).value = ""; });
$("loeschen").addEventListener("click", () => { $("script").replaceChildren(); });
$("kopieren").addEventListener("click", kopiere);
$("drucken").addEventListener("click", () => window.print());

optionenLaden();
KalotriModul().then((m) => {
  modul = m;
  waehlerFuellen();
  $("rechne").disabled = false;
  document.documentElement.dataset.bereitNachMs = performance.now().toFixed(1);
  document.documentElement.dataset.bereit = "ja";
});
