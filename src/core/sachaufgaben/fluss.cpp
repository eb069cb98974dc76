// SPDX-License-Identifier: GPL-3.0-or-later
// The width of a river from a baseline on one bank and the angles towards a tree on the
// other: WSW, then the tree's distance from the bank in a right triangle.
#include "situationen.h"

#include <cmath>

namespace kalotri::sach {

namespace {

Sachskizze FlussSkizze(const std::string& ab, const std::string& alpha, const std::string& beta) {
    Sachskizze s;
    s.Punkte = {{"A", 0.0, 0.0},  {"B", 1.0, 0.0}, {"C", 0.42, 0.7}, {"L", 0.42, 0.0},
                {"", -0.08, 0.0}, {"", 1.2, 0.0},  {"", -0.08, 0.7}, {"", 1.2, 0.7}};
    s.Punkte[2].NameY = 1;
    s.Punkte[3].NameY = -1;
    s.Linien = {{4, 5, Linienart::Gelaende, false, ""},
                {6, 7, Linienart::Gelaende, false, ""},
                {0, 1, Linienart::Gegeben, false, ab, -1, 0.72},
                {0, 2, Linienart::Gesucht, false, "b = ?", 1},
                {1, 2, Linienart::Hilfe, false, ""},
                {3, 2, Linienart::Gesucht, false, "d = ?", -1, 0.6}};
    s.Winkel = {{0, 1, 2, alpha, false}, {1, 0, 2, beta, false}, {3, 1, 2, "", true}};
    s.Texte = {{1.1, 0.35, "Fluss"}};
    return s;
}

} // namespace

std::optional<Sachaufgabe> Flussbreite(Wuerfel& w, const Sachregeln& r, int /*variante*/) {
    const Zehntel alpha = Grad(w, 30, 80, r.Stufe);
    const Zehntel beta = Grad(w, 30, 80, r.Stufe);
    if (alpha.Wert + beta.Wert > 1500) {
        return std::nullopt;
    }
    // The baseline that makes a river of about the width drawn, rounded as measured.
    const L ziel = w.Zahl(35, 380);
    const L genau = ziel * Sin(alpha.Zahl() + beta.Zahl()) / (Sin(alpha.Zahl()) * Sin(beta.Zahl()));
    const bool ganz = r.Stufe < 2 || w.Zahl(0, 1) == 0;
    const Zehntel ab{ganz ? 10 * static_cast<int>(std::lround(genau))
                          : static_cast<int>(std::lround(10 * genau)),
                     ganz};

    Bau b(Situation::Flussbreite, r);
    const std::string tAB = b.Gib("AB", ab, "m");
    const std::string tA = b.Gib("α", alpha, "°");
    const std::string tB = b.Gib("β", beta, "°");
    b.A.Text =
        "Um die Breite eines Flusses zu bestimmen, steckt man an einem geraden Uferstück "
        "die Standlinie AB ab; sie ist " +
        tAB +
        " lang. Am anderen Ufer steht direkt am Wasser ein Baum C. Man misst in A den "
        "Winkel α = " +
        tA +
        " zwischen der Standlinie und der Richtung zum Baum, in B ebenso den Winkel β = " + tB +
        ".";
    b.A.Fragen = {"Wie breit ist der Fluss?", "Wie weit ist der Baum von A entfernt?"};

    const auto loesung = b.Rechne(
        {"a", "b", "c", "a", "b", "g"},
        {std::nullopt, std::nullopt, ab.Zahl(), alpha.Zahl(), beta.Zahl(), std::nullopt}, "m", 1);
    if (!loesung) {
        return std::nullopt;
    }
    const L ac = loesung->Dreiecke[0].Werte[1];
    const L d = ac * Sin(alpha.Zahl());
    if (d < 30 || d > 400 || ab.Wert < 400 || ab.Wert > 5000 || ac > 600) {
        return std::nullopt;
    }

    b.Satz("Die Breite des Flusses ist der Abstand d des Baums C von der Uferlinie AB. Im "
           "Dreieck ABC sind die Seite c = AB und die beiden Winkel an ihr bekannt; daraus "
           "ergibt sich die Seite b = AC.");
    b.Rechenweg(*loesung);
    b.Satz("Das Lot von C auf die Uferlinie trifft sie im Punkt L. Im rechtwinkligen Dreieck "
           "ALC ist b = AC die Hypotenuse und d = LC die Gegenkathete von α.");
    b.Rechnung("Sinus im rechtwinkligen Dreieck", "d = b·sin α",
               "d = " + b.Weiter(ac, {[&](L v) { return v * Sin(alpha.Zahl()); }}) + " m·sin " + tA,
               "d ≈ " + b.Seite(d));
    b.A.Dreiecksfragen = {Feld::B};
    const std::string breit =
        b.Frage("d", d, "m", 1, "Breite des Flusses",
                [](const std::array<L, 6>& w, const Tasten& t) { return w[1] * t.Sin(w[3]); });
    const std::string weit = b.Frage("b", ac, "m", 1, "Entfernung des Baums von A");
    b.Antwort("Der Fluss ist etwa " + breit + " breit.");
    b.Antwort("Der Baum steht etwa " + weit + " von A entfernt.");
    b.A.Skizze = FlussSkizze(tAB, b.Marke("α", alpha, "°"), b.Marke("β", beta, "°"));
    return b.Fertig();
}

} // namespace kalotri::sach
