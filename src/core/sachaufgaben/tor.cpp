// SPDX-License-Identifier: GPL-3.0-or-later
// The angle under which a goal is seen: from the distances to both posts (SSS), or the
// places that see it under a given angle at a given distance from one post (SSW, two of
// them, each explained).
#include "situationen.h"
#include "winkel.h"

#include <algorithm>
#include <cmath>

namespace kalotri::sach {

namespace {

// A football goal is 7,32 m wide; on Stufe 1, whole numbers only, a small-pitch goal.
struct Tor {
    std::string Text;
    L Breite;
    const char* Art;
};

Tor TorFuer(const Sachregeln& r) {
    if (r.Stufe == 1) {
        return {"5", 5, "Das Tor des Kleinspielfelds"};
    }
    return {"7" + r.Format.Trennzeichen + "32", L{7.32L}, "Das Fußballtor"};
}

// The goal line from L to R as the unit, the places on the pitch where they are.
Sachskizze TorSkizze(const std::vector<Skizzenpunkt>& spieler, const std::string& breite) {
    double links = -0.3, rechts = 1.3;
    for (const Skizzenpunkt& p : spieler) {
        links = std::min(links, p.X - 0.2), rechts = std::max(rechts, p.X + 0.2);
    }
    Sachskizze s;
    s.Punkte = {{"L", 0, 0}, {"R", 1, 0}, {"", links, 0}, {"", rechts, 0}};
    // The posts named beside the goal, its width under it.
    s.Punkte[0].NameX = -1;
    s.Punkte[0].NameY = -0.6;
    s.Punkte[1].NameX = 1;
    s.Punkte[1].NameY = -0.6;
    s.Linien = {{2, 3, Linienart::Gelaende, false, ""},
                {0, 1, Linienart::Gegeben, false, breite, -1}};
    for (const Skizzenpunkt& p : spieler) {
        s.Punkte.push_back(p);
    }
    s.Punkte.push_back({"", links, -0.2});
    return s;
}

std::optional<Sachaufgabe> Abstaende(Wuerfel& w, const Sachregeln& r) {
    const Tor tor = TorFuer(r);
    const Zehntel pl = Laenge(w, 9, 22, r.Stufe);
    const Zehntel pr = Laenge(w, 9, 22, r.Stufe);
    Bau b(Situation::Torwinkel, r);
    const std::string tPL = b.Gib("SL", pl, "m");
    const std::string tPR = b.Gib("SR", pr, "m");
    const std::string tLR = b.Gib("LR", tor.Text, tor.Breite, "m");
    b.A.Text = "Ein Spieler steht beim Freistoß im Punkt S, " + tPL + " vom linken Pfosten L und " +
               tPR + " vom rechten Pfosten R entfernt. " + tor.Art + " ist " + tLR + " breit.";
    b.A.Fragen = {"Unter welchem Winkel sieht der Spieler das Tor?",
                  "Wie weit ist er von der Torlinie entfernt?"};
    // Triangle LRS: l = SR, r = SL, s = LR.
    const auto loesung = b.Rechne(
        {"l", "r", "s", "l", "r", "s"},
        {pr.Zahl(), pl.Zahl(), tor.Breite, std::nullopt, std::nullopt, std::nullopt}, "m", 1);
    if (!loesung) {
        return std::nullopt;
    }
    const auto& d = loesung->Dreiecke[0].Werte;
    // In front of the goal, not beside the goal line.
    if (d[3] < 30 || d[4] < 30 || d[5] < 12) {
        return std::nullopt;
    }
    b.Satz("Die Pfosten L und R und der Spieler S bilden das Dreieck LRS, von dem alle drei "
           "Seiten bekannt sind: Typ SSS. Der Sehwinkel ist der Winkel σ bei S, den der "
           "Cosinussatz liefert; mit dem Winkel λ bei L folgt der Abstand von der Torlinie.");
    b.Rechenweg(*loesung);
    b.Satz("Der Abstand e von der Torlinie ist die Höhe auf LR; im rechtwinkligen Dreieck aus L, "
           "S und dem Lotfußpunkt ist r = SL die Hypotenuse.");
    const weg::Zahl zL = b.Weiter(d[3]);
    const L e = pl.Zahl() * Sin(d[3]), eWeg = pl.Zahl() * Sin(zL.Wert);
    b.Rechnung("Sinus im rechtwinkligen Dreieck", "e = r·sin λ",
               "e = " + tPL + "·sin " + zL.Text + "°", "e ≈ " + b.Seite(eWeg));
    b.A.Dreiecksfragen = {Feld::Gamma, Feld::Alpha};
    const std::string tWinkel =
        b.Frage("σ", d[5], "°", 1, "Winkel, unter dem der Spieler das Tor sieht");
    const std::string tE = b.Frage(
        "e", e, "m", 1, "Abstand des Spielers von der Torlinie",
        [](const std::array<L, 6>& w, const Tasten& t) { return w[1] * t.Sin(w[3]); }, eWeg);
    b.Antwort("Der Spieler sieht das Tor unter einem Winkel von etwa " + tWinkel + ".");
    b.Antwort("Er steht etwa " + tE + " von der Torlinie entfernt.");
    const double einheit = static_cast<double>(tor.Breite);
    const Skizzenpunkt spieler = Polar({"L", 0, 0}, static_cast<double>(pl.Zahl()) / einheit,
                                       static_cast<double>(d[3]), "S");
    b.A.Skizze = TorSkizze({spieler, {"", spieler.X, 0}}, "LR = " + tor.Text + " m");
    Sachskizze& s = b.A.Skizze;
    s.Punkte[4].NameY = 1;
    s.Linien.push_back({0, 4, Linienart::Gegeben, false, b.Marke("SL", pl, "m"), 1});
    // SR and the perpendicular may run close together: their labels at different heights.
    s.Linien.push_back({1, 4, Linienart::Gegeben, false, b.Marke("SR", pr, "m"), 0, 0.7});
    s.Linien.push_back({4, 5, Linienart::Gesucht, false, "e = ?", 0, 0.7});
    s.Winkel = {{4, 0, 1, "σ = ?", false}, {5, spieler.X > -0.2 ? 2U : 3U, 4, "", true}};
    return b.Fertig();
}

std::optional<Sachaufgabe> ZweiStellen(Wuerfel& w, const Sachregeln& r) {
    const Tor tor = TorFuer(r);
    const Zehntel sl = Laenge(w, 9, 14, r.Stufe);
    const Zehntel sigma = Grad(w, 22, 40, r.Stufe);
    Bau b(Situation::Torwinkel, r);
    const std::string tSL = b.Gib("SL", sl, "m");
    const std::string tLR = b.Gib("LR", tor.Text, tor.Breite, "m");
    const std::string tS = b.Gib("σ", sigma, "°");
    b.A.Text = "Beim Torschusstraining soll ein Hütchen S " + tSL +
               " vom linken Pfosten L entfernt stehen. " + tor.Art + " ist " + tLR +
               " breit, und vom Hütchen aus soll man es unter dem Winkel σ = " + tS +
               " sehen. Der Trainer findet zwei Stellen, die beides erfüllen.";
    b.A.Fragen = {"Wie weit ist das Hütchen an diesen Stellen jeweils vom rechten Pfosten R "
                  "entfernt?"};
    // Triangle LRS: s = LR faces σ, r = SL; l = SR is asked.
    const auto loesung = b.Rechne(
        {"l", "r", "s", "l", "r", "s"},
        {std::nullopt, sl.Zahl(), tor.Breite, std::nullopt, std::nullopt, sigma.Zahl()}, "m", 2);
    if (!loesung) {
        return std::nullopt;
    }
    // S₁ is the place nearer the right post, whichever triangle the calculation finds first.
    const std::size_t nah = loesung->Dreiecke[0].Werte[0] < loesung->Dreiecke[1].Werte[0] ? 0 : 1;
    const auto& d1 = loesung->Dreiecke[nah].Werte;
    const auto& d2 = loesung->Dreiecke[1 - nah].Werte;
    // Both places on the pitch in front of the goal, neither of them beside a post.
    if (d2[3] > 135 || std::min({d1[3], d1[4], d2[3], d2[4]}) < 10) {
        return std::nullopt;
    }
    b.Satz("Die Pfosten L und R und das Hütchen S bilden das Dreieck LRS mit s = LR, r = SL und "
           "dem Winkel σ bei S, der der Seite s gegenüberliegt: Typ SSW. Gesucht ist die Seite "
           "l = SR.");
    b.Rechenweg(*loesung);
    b.Satz("Beide Dreiecke passen: Die Torbreite s ist kürzer als r = SL, aber länger als der "
           "Abstand r·sin σ. Der Winkel ρ bei R kann deshalb spitz oder stumpf sein – das gibt "
           "die beiden Stellen S₁ und S₂.");
    b.Satz("Die " + std::to_string(nah + 1) +
           ". Lösung gehört zur Stelle S₁ näher am rechten Pfosten: S₁R = l" +
           (nah == 0 ? "₁" : "₂") + ". Die andere gehört zu S₂: S₂R = l" + (nah == 0 ? "₂" : "₁") +
           ".");
    b.A.Dreiecksfragen = {Feld::A};
    const std::string t1 =
        b.Frage("S₁R", d1[0], "m", 1, "Abstand der Stelle S₁ vom rechten Pfosten");
    const std::string t2 =
        b.Frage("S₂R", d2[0], "m", 1, "Abstand der Stelle S₂ vom rechten Pfosten");
    b.Antwort("An der Stelle S₁ ist das Hütchen etwa " + t1 +
              " vom rechten Pfosten entfernt, an der Stelle S₂ etwa " + t2 + ".");
    const double einheit = static_cast<double>(tor.Breite), weit = static_cast<double>(sl.Zahl());
    b.A.Skizze = TorSkizze({Polar({"L", 0, 0}, weit / einheit, static_cast<double>(d1[3]), "S₁"),
                            Polar({"L", 0, 0}, weit / einheit, static_cast<double>(d2[3]), "S₂")},
                           "LR = " + tor.Text + " m");
    Sachskizze& s = b.A.Skizze;
    s.Linien.push_back({0, 4, Linienart::Gegeben, false, b.Marke("SL", sl, "m"), 0});
    s.Linien.push_back({0, 5, Linienart::Gegeben, false, "", 0});
    s.Linien.push_back({1, 4, Linienart::Gesucht, false, "S₁R = ?", 0});
    s.Linien.push_back({1, 5, Linienart::Gesucht, false, "S₂R = ?", 0});
    s.Winkel = {{4, 0, 1, b.Marke("σ", sigma, "°"), false}, {5, 0, 1, "σ", false}};
    return b.Fertig();
}

} // namespace

std::optional<Sachaufgabe> Torwinkel(Wuerfel& w, const Sachregeln& r, int variante) {
    if (r.Stufe < 2 || variante % 2 == 1) {
        return Abstaende(w, r);
    }
    return ZweiStellen(w, r);
}

} // namespace kalotri::sach
