// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page: a set of exercises from the engine, the pupil's answers marked by the
// engine, hints from its worked steps. The page reads no number and marks nothing itself;
// it adds up the points the engine gives and the hints' prices.
"use strict";

const $ = (id) => document.getElementById(id);
let modul = null;
let satz = null; // the set as the engine gave it
let nr = 0;      // the exercise shown
let stand = [];  // per exercise: answers, marks, hints bought

function ansage(text) {
  // Emptied first, so that the same words twice are announced twice.
  $("ansage").textContent = "";
  setTimeout(() => { $("ansage").textContent = text; }, 30);
}

// Any fault of the engine (a trap, memory) ends in a message and a fresh engine; the set
// lives in this page, so nothing is lost.
function engine(name, typen, werte) {
  try {
    return JSON.parse(modul.ccall(name, "string", typen, werte));
  } catch (fehler) {
    neuesModul();
    return { fehler: "Die Rechnung ist abgebrochen (" + String(fehler.message || fehler) +
      "). Sie wurde neu gestartet; bitte noch einmal versuchen." };
  }
}
function neuesModul() {
  modul = null;
  KalotriModul().then((m) => { modul = m; });
}

function hoechstens(i) { return satz.punkteJeFrage * satz.aufgaben[i].fragen.length; }
function kosten(s) { return s.gekauft.reduce((summe, h) => summe + h.preis, 0); }
function punkte(i) {
  const s = stand[i];
  const roh = s.noten.reduce((summe, n) => summe + (n ? n.punkte : 0), 0);
  return Math.max(0, roh - kosten(s));
}
function summe(f) { return satz.aufgaben.reduce((z, _, i) => z + f(i), 0); }

function starte(code) {
  if (!modul) return;
  // Codes and answers are short; whatever a link puts there is cut before the engine.
  const antwort = engine("kalotri_uebung_satz", ["string"], [String(code).slice(0, 40)]);
  if (antwort.fehler) {
    $("codeHilfe").textContent = antwort.fehler;
    $("codeHilfe").classList.add("fehler");
    ansage(antwort.fehler);
    $("code").focus();
    return;
  }
  satz = antwort;
  stand = satz.aufgaben.map((a) => ({ antworten: a.fragen.map(() => ""),
    noten: a.fragen.map(() => null), gekauft: [], fragenHinweise: a.fragen.map(() => 0) }));
  $("start").hidden = true;
  $("auswertung").hidden = true;
  zeigeAufgabe(0);
  Plattform.melde(0, summe(hoechstens), false);
}

// SSW: the values are asked once the number of triangles is marked.
function sichtbar(i, k) {
  const a = satz.aufgaben[i];
  return a.fragen[k].art === "anzahl" || a.fragen[0].art !== "anzahl" || stand[i].noten[0] !== null;
}

function zeigeAufgabe(i) {
  nr = i;
  const a = satz.aufgaben[i];
  $("aufgabe").hidden = false;
  const code = document.createElement("span");
  code.className = "code";
  code.textContent = satz.code;
  $("aufgabeTitel").replaceChildren(`Aufgabe ${i + 1} von ${satz.aufgaben.length} · Übung `, code);
  $("aufgabeText").textContent = a.text;
  const reihe = a.fragen.filter((f) => f.art === "wert").map((f) => f.name).join(", ");
  $("anweisung").textContent = a.anweisung + " "
    + (a.fragen[0].art === "anzahl"
      ? "Gib zuerst an, wie viele Dreiecke es gibt, danach die Werte jedes Dreiecks der Reihe nach."
      : `Gib die Werte in dieser Reihenfolge ein: ${reihe}.`);
  $("fragen").replaceChildren();
  a.fragen.forEach((f, k) => {
    const li = document.createElement("li");
    li.id = "frage" + k;
    li.className = f.art;
    const label = document.createElement("label");
    label.htmlFor = "antwort" + k;
    label.textContent = f.art === "anzahl" ? "Anzahl der Dreiecke" : f.name + " =";
    const input = document.createElement("input");
    input.id = "antwort" + k;
    input.inputMode = f.art === "anzahl" ? "numeric" : "decimal";
    input.autocomplete = "off";
    input.spellcheck = false;
    input.maxLength = 40;
    input.setAttribute("aria-describedby", "note" + k);
    input.value = stand[i].antworten[k];
    const masz = document.createElement("span");
    masz.className = "einheit";
    masz.textContent = f.winkel ? "°" : "";
    masz.setAttribute("aria-hidden", "true");
    // Not an <output>: that would be a live region of its own beside the one announcement.
    const note = document.createElement("span");
    note.id = "note" + k;
    note.className = "note";
    li.append(label, input, masz, note);
    $("fragen").append(li);
  });
  $("hinweise").replaceChildren();
  for (const h of stand[i].gekauft) zeigeHinweis(h);
  $("weiter").textContent = i + 1 < satz.aufgaben.length ? "Nächste Aufgabe" : "Zur Auswertung";
  aktualisiere();
  $("aufgabeTitel").focus();
  ansage(`Aufgabe ${i + 1} von ${satz.aufgaben.length}. ${a.text}`);
}

// Marks, what can still be typed, the next hint and its price, the points.
function aktualisiere() {
  const a = satz.aufgaben[nr];
  const s = stand[nr];
  a.fragen.forEach((f, k) => {
    $("frage" + k).hidden = !sichtbar(nr, k);
    const note = s.noten[k];
    $("antwort" + k).readOnly = note !== null;
    $("note" + k).textContent = note ? note.text : "";
    $("note" + k).dataset.note = note ? note.text : "";
  });
  const naechster = naechsterHinweis();
  $("hinweis").disabled = naechster === null;
  $("hinweis").textContent = naechster === null ? "Kein Hinweis mehr"
    : `Hinweis: ${satz.hinweise[naechster.art].name} (${preisText(satz.hinweise[naechster.art].preis)})`;
  $("pruefen").disabled = a.fragen.every((_, k) => s.noten[k] !== null || !sichtbar(nr, k));
  $("stand").textContent = `Punkte in dieser Aufgabe: ${punkte(nr)} von ${hoechstens(nr)}`
    + (s.gekauft.length ? ` (Hinweise: −${kosten(s)})` : "")
    + ` · Übung: ${summe(punkte)} von ${summe(hoechstens)}`;
}

const preisText = (p) => (p === 1 ? "kostet 1 Punkt" : `kostet ${p} Punkte`);
// The first question still open: the one the hints about formulas are for.
function offeneFrage() {
  const a = satz.aufgaben[nr];
  const k = a.fragen.findIndex((_, j) => stand[nr].noten[j] === null && sichtbar(nr, j));
  return k < 0 ? null : k;
}

// Two hints about the exercise, then three about the open question, one at a time.
function naechsterHinweis() {
  const s = stand[nr];
  const allgemein = s.gekauft.filter((h) => h.art < 2).length;
  if (allgemein < 2) return { art: allgemein, frage: null };
  const k = offeneFrage();
  if (k === null || s.fragenHinweise[k] >= 3) return null;
  return { art: 2 + s.fragenHinweise[k], frage: k };
}

function hinweisText(h) {
  const a = satz.aufgaben[nr];
  if (h.art === 0) return [a.hinweisTyp];
  if (h.art === 1) return [a.hinweisSatz];
  const f = a.fragen[h.frage];
  return h.art === 2 ? [f.formel] : h.art === 3 ? [f.zahlen] : f.schritt;
}

function zeigeHinweis(h) {
  $("hinweiseTitel").hidden = false;
  const li = document.createElement("li");
  const kopf = document.createElement("strong");
  const fuer = h.frage === null ? "" : ` zu ${satz.aufgaben[nr].fragen[h.frage].name}`;
  kopf.textContent = `${satz.hinweise[h.art].name}${fuer} (−${h.preis}): `;
  li.append(kopf);
  for (const zeile of h.texte) {
    const div = document.createElement("div");
    div.textContent = zeile;
    li.append(div);
  }
  $("hinweise").append(li);
  return li;
}

function kaufeHinweis() {
  const n = naechsterHinweis();
  if (n === null) return;
  const h = { art: n.art, frage: n.frage, preis: satz.hinweise[n.art].preis, texte: [] };
  h.texte = hinweisText(h);
  stand[nr].gekauft.push(h);
  if (n.frage !== null) stand[nr].fragenHinweise[n.frage] += 1;
  zeigeHinweis(h);
  aktualisiere();
  ansage(`${satz.hinweise[h.art].name}: ${h.texte.join(" ")}`);
  Plattform.melde(summe(punkte), summe(hoechstens), false);
}

function pruefe() {
  const a = satz.aufgaben[nr];
  const s = stand[nr];
  a.fragen.forEach((_, k) => {
    if (s.noten[k] === null) s.antworten[k] = $("antwort" + k).value.replace(/\t/g, " ").trim().slice(0, 40);
  });
  const antwort = engine("kalotri_uebung_bewerte", ["string", "number", "string"],
    [satz.code, nr, s.antworten.join("\t")]);
  if (antwort.fehler) { ansage(antwort.fehler); return; }
  const neu = [];
  antwort.noten.forEach((n, k) => {
    if (s.noten[k] === null && n.text !== "" && sichtbar(nr, k)) {
      s.noten[k] = n;
      neu.push(`${a.fragen[k].art === "anzahl" ? "Anzahl der Dreiecke" : a.fragen[k].name}: ${n.text}`);
    }
  });
  aktualisiere();
  ansage(neu.length ? neu.join(". ") + "." : "Noch nichts eingegeben.");
  const k = offeneFrage();
  (k === null ? $("weiter") : $("antwort" + k)).focus();
  Plattform.melde(summe(punkte), summe(hoechstens), false);
}

function weiter() {
  if (nr + 1 < satz.aufgaben.length) {
    zeigeAufgabe(nr + 1);
  } else {
    zeigeAuswertung();
  }
}

function zeigeAuswertung() {
  $("aufgabe").hidden = true;
  $("auswertung").hidden = false;
  const zeilen = satz.aufgaben.map((a, i) => {
    const tr = document.createElement("tr");
    const loesung = a.fragen.map((f) => (f.art === "anzahl" ? "Dreiecke: " : f.name + " = ") + f.richtig);
    const hinweise = stand[i].gekauft.length;
    for (const text of [String(i + 1), a.text, loesung.join("; "), `${punkte(i)} von ${hoechstens(i)}`,
      hinweise ? `${hinweise} (−${kosten(stand[i])})` : "keine"]) {
      const td = document.createElement("td");
      td.textContent = text;
      tr.append(td);
    }
    return tr;
  });
  $("uebersicht").tBodies[0].replaceChildren(...zeilen);
  const p = summe(punkte);
  const m = summe(hoechstens);
  $("gesamt").textContent = `Übung ${satz.code}: ${p} von ${m} Punkten (${Math.round((100 * p) / m)} %)`;
  $("auswertungTitel").focus();
  ansage($("gesamt").textContent);
  Plattform.melde(p, m, true);
  Plattform.beende();
}

function neueNummer() {
  const z = new Uint32Array(1);
  window.crypto.getRandomValues(z);
  return 1 + (z[0] % 99999);
}
function codeAus(stufe, typ, anzahl) {
  return `${stufe}-${typ ? typ + "-" : ""}${neueNummer()}-${anzahl}`;
}

$("codeForm").addEventListener("submit", (e) => { e.preventDefault(); starte($("code").value); });
$("wahlForm").addEventListener("submit", (e) => {
  e.preventDefault();
  starte(codeAus($("stufe").value, $("typ").value, $("anzahl").value));
});
$("antwortForm").addEventListener("submit", (e) => { e.preventDefault(); pruefe(); });
$("hinweis").addEventListener("click", kaufeHinweis);
$("weiter").addEventListener("click", weiter);
$("drucken").addEventListener("click", () => window.print());
$("nochmal").addEventListener("click", () => {
  starte(codeAus(satz.stufe, satz.typ, satz.aufgaben.length));
});
$("andere").addEventListener("click", () => {
  $("auswertung").hidden = true;
  $("start").hidden = false;
  $("code").focus();
});
// Leaving the page in the middle of a set still hands the score so far to the platform.
window.addEventListener("pagehide", () => {
  if (satz) Plattform.melde(summe(punkte), summe(hoechstens), false);
  Plattform.beende();
});

KalotriModul().then((m) => {
  modul = m;
  $("codeStart").disabled = false;
  $("wahlStart").disabled = false;
  beginneMitPlattform(m);
  document.documentElement.dataset.bereit = "ja";
});
