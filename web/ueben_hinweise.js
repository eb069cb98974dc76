// SPDX-License-Identifier: GPL-3.0-or-later
// Hints: two about the exercise, then three about the open question, one at a time, each at
// the engine's price; once every answer is marked they only explain and cost what the engine
// says then (nothing), for the questions not answered right first.

function preisJetzt(art) {
  const h = satz.hinweise[art];
  return allesMarkiert(nr) ? h.preisMarkiert : h.preis;
}

// The question the next hints are about: the open one, or once all are marked the first
// one not right that still has hints left.
function hinweisFrage() {
  const s = stand[nr];
  if (!allesMarkiert(nr)) return offeneFrage();
  const offen = (k) => s.fragenHinweise[k] < 3;
  const k = s.noten.findIndex((n, j) => n !== null && !n.voll && offen(j));
  if (k >= 0) return k;
  const j = s.noten.findIndex((_, j2) => offen(j2));
  return j < 0 ? null : j;
}

function naechsterHinweis() {
  const s = stand[nr];
  const allgemein = s.gekauft.filter((h) => h.art < 2).length;
  if (allgemein < 2) return { art: allgemein, frage: null };
  const k = hinweisFrage();
  if (k === null || s.fragenHinweise[k] >= 3) return null;
  return { art: 2 + s.fragenHinweise[k], frage: k };
}

const preisText = (p) => (p === 0 ? "frei" : p === 1 ? "kostet 1 Punkt" : `kostet ${p} Punkte`);

function zeigeHinweisKnopf() {
  const n = naechsterHinweis();
  $("hinweis").disabled = n === null;
  $("hinweis").textContent = n === null ? "Kein Hinweis mehr"
    : `Hinweis: ${satz.hinweise[n.art].name} (${preisText(preisJetzt(n.art))})`;
}

function hinweisText(h) {
  const a = satz.aufgaben[nr];
  if (h.art === 0) return [a.hinweisTyp];
  if (h.art === 1) return [a.hinweisSatz];
  const f = a.fragen[h.frage];
  return h.art === 2 ? [f.formel] : h.art === 3 ? [f.zahlen] : f.schritt;
}

function zeigeHinweis(h) {
  $("hinweiseTitel").hidden = false;
  const li = document.createElement("li");
  const kopf = document.createElement("strong");
  const fuer = h.frage === null ? "" : ` zu ${frageName(satz.aufgaben[nr].fragen[h.frage])}`;
  kopf.textContent = `${satz.hinweise[h.art].name}${fuer} (${h.preis ? "−" + h.preis : "frei"}): `;
  li.append(kopf);
  for (const zeile of h.texte) {
    const div = document.createElement("div");
    div.textContent = zeile;
    li.append(div);
  }
  $("hinweise").append(li);
  return li;
}

function kaufeHinweis() {
  const n = naechsterHinweis();
  if (n === null) return;
  const h = { art: n.art, frage: n.frage, preis: preisJetzt(n.art), texte: [] };
  h.texte = hinweisText(h);
  stand[nr].gekauft.push(h);
  if (n.frage !== null) stand[nr].fragenHinweise[n.frage] += 1;
  zeigeHinweis(h);
  aktualisiere();
  ansage(`${satz.hinweise[h.art].name}: ${h.texte.join(" ")}`);
  Plattform.melde(summe(punkte), summe(hoechstens), false);
}
