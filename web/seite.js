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
// As the window's boxes: one character more than the engine reads, so that an over-long
// text is refused with a message rather than cut silently.
const BOX_HOECHSTENS = 1001;
// As the worksheet tool caps a letter.
const BUCHSTABE_HOECHSTENS = 160;
// The Script keeps this many calculations; older ones leave, so that a long session stays
// as quick as a short one.
const SCRIPT_HOECHSTENS = 200;
// The angles' letters whose Greek form repeats another's (ϕ beside φ, ϖ beside π).
const DOPPELT = new Set(["j", "v"]);

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
      if (i >= 3 && DOPPELT.has(buchstabe)) continue;
      const option = document.createElement("option");
      option.value = buchstabe;
      option.textContent = i < 3 ? buchstabe
        : modul.ccall("kalotri_symbol", "string", ["string"], [buchstabe]);
      waehler.append(option);
    }
    waehler.value = VORGABE[i];
    // The Greek list answers to the Latin key of its letter: "d" chooses δ.
    if (i >= 3) {
      waehler.addEventListener("keydown", (e) => {
        const option = /^[a-z]$/i.test(e.key) && !e.ctrlKey && !e.altKey && !e.metaKey
          ? waehler.querySelector(`option[value="${e.key.toLowerCase()}"]`) : null;
        if (!option) return;
        e.preventDefault();
        waehler.value = option.value;
        waehler.dispatchEvent(new Event("change"));
      });
    }
    // One Tab goes from value to value; the letter is one key away from its box.
    waehler.tabIndex = -1;
    $(BOXEN[i]).setAttribute("aria-describedby", "buchstabenHilfe");
    $(BOXEN[i]).addEventListener("keydown", (e) => {
      if ((e.altKey && e.key === "ArrowDown") || e.key === "F4") {
        e.preventDefault();
        waehler.focus();
      }
    });
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

// --- The Script (figures and worked steps: seite_figur.js)
function schreibeRechnung(zeilen, figuren, schritte) {
  // A message writes no line, but with "Rechenweg" on its reason is shown.
  if (zeilen.length === 0 && (!schritte || schritte.length === 0)) return null;
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
  while (script.childElementCount > SCRIPT_HOECHSTENS) script.firstElementChild.remove();
  script.scrollTop = script.scrollHeight;
  return rechnung;
}

// A fault of the engine (a trap, memory) ends in a message and a fresh engine, so that the
// next calculation works; the page holds no state of the engine's.
function rufeEngine(name, typen, werte) {
  try {
    return JSON.parse(modul.ccall(name, "string", typen, werte));
  } catch (fehler) {
    modul = null;
    $("rechne").disabled = true;
    KalotriModul().then((m) => { modul = m; $("rechne").disabled = false; });
    return null;
  }
}

function zeigeHinweis(text) {
  $("hinweisZeile").textContent = text;
}

function rechne() {
  if (!modul) return;
  zeigeHinweis("");
  const anfrage = {
    texte: BOXEN.map((id) => $(id).value.slice(0, BOX_HOECHSTENS)),
    buchstaben: WAEHLER.map((id) => $(id).value.slice(0, BUCHSTABE_HOECHSTENS)),
    dezimalen: dezimalen(), trennzeichen: trennzeichen(),
    figuren: $("zFigur").checked || $("zGroessen").checked,
    rechenweg: $("zRechenweg").checked,
  };
  const antwort = rufeEngine("kalotri_rechne", ["string"], [JSON.stringify(anfrage)]);
  if (antwort === null) {
    zeigeMeldung("Die Rechnung ist abgebrochen. Kalotri wurde neu gestartet; bitte noch einmal rechnen.",
      true, BOXEN[0]);
    return;
  }
  const ergebnis = antwort.script;
  const rechnung = schreibeRechnung(ergebnis.zeilen, antwort.figuren, ergebnis.rechenweg);
  if (ergebnis.meldung !== null) {
    zeigeMeldung(ergebnis.meldung, false, ergebnis.fokus);
  } else if (ergebnis.fehler !== null) {
    zeigeMeldung(ergebnis.fehler, true, null);
  } else if (ergebnis.zeilen.length === 0) {
    zeigeHinweis("Zum Rechnen braucht es drei Größen, darunter mindestens eine Seite.");
  }
  // On a phone the Script is below the boxes: bring the result into view.
  if (rechnung && window.matchMedia("(max-width: 44rem)").matches) {
    rechnung.scrollIntoView({ block: "start", behavior: "smooth" });
  }
}

// Everything the Script shows, in its order: lines, worked steps, captions, legends and
// derived quantities (figures are pictures and stay behind).
function scriptZeilen() {
  return Array.from($("script").querySelectorAll(".zeile, .schritt, figcaption, .legende, .groessen li"),
    (z) => z.textContent);
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
$("neu").addEventListener("click", () => {
  for (const id of BOXEN) $(id).value = "";
  zeigeHinweis("");
  $(BOXEN[0]).focus();
});
$("loeschen").addEventListener("click", () => { $("script").replaceChildren(); zeigeHinweis(""); });
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
