// SPDX-License-Identifier: GPL-3.0-or-later
// The distance of two points on opposite shores of a lake, from a point on land that sees
// both: two distances and the angle between them (SWS).
#include "situationen.h"
#include "winkel.h"

#include <algorithm>
#include <cmath>

namespace kalotri::sach {

std::optional<Sachaufgabe> Seebreite(Wuerfel& w, const Sachregeln& r, int /*variante*/) {
    const Zehntel ca = Laenge(w, 150, 900, r.Stufe);
    const Zehntel cb = Laenge(w, 150, 900, r.Stufe);
    const Zehntel gamma = Grad(w, 35, r.Stufe == 1 ? 89 : 140, r.Stufe);
    Bau b(Situation::Seebreite, r);
    const std::string tCA = b.Gib("CA", ca, "m");
    const std::string tCB = b.Gib("CB", cb, "m");
    const std::string tG = b.Gib("γ", gamma, "°");
    b.A.Text = "Der Bootssteg A und die Badestelle B liegen an gegenüberliegenden Ufern eines "
               "Sees. Von einem Punkt C an Land sieht man beide; man misst CA = " +
               tCA + " und CB = " + tCB +
               ". Die Richtungen von C nach A und von C nach B schließen den Winkel γ = " + tG +
               " ein.";
    b.A.Fragen = {"Wie weit ist der Bootssteg von der Badestelle entfernt?",
                  "Welchen Winkel schließen die Richtungen von A nach B und von A nach C ein?"};
    // Triangle ABC: a = BC, b = CA and γ between them.
    const auto loesung = b.Rechne(
        {"a", "b", "c", "a", "b", "g"},
        {cb.Zahl(), ca.Zahl(), std::nullopt, std::nullopt, std::nullopt, gamma.Zahl()}, "m", 1);
    if (!loesung) {
        return std::nullopt;
    }
    const auto& d = loesung->Dreiecke[0].Werte;
    // A lake narrower than either distance on land would be walked round, not measured.
    if (d[2] < 200 || d[2] > 1500 || d[3] < 20 || d[4] < 20 || ca.Wert > 2 * cb.Wert ||
        cb.Wert > 2 * ca.Wert) {
        return std::nullopt;
    }
    b.Satz("Über den See hinweg lässt sich AB nicht messen. Im Dreieck ABC sind aber die "
           "Seiten a = CB und b = CA und der Winkel γ zwischen ihnen bekannt: Typ SWS. Die "
           "Seite c = AB liefert der Cosinussatz, den Winkel α bei A danach der Sinussatz oder "
           "der Cosinussatz.");
    b.Rechenweg(*loesung);
    b.A.Dreiecksfragen = {Feld::C, Feld::Alpha};
    const std::string tAB = b.Frage("c", d[2], "m", 1, "Entfernung vom Bootssteg zur Badestelle");
    const std::string tA =
        b.Frage("α", d[3], "°", 1, "Winkel bei A zwischen den Richtungen nach B und nach C");
    b.Antwort("Der Bootssteg ist etwa " + tAB + " von der Badestelle entfernt.");
    b.Antwort("Die Richtungen von A nach B und von A nach C schließen einen Winkel von etwa " + tA +
              " ein.");

    // A and B level across the lake, C on land below them, the triangle as measured with
    // AB as the unit.
    Sachskizze& s = b.A.Skizze;
    const double ab = static_cast<double>(d[2]);
    const Skizzenpunkt c =
        Polar({"A", 0, 0}, static_cast<double>(ca.Zahl()) / ab, -static_cast<double>(d[3]), "C");
    s.Punkte = {{"A", 0, 0}, {"B", 1, 0}, c, {"", 0.5, 0.3}};
    const double oben = 0;
    s.Linien = {{2, 0, Linienart::Gegeben, false, b.Marke("CA", ca, "m"), 0},
                {2, 1, Linienart::Gegeben, false, b.Marke("CB", cb, "m"), 0},
                {0, 1, Linienart::Gesucht, false, "c = ?", -1, 0.5}};
    s.Winkel = {{2, 0, 1, b.Marke("γ", gamma, "°"), false}, {0, 1, 2, "α = ?", false}};
    s.Texte = {{0.5, oben + 0.17, "See"}};
    return b.Fertig();
}

} // namespace kalotri::sach
