// SPDX-License-Identifier: GPL-3.0-or-later
// The learning platform, when there is one: the SCORM 1.2 API object a platform puts in a
// window above the page (or in the window that opened it). This file only talks to it;
// what to report, when to only show an attempt and how to keep a set for resuming are the
// engine's rules (kalotri_scorm_*). Every call may fail or throw: the pupil is told, and
// the page goes on working alone.
"use strict";

const Plattform = (() => {
  let api = null;
  let modul = null;
  let beendet = false;
  let nurAnsehen = false; // a finished or no-credit attempt: nothing is written
  let schwelle = "";      // the platform's own mastery score, if it has one
  let zaehler = 0;        // the next cmi.interactions.n
  let gestartet = 0;
  let seit = 0;           // for an answer's latency: since the page last reported
  let stoerung = "";
  let gehalten = false;   // while a kept set is put back
  let gemeldet = new Set(); // the boxes already sent as interactions, "code:i:k"

  const regel = (name, typen, werte) => modul.ccall(name, "string", typen, werte);

  function suche(fenster) {
    for (let tiefe = 0; fenster && tiefe < 12; ++tiefe) {
      try {
        if (fenster.API && typeof fenster.API.LMSInitialize === "function") return fenster.API;
      } catch (e) { return null; } // a window of another origin: no platform of ours
      if (fenster.parent === fenster) break;
      fenster = fenster.parent;
    }
    return null;
  }

  function zeige(text, fehler) {
    const p = document.getElementById("plattform");
    p.hidden = false;
    p.textContent = text;
    p.classList.toggle("fehler", fehler);
    p.setAttribute("role", fehler ? "alert" : "status");
  }
  const NICHT_GESPEICHERT = " Dein Ergebnis bleibt hier sichtbar; du kannst es am Ende drucken"
    + " oder mit „Ergebnis speichern“ als Datei sichern.";

  // The platform's own words for its last error, as far as it gives them.
  function grund() {
    try {
      const code = String(api.LMSGetLastError());
      const text = String(api.LMSGetErrorString(code) || "");
      return `Fehler ${code}${text ? ": " + text : ""}`;
    } catch (e) {
      return "ohne Fehlernummer";
    }
  }
  function ruf(name, ...werte) {
    try {
      return String(api[name](...werte)) === "true";
    } catch (e) {
      return false;
    }
  }
  function lies(name) {
    try { return String(api.LMSGetValue(name) ?? ""); } catch (e) { return ""; }
  }
  function setze(name, wert) {
    if (ruf("LMSSetValue", name, String(wert))) return true;
    stoerung ||= `Die Lernplattform hat „${name}“ nicht angenommen (${grund()}).`;
    return false;
  }
  function speichere() {
    if (!ruf("LMSCommit", "")) stoerung ||= `Die Lernplattform hat nicht gespeichert (${grund()}).`;
    if (stoerung) {
      zeige(stoerung + NICHT_GESPEICHERT, true);
    } else {
      zeige("Deine Punkte gehen an die Lernplattform.", false);
    }
    stoerung = "";
  }

  // The practice page's set (its globals satz, stand, nr, hoechstens) as the engine's rules
  // take it (see web/standjson.h).
  function standJson(fertig) {
    return JSON.stringify({ code: satz.code, aufgabe: nr, fertig,
      aufgaben: stand.map((s, i) => ({ antworten: s.antworten, noten: s.noten,
        hoechstens: hoechstens(i),
        gekauft: s.gekauft.map((h) => ({ art: h.art, frage: h.frage, preis: h.preis })) })) });
  }

  // Every box marked since the last report, for the teacher's report.
  function neueAntworten() {
    stand.forEach((s, i) => s.noten.forEach((note, k) => {
      const schluessel = `${satz.code}:${i}:${k}`;
      if (!note || gemeldet.has(schluessel)) return;
      gemeldet.add(schluessel);
      antwort(i, k, s.antworten[k], note);
    }));
  }

  function antwort(nummer, frage, text, note) {
    const i = JSON.parse(regel("kalotri_scorm_antwort",
      ["string", "number", "number", "string", "number", "string"],
      [satz.code, nummer, frage, text, note.notencode, satz.aufgaben[nummer].fragen[frage].richtig])
      || "{}");
    if (!i.id) return;
    const jetzt = new Date();
    const n = `cmi.interactions.${zaehler++}.`;
    const zeit = (h, uhr) => regel("kalotri_scorm_zeit", ["number", "number"], [h, uhr]);
    setze(n + "id", i.id);
    setze(n + "type", i.type);
    setze(n + "time", zeit((jetzt - new Date(jetzt).setHours(0, 0, 0, 0)) / 10, 1));
    setze(n + "student_response", i.student_response);
    // Optional in SCORM 1.2; a platform without it loses nothing the pupil needs to know.
    ruf("LMSSetValue", n + "correct_responses.0.pattern", i.richtig);
    setze(n + "result", i.result);
    setze(n + "latency", zeit((jetzt - seit) / 10, 0));
  }

  // What the engine's rules make of the points so far, and the set kept for resuming.
  function berichte(punkte, hoechstens, fertig) {
    neueAntworten();
    const bericht = JSON.parse(regel("kalotri_scorm_bericht",
      ["number", "number", "number", "string", "string"],
      [punkte, hoechstens, fertig ? 1 : 0, schwelle, einstellungen().get("bestehen") ?? ""]));
    if (bericht.roh !== null) {
      setze("cmi.core.score.min", 0);
      setze("cmi.core.score.max", 100);
      setze("cmi.core.score.raw", bericht.roh);
    }
    setze("cmi.core.lesson_status", bericht.status);
    const pause = regel("kalotri_scorm_pause", ["string"], [standJson(fertig)]);
    if (pause) setze("cmi.suspend_data", pause);
    setze("cmi.core.exit", fertig ? "" : "suspend");
    speichere();
    seit = Date.now();
  }

  // The teacher's settings: the launch parameters of the package's manifest (in the page's
  // address), else the platform's launch data, in the same form "stufe=2&typ=SSW&anzahl=8".
  function einstellungen() {
    const werte = new URLSearchParams(window.location.search);
    if (api && !["stufe", "typ", "anzahl", "code"].some((k) => werte.has(k))) {
      for (const [k, v] of new URLSearchParams(lies("cmi.launch_data").replace(/^\?/, ""))) {
        werte.set(k, v);
      }
    }
    return werte;
  }

  return {
    // Connects and reads the attempt before anything is written: {art: "keine" | "neu" |
    // "fortsetzen" | "ansehen" | "vorschau", stand, status, punkte}.
    beginne(m) {
      try {
        return this.verbinde(m);
      } catch (e) {
        api = null; // whatever went wrong, the page works alone
        return { art: "keine" };
      }
    },
    verbinde(m) {
      modul = m;
      gestartet = seit = Date.now();
      api = suche(window.parent !== window ? window.parent : null) ?? suche(window.opener);
      const imPaket = new URLSearchParams(window.location.search).has("scorm");
      if (!api) {
        if (imPaket) zeige("Keine Lernplattform gefunden: Deine Punkte werden nicht gespeichert." + NICHT_GESPEICHERT, true);
        return { art: "keine" };
      }
      if (!ruf("LMSInitialize", "")) {
        zeige(`Die Lernplattform hat die Verbindung abgelehnt (${grund()}). Deine Punkte werden`
          + " nicht gespeichert." + NICHT_GESPEICHERT, true);
        api = null;
        return { art: "keine" };
      }
      const wert = (n) => lies("cmi.core." + n);
      schwelle = lies("cmi.student_data.mastery_score");
      zaehler = Number.parseInt(lies("cmi.interactions._count"), 10) || 0;
      const start = JSON.parse(regel("kalotri_scorm_start", Array(5).fill("string"),
        [wert("lesson_mode"), wert("credit"), wert("entry"), wert("lesson_status"),
          lies("cmi.suspend_data")]) || '{"art":"neu","stand":null}');
      nurAnsehen = start.art === "ansehen" || start.art === "vorschau";
      if (start.art === "ansehen") {
        zeige("Dieser Versuch ist abgeschlossen und wird nur angezeigt; hier ändert sich nichts"
          + " mehr. Einen neuen Versuch startest du in der Lernplattform.", false);
      } else if (start.art === "vorschau") {
        zeige("Vorschau: Was du hier übst, wird nicht an die Lernplattform gemeldet.", false);
      } else {
        zeige("Deine Punkte gehen an die Lernplattform.", false);
      }
      if (start.stand) {
        start.stand.aufgaben.forEach((a, i) => a.noten.forEach((note, k) => {
          if (note) gemeldet.add(`${start.stand.code}:${i}:${k}`);
        }));
      }
      return { ...start, status: wert("lesson_status"), punkte: wert("score.raw") };
    },
    verbunden: () => api !== null && !beendet,
    nurAnsehen: () => nurAnsehen,
    einstellungen,
    standJson,
    halte(ja) { gehalten = ja; },
    // The points so far, the boxes marked since the last report, and the set as it stands
    // for resuming.
    melde(punkte, hoechstens, fertig) {
      if (!api || beendet || nurAnsehen || gehalten) return;
      try {
        berichte(punkte, hoechstens, fertig);
      } catch (e) { // the engine failed: the pupil's page must not
        zeige(`Die Punkte ließen sich nicht melden (${e.message || e}).` + NICHT_GESPEICHERT, true);
      }
    },
    beende() {
      if (!api || beendet) return;
      if (!nurAnsehen) {
        try {
          setze("cmi.core.session_time",
            regel("kalotri_scorm_zeit", ["number", "number"], [(Date.now() - gestartet) / 10, 0]));
        } catch (e) { /* no session time; the points are what counts */ }
        speichere();
      }
      beendet = true;
      ruf("LMSFinish", "");
    },
  };
})();
