// SPDX-License-Identifier: GPL-3.0-or-later
// The summary at the end: a name to write in, the date, per exercise the pupil's answers with
// their marks beside the right ones, the points and hints; it prints on its own.

function zellenListe(zeilen) {
  const td = document.createElement("td");
  for (const z of zeilen) {
    const div = document.createElement("div");
    div.textContent = z;
    td.append(div);
  }
  return td;
}

function auswertungsZeile(a, i) {
  const s = stand[i];
  const tr = document.createElement("tr");
  const gleich = (f) => (f.art === "anzahl" ? "Dreiecke: " : f.name + " = ");
  const eigene = a.fragen.map((f, k) => {
    const typ = s.antworten[k] === "" ? "–" : s.antworten[k];
    return `${gleich(f)}${typ}${s.noten[k] ? " (" + s.noten[k].text + ")" : ""}`;
  });
  // With the triangles numbered the other way, the right values stand where the pupil's are.
  const richtig = a.fragen.map((f) => gleich(f) + (s.vertauscht ? f.richtigAndersrum : f.richtig));
  const hinweise = s.gekauft.length;
  const nummer = document.createElement("td");
  nummer.textContent = String(i + 1);
  const text = document.createElement("td");
  text.textContent = a.text;
  tr.append(nummer, text, zellenListe(eigene), zellenListe(richtig),
    zellenListe([`${punkte(i)} von ${hoechstens(i)}`]),
    zellenListe([hinweise ? `${hinweise} (−${kosten(s)})` : "keine"]));
  // On a phone each row is a card; its cells name their column themselves.
  const koepfe = Array.from($("uebersicht").tHead.rows[0].cells, (th) => th.textContent);
  Array.from(tr.cells).forEach((td, k) => { td.dataset.titel = koepfe[k]; });
  return tr;
}

function zeigeAuswertung() {
  $("aufgabe").hidden = true;
  $("auswertung").hidden = false;
  $("uebersicht").tBodies[0].replaceChildren(...satz.aufgaben.map(auswertungsZeile));
  $("datum").textContent = new Date().toLocaleDateString("de-DE",
    { weekday: "long", day: "numeric", month: "long", year: "numeric" });
  const p = summe(punkte);
  const m = summe(hoechstens);
  $("gesamt").textContent = `Übung ${satz.code}: ${p} von ${m} Punkten (${Math.round((100 * p) / m)} %)`;
  $("auswertungTitel").focus();
  ansage($("gesamt").textContent);
  Plattform.melde(p, m, true);
  Plattform.beende();
}
