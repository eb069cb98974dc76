// SPDX-License-Identifier: GPL-3.0-or-later
// The learning platform, when there is one: the SCORM 1.2 API object a platform puts in a
// window above the page (or in the window that opened it). Without one every call here
// does nothing and the page works alone.
"use strict";

const Plattform = (() => {
  let api = null;
  let beendet = false;

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

  function lies(name) {
    try { return String(api.LMSGetValue(name) ?? ""); } catch (e) { return ""; }
  }
  function setze(name, wert) {
    try { api.LMSSetValue(name, String(wert)); } catch (e) { /* the platform refused it */ }
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
    beginne() {
      api = suche(window.parent !== window ? window.parent : null) ?? suche(window.opener);
      if (!api) return false;
      try { api.LMSInitialize(""); } catch (e) { api = null; return false; }
      setze("cmi.core.lesson_status", "incomplete");
      api.LMSCommit("");
      return true;
    },
    verbunden: () => api !== null && !beendet,
    einstellungen,
    // The score so far, 0 to 100 of the whole set; at the end passed or failed against the
    // package's mastery score, completed where the package sets none.
    melde(punkte, hoechstens, fertig) {
      if (!api || beendet) return;
      const roh = hoechstens > 0 ? Math.round((100 * punkte) / hoechstens) : 0;
      setze("cmi.core.score.min", 0);
      setze("cmi.core.score.max", 100);
      setze("cmi.core.score.raw", roh);
      let status = "incomplete";
      if (fertig) {
        const schwelle = Number.parseFloat(lies("cmi.student_data.mastery_score"));
        status = Number.isFinite(schwelle) ? (roh >= schwelle ? "passed" : "failed") : "completed";
      }
      setze("cmi.core.lesson_status", status);
      try { api.LMSCommit(""); } catch (e) { /* kept by the platform's own timer, if any */ }
    },
    beende() {
      if (!api || beendet) return;
      beendet = true;
      try { api.LMSFinish(""); } catch (e) { /* nothing left to do */ }
    },
  };
})();
