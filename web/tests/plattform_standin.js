// SPDX-License-Identifier: GPL-3.0-or-later
// A SCORM 1.2 platform as a package meets it in Moodle: the attempt's data kept between
// launches (the test hands it in as window.lager and reads it back), review mode with
// no-credit for a finished attempt, entry "resume" after an exit with "suspend", on
// LMSFinish the mastery score overriding the status (Moodle's default) and "not attempted"
// becoming "completed", the data model's types and limits checked with Moodle's patterns
// and SCORM's error codes, and faults to order (window.stoerung).
"use strict";

window.protokoll = [];
const lager = window.lager; // {daten: {...}, interaktionen: [...]} of this attempt
const stoerung = window.stoerung || {};
const NUR_LESEN = /^cmi\.(core\.(student_id|student_name|credit|entry|lesson_mode|total_time)|launch_data|student_data\.mastery_score|interactions\._count|core\._children)$/;
const NUR_SCHREIBEN = /^cmi\.(core\.(session_time|exit)|interactions\.\d+\.\w+(\.\d+\.\w+)?)$/;
const FEHLERTEXT = { 0: "No error", 101: "General exception", 201: "Invalid argument error",
  301: "Not initialized", 401: "Not implemented error", 403: "Element is read only",
  404: "Element is write only", 405: "Incorrect data type" };
const DEZIMAL = /^-?\d+(\.\d+)?$/;
const PUNKTE = (v) => /^-?([0-9]{0,3})(\.[0-9]*)?$/.test(v) && +v >= 0 && +v <= 100; // Moodle's
const SPANNE = /^\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?$/;
const TYPEN = {
  "cmi.core.lesson_status": (v) => ["passed", "completed", "failed", "incomplete", "browsed"].includes(v),
  "cmi.core.score.raw": PUNKTE,
  "cmi.core.score.min": PUNKTE,
  "cmi.core.score.max": PUNKTE,
  "cmi.core.session_time": (v) => SPANNE.test(v),
  "cmi.core.exit": (v) => ["time-out", "suspend", "logout", ""].includes(v),
  "cmi.suspend_data": (v) => v.length <= 4096,
  "cmi.core.lesson_location": (v) => v.length <= 255,
};
const ANTWORT = { numeric: (v) => DEZIMAL.test(v), choice: (v) => /^[0-9a-z]$/.test(v),
  "fill-in": (v) => v.length <= 255 };
const INTERAKTION = {
  id: (v) => /^[^\s]{1,255}$/.test(v),
  type: (v) => ["true-false", "choice", "fill-in", "matching", "performance", "sequencing",
    "likert", "numeric"].includes(v),
  time: (v) => /^\d{2}:\d{2}:\d{2}(\.\d{1,2})?$/.test(v),
  latency: (v) => SPANNE.test(v),
  result: (v) => ["correct", "wrong", "unanticipated", "neutral"].includes(v) || DEZIMAL.test(v),
  weighting: (v) => DEZIMAL.test(v),
};

let zustand = "neu";
let letzter = 0;
const daten = lager.daten;
const status0 = daten["cmi.core.lesson_status"] || "not attempted";
const fertig = ["passed", "failed", "completed"].includes(status0);
const sitzung = Object.assign({}, daten, {
  "cmi.core.lesson_status": status0,
  "cmi.core.lesson_mode": fertig ? "review" : "normal",
  "cmi.core.credit": fertig ? "no-credit" : "credit",
  "cmi.core.entry": status0 === "not attempted" ? "ab-initio"
    : daten["cmi.core.exit"] === "suspend" ? "resume" : "",
  "cmi.student_data.mastery_score": window.beherrschung ?? "",
  "cmi.launch_data": window.startdaten ?? "",
  "cmi.interactions._count": String(lager.interaktionen.length),
}, window.vorgabe || {}); // a mode the test orders, such as a teacher's preview
const interaktionen = lager.interaktionen.map((i) => Object.assign({}, i));

function ergebnis(name, code, ...a) {
  letzter = code;
  protokoll.push([name, ...a, zustand, code]);
  return String(code === 0);
}
function gestoert(name) {
  if (stoerung[name] === "wirft") throw new Error("the platform broke");
  return stoerung[name] === "false";
}

function setzeInteraktion(k, v) {
  const [, n, feld] = k.match(/^cmi\.interactions\.(\d+)\.(.+)$/);
  if (+n > interaktionen.length) return 201; // in order, without gaps
  if (+n === interaktionen.length) {
    if (feld !== "id") return 201;
    interaktionen.push({});
  }
  const i = interaktionen[+n];
  if (feld === "student_response") {
    if (!(ANTWORT[i.type] || (() => true))(v)) return 405;
  } else if (/^correct_responses\.0\.pattern$/.test(feld)) {
    if (!(ANTWORT[i.type] || (() => true))(v)) return 405;
  } else if (!INTERAKTION[feld]) {
    return 401;
  } else if (!INTERAKTION[feld](v)) {
    return 405;
  }
  i[feld] = v;
  sitzung["cmi.interactions._count"] = String(interaktionen.length);
  return 0;
}

// What Moodle does on LMSFinish: with a mastery score, any score makes the status.
function schliesse() {
  if (sitzung["cmi.core.lesson_status"] === "not attempted") sitzung["cmi.core.lesson_status"] = "completed";
  if (sitzung["cmi.student_data.mastery_score"] !== "" && sitzung["cmi.core.score.raw"] !== undefined
      && sitzung["cmi.core.score.raw"] !== "" && sitzung["cmi.core.lesson_mode"] === "normal"
      && sitzung["cmi.core.credit"] === "credit") {
    sitzung["cmi.core.lesson_status"] =
      +sitzung["cmi.core.score.raw"] >= +sitzung["cmi.student_data.mastery_score"] ? "passed" : "failed";
  }
}

function speichere() {
  // Moodle stores what a review session sends as well: the page must not send it.
  for (const k of ["cmi.core.lesson_status", "cmi.core.score.raw", "cmi.core.score.min",
    "cmi.core.score.max", "cmi.suspend_data", "cmi.core.exit", "cmi.core.session_time"]) {
    if (sitzung[k] !== undefined) lager.daten[k] = sitzung[k];
  }
  lager.interaktionen = interaktionen.map((i) => Object.assign({}, i));
  window.gespeichert = JSON.parse(JSON.stringify(lager));
}

window.API = {
  LMSInitialize(a) {
    if (gestoert("LMSInitialize")) return ergebnis("LMSInitialize", 101, a);
    if (zustand !== "neu") return ergebnis("LMSInitialize", 101, a);
    zustand = "offen";
    return ergebnis("LMSInitialize", 0, a);
  },
  LMSGetValue(k) {
    if (zustand !== "offen") { ergebnis("LMSGetValue", 301, k); return ""; }
    if (NUR_SCHREIBEN.test(k)) { ergebnis("LMSGetValue", 404, k); return ""; }
    ergebnis("LMSGetValue", 0, k);
    return sitzung[k] ?? "";
  },
  LMSSetValue(k, v) {
    v = String(v);
    if (gestoert("LMSSetValue") || stoerung.ablehnen === k) return ergebnis("LMSSetValue", 405, k, v);
    if (zustand !== "offen") return ergebnis("LMSSetValue", 301, k, v);
    if (NUR_LESEN.test(k)) return ergebnis("LMSSetValue", 403, k, v);
    if (k.startsWith("cmi.interactions.")) return ergebnis("LMSSetValue", setzeInteraktion(k, v), k, v);
    if (!TYPEN[k]) return ergebnis("LMSSetValue", 401, k, v);
    if (!TYPEN[k](v)) return ergebnis("LMSSetValue", 405, k, v);
    sitzung[k] = v;
    return ergebnis("LMSSetValue", 0, k, v);
  },
  LMSCommit(a) {
    if (gestoert("LMSCommit")) return ergebnis("LMSCommit", 101, a);
    if (zustand !== "offen") return ergebnis("LMSCommit", 301, a);
    speichere();
    return ergebnis("LMSCommit", 0, a);
  },
  LMSFinish(a) {
    if (zustand !== "offen") return ergebnis("LMSFinish", 301, a);
    schliesse();
    speichere();
    zustand = "zu";
    return ergebnis("LMSFinish", 0, a);
  },
  LMSGetLastError: () => String(letzter),
  LMSGetErrorString: (c) => FEHLERTEXT[c] ?? "",
  LMSGetDiagnostic: (c) => FEHLERTEXT[c] ?? "",
};
if (stoerung.fehlt) delete window.API;
