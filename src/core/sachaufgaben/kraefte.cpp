// SPDX-License-Identifier: GPL-3.0-or-later
// Two ropes pulling at a hook: the resultant force from the parallelogram of forces (SWS).
#include "situationen.h"

namespace kalotri::sach {

std::optional<Sachaufgabe> Kraefte(Wuerfel& w, const Sachregeln& r, int /*variante*/) {
    // Forces as a spring balance shows them: whole newtons, on Stufe 1 in tens.
    const auto kraft = [&] {
        return Zehntel{10 * (r.Stufe < 2 ? 10 * w.Zahl(10, 200) : w.Zahl(100, 2000)), true};
    };
    const Zehntel f1 = kraft();
    const Zehntel f2 = kraft();
    const Zehntel phi = Grad(w, 20, r.Stufe < 2 ? 89 : 150, r.Stufe);
    Bau b(Situation::Kraefte, r);
    const std::string t1 = b.Gib("F₁", f1, "N");
    const std::string t2 = b.Gib("F₂", f2, "N");
    const std::string tP = b.Gib("φ", phi, "°");
    b.A.Text = "An einem Haken A greifen zwei Seile an. Das erste zieht mit der Kraft F₁ = " + t1 +
               ", das zweite mit der Kraft F₂ = " + t2 +
               "; die beiden Seile schließen den Winkel φ = " + tP + " ein.";
    b.A.Fragen = {"Wie groß ist die resultierende Kraft R?",
                  "Welchen Winkel schließt sie mit dem ersten Seil ein?"};
    // Triangle ABC of the parallelogram: c = AB is F₁, a = BC is F₂ moved along, b = AC is R.
    const Zehntel beta{1800 - phi.Wert, phi.Ganz};
    const auto loesung = b.Rechne(
        {"a", "b", "c", "a", "b", "g"},
        {f2.Zahl(), std::nullopt, f1.Zahl(), std::nullopt, beta.Zahl(), std::nullopt}, "N", 1);
    if (!loesung) {
        return std::nullopt;
    }
    const L kraftR = loesung->Dreiecke[0].Werte[1];
    const L alpha = loesung->Dreiecke[0].Werte[3];
    b.Satz("Die resultierende Kraft R ist die Diagonale AC des Kräfteparallelogramms aus F₁ und "
           "F₂. Im Dreieck ABC ist c = AB die Kraft F₁ und a = BC die parallel verschobene Kraft "
           "F₂; der Winkel β bei B ist der Nebenwinkel von φ:");
    b.Rechnung("Nebenwinkel", "β = 180° − φ", "β = 180° − " + tP,
               "β = " + Text(beta, r.Format.Trennzeichen) + "°");
    b.Satz("Zwei Seiten und der Winkel zwischen ihnen sind bekannt: Typ SWS. Gesucht sind die "
           "Seite b = AC, also R, und der Winkel α bei A zwischen F₁ und R.");
    b.Rechenweg(*loesung);
    b.A.Dreiecksfragen = {Feld::B, Feld::Alpha};
    const std::string tR = b.Frage("R", kraftR, "N", 1, "resultierende Kraft");
    const std::string tA = b.Frage("α", alpha, "°", 1, "Winkel zwischen R und dem ersten Seil");
    b.Antwort("Die resultierende Kraft beträgt etwa " + tR + ".");
    b.Antwort("Sie schließt mit dem ersten Seil einen Winkel von etwa " + tA + " ein.");
    Sachskizze& s = b.A.Skizze;
    s.Punkte = {{"A", 0.0, 0.0}, {"B", 0.6, 0.0}, {"C", 0.45, 0.6}, {"D", -0.15, 0.6}};
    s.Linien = {{0, 1, Linienart::Gegeben, true, b.Marke("F₁", f1, "N"), -1},
                {0, 3, Linienart::Gegeben, true, b.Marke("F₂", f2, "N"), -1, 0.72},
                {1, 2, Linienart::Hilfe, false, ""},
                {3, 2, Linienart::Hilfe, false, ""},
                {0, 2, Linienart::Gesucht, true, "R = ?", -1, 0.75}};
    // R lies inside φ: α's label between F₁ and R, φ's further out between R and F₂.
    s.Winkel = {{0, 1, 2, "α = ?", false, 0.2}, {0, 1, 3, b.Marke("φ", phi, "°"), false, 0.62}};
    return b.Fertig();
}

} // namespace kalotri::sach
