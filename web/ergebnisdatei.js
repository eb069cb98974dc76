// SPDX-License-Identifier: GPL-3.0-or-later
// "Ergebnis speichern": where there is no learning platform, a pupil hands in a small
// file (name, code, date, points, marks and hints per exercise) that kalotri-blatt
// --auswertung collects into the class's table. The engine writes it.
"use strict";

function heute() {
  const d = new Date();
  const zwei = (z) => String(z).padStart(2, "0");
  return `${d.getFullYear()}-${zwei(d.getMonth() + 1)}-${zwei(d.getDate())}`;
}

function speichereErgebnis() {
  // The summary's own name box where it has one, so that a name is typed once.
  const feld = $("name") || $("ergebnisName");
  const name = feld.value.trim();
  if (!name) {
    $("ergebnisHilfe").textContent = "Bitte zuerst deinen Namen eingeben.";
    $("ergebnisHilfe").classList.add("fehler");
    feld.focus();
    return;
  }
  let text = "";
  try {
    text = modul.ccall("kalotri_ergebnisdatei", "string", ["string", "string", "string"],
      [name, heute(), Plattform.standJson(true)]);
  } catch (fehler) {
    text = "";
  }
  if (!text) {
    $("ergebnisHilfe").textContent = "Das Ergebnis ließ sich nicht schreiben; bitte drucke es.";
    $("ergebnisHilfe").classList.add("fehler");
    return;
  }
  const datei = `kalotri-ergebnis-${satz.code}-${name}`.normalize("NFKD")
    .replace(/[\u0300-\u036f]/g, "").replace(/[^A-Za-z0-9-]+/g, "-").slice(0, 80) + ".txt";
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type: "text/plain;charset=utf-8" }));
  link.download = datei;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  $("ergebnisHilfe").classList.remove("fehler");
  $("ergebnisHilfe").textContent = `Gespeichert als ${datei}. Gib die Datei deiner Lehrkraft.`;
  ansage($("ergebnisHilfe").textContent);
}

$("ergebnisForm").addEventListener("submit", (e) => { e.preventDefault(); speichereErgebnis(); });
// Where the summary has a name box of its own, the name is typed there, once.
if ($("name")) {
  $("ergebnisName").hidden = true;
  document.querySelector('label[for="ergebnisName"]').hidden = true;
}
