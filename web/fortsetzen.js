// SPDX-License-Identifier: GPL-3.0-or-later
// A set the learning platform kept: carried on where the pupil left it, or only shown
// when the attempt is finished. The engine has read and checked the kept state; here it
// goes back into the page's own.
"use strict";

const melde = (fertig) =>
  Plattform.melde(summe(punkte), summe(hoechstens), satz, stand, nr, fertig);

// The attempt as the platform has it decides how the page begins: the kept set carried on
// or shown, a finished attempt's score, or the teacher's set.
function beginneMitPlattform(m) {
  const versuch = Plattform.beginne(m);
  const e = Plattform.einstellungen();
  if (versuch.stand) {
    starte(versuch.stand.code, versuch.stand);
  } else if (versuch.art === "ansehen") {
    zeigeAbgeschlossen(versuch.status, versuch.punkte);
  } else if (e.has("code")) {
    starte(e.get("code"));
  } else if (versuch.art !== "keine" || e.has("scorm")) {
    starte(codeAus(e.get("stufe") || "2", e.get("typ") || "", e.get("anzahl") || "6"));
  }
}

function uebernimm(frueher) {
  frueher.aufgaben.forEach((f, i) => {
    const s = stand[i];
    s.antworten = f.antworten.slice();
    s.noten = f.noten.slice();
    nr = i; // the hints' texts are those of this exercise
    s.gekauft = f.gekauft.map((h) => {
      const kauf = { art: h.art, frage: h.frage, preis: satz.hinweise[h.art].preis, texte: [] };
      kauf.texte = hinweisText(kauf);
      if (h.frage !== null) s.fragenHinweise[h.frage] += 1;
      return kauf;
    });
  });
}

// A finished attempt of which the platform kept only its score.
function zeigeAbgeschlossen(status, punkte) {
  const wie = { passed: "bestanden", failed: "nicht bestanden", completed: "abgeschlossen" };
  const text = `Gespeichert sind ${punkte || "0"} von 100 Punkten`
    + (wie[status] ? `, ${wie[status]}.` : ".");
  $("plattform").textContent += " " + text;
  ansage($("plattform").textContent);
}
