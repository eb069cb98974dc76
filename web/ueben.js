// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page's course: a set from a code or a choice, the answers checked by the
// engine, on to the next exercise and the summary; the learning platform told the score.

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
  stand = satz.aufgaben.map(neuerStand);
  $("start").hidden = true;
  $("auswertung").hidden = true;
  zeigeAufgabe(0);
  Plattform.melde(0, summe(hoechstens), false);
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
    if (s.noten[k] !== null || !sichtbar(nr, k)) return;
    // An answer that is no number is told why and stays open; it costs nothing.
    s.meldungen[k] = n.offen ? n.text : "";
    if (!n.offen) s.noten[k] = n;
    if (n.text !== "") neu.push(`${frageName(a.fragen[k])}: ${n.text}`);
  });
  if (antwort.vertauscht && !s.vertauscht) neu.push(antwort.zuordnung);
  s.vertauscht = antwort.vertauscht;
  s.zuordnung = antwort.vertauscht ? antwort.zuordnung : "";
  aktualisiere();
  ansage(neu.length ? neu.join(". ") + "." : "Noch nichts eingegeben.");
  const k = offeneFrage(true);
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
