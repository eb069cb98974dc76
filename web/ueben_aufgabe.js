// SPDX-License-Identifier: GPL-3.0-or-later
// One exercise on the page: its text and sketch, its questions with their units, the marks
// and messages beside them, the points so far.

// A word problem's sketch, as the engine draws it for the sheet: an SVG picture on white.
function zeigeSkizze(a) {
  const bild = $("skizze");
  bild.hidden = !a.skizze;
  if (!a.skizze) {
    bild.removeAttribute("src");
    return;
  }
  bild.src = "data:image/svg+xml;charset=utf-8," + encodeURIComponent(a.skizze);
  bild.alt = a.skizzeText;
}

// "c =" in a bare triangle; in a word problem what the story asks, in its words and unit:
// "Höhe des Kirchturms h in m".
// Word problems round each answer as its field says.
function beschriftung(f) {
  if (f.art === "anzahl") return "Anzahl der Dreiecke";
  if (!f.worte) return f.name + " =";
  const einheit = f.einheit === "°" ? "Grad" : f.einheit;
  const stellen = f.dezimalen === 0 ? "ganze Zahl"
    : f.dezimalen === 1 ? "auf 1 Nachkommastelle" : `auf ${f.dezimalen} Nachkommastellen`;
  return `${f.worte} ${f.name}${einheit ? " in " + einheit : ""} (${stellen}${f.freiwillig ? ", freiwillig" : ""})`;
}

function frageZeile(f, k, antwort) {
  const li = document.createElement("li");
  li.id = "frage" + k;
  li.className = f.art + (f.freiwillig ? " freiwillig" : "");
  li.dataset.name = f.name;
  li.dataset.dezimalen = f.dezimalen;
  const label = document.createElement("label");
  label.htmlFor = "antwort" + k;
  label.textContent = beschriftung(f);
  const input = document.createElement("input");
  input.id = "antwort" + k;
  input.inputMode = f.art === "anzahl" ? "text" : "decimal";
  input.autocomplete = "off";
  input.spellcheck = false;
  input.maxLength = 40;
  input.setAttribute("aria-describedby", "note" + k);
  input.value = antwort;
  const masz = document.createElement("span");
  masz.className = "einheit";
  masz.textContent = f.worte ? "" : f.einheit;
  masz.setAttribute("aria-hidden", "true");
  // Not an <output>: that would be a live region of its own beside the one announcement.
  const note = document.createElement("span");
  note.id = "note" + k;
  note.className = "note";
  li.append(label, input, masz, note);
  return li;
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
  zeigeSkizze(a);
  const reihe = a.fragen.filter((f) => f.art !== "anzahl" && !f.freiwillig).map((f) => f.name).join(", ");
  const zwischen = a.fragen.some((f) => f.freiwillig)
    ? " Die Größen im Dreieck davor sind freiwillige Zwischenwerte: sie geben keine Punkte, "
      + "werden aber bewertet, und mit ihnen erkennt die Seite Folgefehler."
    : "";
  $("anweisung").textContent = a.anweisung + " "
    + (a.fragen[0].art === "anzahl"
      ? "Gib zuerst an, wie viele Dreiecke es gibt, danach die Werte jedes Dreiecks der Reihe nach. "
        + a.welchesDreieck
      : `Gib die Werte in dieser Reihenfolge ein: ${reihe}.${zwischen}`);
  $("fragen").replaceChildren(...a.fragen.map((f, k) => frageZeile(f, k, stand[i].antworten[k])));
  $("hinweise").replaceChildren();
  $("hinweiseTitel").hidden = stand[i].gekauft.length === 0;
  for (const h of stand[i].gekauft) zeigeHinweis(h);
  $("weiter").textContent = i + 1 < satz.aufgaben.length ? "Nächste Aufgabe" : "Zur Auswertung";
  aktualisiere();
  $("aufgabeTitel").focus();
  ansage(`Aufgabe ${i + 1} von ${satz.aufgaben.length}. ${a.text}`);
}

// Marks, messages, what can still be typed, the next hint and its price, the points.
function aktualisiere() {
  const a = satz.aufgaben[nr];
  const s = stand[nr];
  a.fragen.forEach((f, k) => {
    $("frage" + k).hidden = !sichtbar(nr, k);
    const note = s.noten[k];
    const text = note ? note.text : s.meldungen[k];
    $("antwort" + k).readOnly = note !== null;
    $("antwort" + k).setAttribute("aria-invalid", !note && text ? "true" : "false");
    $("note" + k).textContent = text;
    $("note" + k).dataset.note = note ? note.note : text ? "offen" : "";
  });
  $("zuordnung").hidden = !s.zuordnung;
  $("zuordnung").textContent = s.zuordnung;
  zeigeHinweisKnopf();
  $("pruefen").disabled = a.fragen.every((_, k) => s.noten[k] !== null || !sichtbar(nr, k));
  $("stand").textContent = `Punkte in dieser Aufgabe: ${punkte(nr)} von ${hoechstens(nr)}`
    + (kosten(s) ? ` (Hinweise: −${kosten(s)})` : "")
    + ` · Übung: ${summe(punkte)} von ${summe(hoechstens)}`;
}
