// SPDX-License-Identifier: GPL-3.0-or-later
// An asymmetric gable roof: the span, one rafter and its pitch known, the other rafter and
// its pitch asked (SWS).
#include "situationen.h"

namespace kalotri::sach {

std::optional<Sachaufgabe> Dach(Wuerfel& w, const Sachregeln& r, int /*variante*/) {
    const Zehntel ab = Laenge(w, 7, 14, r.Stufe);
    const Zehntel af = Laenge(w, 4, 10, r.Stufe);
    const Zehntel alpha = Grad(w, 25, 55, r.Stufe);
    Bau b(Situation::Dach, r);
    const std::string tAB = b.Gib("AB", ab, "m");
    const std::string tAF = b.Gib("AF", af, "m");
    const std::string tA = b.Gib("α", alpha, "°");
    b.A.Text = "Ein Haus ist " + tAB +
               " breit; sein Satteldach ist nicht symmetrisch. Der Dachsparren von der Traufe A "
               "bis zum First F ist " +
               tAF + " lang und hat die Dachneigung α = " + tA +
               ". Der zweite Sparren reicht vom First F bis zur Traufe B auf der anderen Seite.";
    b.A.Fragen = {"Wie lang ist der zweite Sparren?", "Welche Dachneigung hat die zweite Seite?"};
    // Triangle ABF: f = AB, b = AF and α between them.
    const auto loesung = b.Rechne(
        {"a", "b", "f", "a", "b", "f"},
        {std::nullopt, af.Zahl(), ab.Zahl(), alpha.Zahl(), std::nullopt, std::nullopt}, "m", 1);
    if (!loesung) {
        return std::nullopt;
    }
    const auto& d = loesung->Dreiecke[0].Werte;
    // A roof people build: both pitches between 20° and 65°, the ridge above the house.
    if (d[4] < 20 || d[4] > 65 || d[0] < 3) {
        return std::nullopt;
    }
    b.Satz("Traufe A, Traufe B und First F bilden das Dreieck ABF. Bekannt sind die Hausbreite "
           "f = AB, der Sparren b = AF und der Winkel α zwischen ihnen: Typ SWS. Den zweiten "
           "Sparren a = BF liefert der Cosinussatz, seine Neigung ist der Winkel β bei B.");
    b.Rechenweg(*loesung);
    b.A.Dreiecksfragen = {Feld::A, Feld::Beta};
    const std::string tBF = b.Frage("a", d[0], "m", 1, "Länge des zweiten Sparrens");
    const std::string tB = b.Frage("β", d[4], "°", 1, "Neigung der zweiten Dachseite");
    b.Antwort("Der zweite Sparren ist etwa " + tBF + " lang.");
    b.Antwort("Die zweite Dachseite hat eine Neigung von etwa " + tB + ".");

    // The roof as measured above the walls of the house, AB as the unit.
    Sachskizze& s = b.A.Skizze;
    const Skizzenpunkt first = Polar({"A", 0, 0}, static_cast<double>(af.Zahl() / ab.Zahl()),
                                     static_cast<double>(alpha.Zahl()), "F");
    s.Punkte = {{"A", 0, 0}, {"B", 1, 0}, first, {"", 0, -0.4}, {"", 1, -0.4}};
    s.Punkte[2].NameY = 1;
    s.Linien = {{0, 1, Linienart::Gegeben, false, b.Marke("AB", ab, "m"), -1},
                {0, 2, Linienart::Gegeben, false, b.Marke("AF", af, "m"), 1},
                {1, 2, Linienart::Gesucht, false, "a = ?", -1},
                {0, 3, Linienart::Gelaende, false, ""},
                {1, 4, Linienart::Gelaende, false, ""},
                {3, 4, Linienart::Gelaende, false, ""}};
    s.Winkel = {{0, 1, 2, b.Marke("α", alpha, "°"), false}, {1, 0, 2, "β = ?", false}};
    return b.Fertig();
}

} // namespace kalotri::sach
