// SPDX-License-Identifier: GPL-3.0-or-later
// How the page begins in a learning platform: a set the platform kept is carried on where
// the pupil left it, or only shown when the attempt is finished; else the teacher's set.
// The engine has read and checked the kept state; here it goes back into the page's own.
"use strict";

function uebernimm(frueher) {
  frueher.aufgaben.forEach((f, i) => {
    const s = stand[i];
    s.antworten = f.antworten.slice();
    s.noten = f.noten.slice();
    nr = i; // the hints' texts are those of this exercise
    s.gekauft = f.gekauft.map((h) => {
      const kauf = { art: h.art, frage: h.frage, preis: h.preis, texte: [] };
      kauf.texte = hinweisText(kauf);
      if (h.frage !== null) s.fragenHinweise[h.frage] += 1;
      return kauf;
    });
  });
}

// The kept set as it was; nothing goes to the platform while it is put back.
function fahreFort(frueher) {
  Plattform.halte(true);
  starte(frueher.code);
  uebernimm(frueher);
  Plattform.halte(false);
  if (frueher.fertig || Plattform.nurAnsehen()) {
    zeigeAuswertung();
  } else {
    zeigeAufgabe(frueher.aufgabe);
  }
}

// A finished attempt of which the platform kept only its score.
function zeigeAbgeschlossen(status, punkte) {
  const wie = { passed: "bestanden", failed: "nicht bestanden", completed: "abgeschlossen" };
  const text = `Gespeichert sind ${punkte || "0"} von 100 Punkten`
    + (wie[status] ? `, ${wie[status]}.` : ".");
  $("plattform").textContent += " " + text;
  ansage($("plattform").textContent);
}

function beginneMitPlattform(m) {
  const versuch = Plattform.beginne(m);
  const e = Plattform.einstellungen();
  // A new attempt in a platform is the platform's to start.
  $("nochmal").hidden = $("andere").hidden = versuch.art !== "keine";
  if (versuch.stand) {
    fahreFort(versuch.stand);
  } else if (versuch.art === "ansehen") {
    zeigeAbgeschlossen(versuch.status, versuch.punkte);
  } else if (e.has("code")) {
    starte(e.get("code"));
  } else if (versuch.art !== "keine" || e.has("scorm")) {
    starte(codeAus(e.get("stufe") || "2", e.get("typ") || "", e.get("anzahl") || "6"));
  }
}
