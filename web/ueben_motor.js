// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page: a set of exercises from the engine, the pupil's answers marked by the
// engine, hints from its worked steps. The page reads no number and marks nothing itself;
// it adds up the points the engine gives and the hints' prices. This part: the engine, the
// set and what the pupil has done in it, and the points that follow.
"use strict";

const $ = (id) => document.getElementById(id);
let modul = null;
let satz = null; // the set as the engine gave it
let nr = 0;      // the exercise shown
let stand = [];  // per exercise: answers, marks, messages, hints bought

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

function neuerStand(a) {
  return { antworten: a.fragen.map(() => ""), noten: a.fragen.map(() => null),
    meldungen: a.fragen.map(() => ""), gekauft: [], fragenHinweise: a.fragen.map(() => 0),
    vertauscht: false, zuordnung: "" };
}

function hoechstens(i) { return satz.aufgaben[i].hoechstens; }
function kosten(s) { return s.gekauft.reduce((summe, h) => summe + h.preis, 0); }
function punkte(i) {
  const s = stand[i];
  const roh = s.noten.reduce((summe, n) => summe + (n ? n.punkte : 0), 0);
  return Math.max(0, roh - kosten(s));
}
function summe(f) { return satz.aufgaben.reduce((z, _, i) => z + f(i), 0); }
// Every answer that counts is marked; intermediate values may stay empty.
function allesMarkiert(i) {
  return stand[i].noten.every((n, k) => n !== null || satz.aufgaben[i].fragen[k].freiwillig);
}

// SSW: the values are asked once the number of triangles is marked.
function sichtbar(i, k) {
  const a = satz.aufgaben[i];
  return a.fragen[k].art === "anzahl" || a.fragen[0].art !== "anzahl" || stand[i].noten[0] !== null;
}
// The first question still open: the one the hints about formulas are for. With `pflicht`
// only one that counts: where the focus goes next, past intermediate values left out.
function offeneFrage(pflicht = false) {
  const a = satz.aufgaben[nr];
  const k = a.fragen.findIndex((f, j) => stand[nr].noten[j] === null && sichtbar(nr, j)
    && !(pflicht && f.freiwillig));
  return k < 0 ? null : k;
}
function frageName(f) { return f.art === "anzahl" ? "Anzahl der Dreiecke" : f.name; }
