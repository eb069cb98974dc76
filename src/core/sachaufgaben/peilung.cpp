// SPDX-License-Identifier: GPL-3.0-or-later
// Navigation: a change of course between two legs (SWS), or the points of a straight
// course at a given distance from a lighthouse (SSW, with one or two of them).
#include "situationen.h"

#include <algorithm>
#include <cmath>

namespace kalotri::sach {

namespace {

std::optional<Sachaufgabe> Kurswechsel(Wuerfel& w, const Sachregeln& r) {
    const Zehntel hb = Laenge(w, 4, 40, r.Stufe);
    const Zehntel bs = Laenge(w, 3, 30, r.Stufe);
    const Zehntel delta = Grad(w, 20, 120, r.Stufe);
    Bau b(Situation::Peilung, r);
    const std::string tHB = b.Gib("HB", hb, "km");
    const std::string tD = b.Gib("δ", delta, "°");
    const std::string tBS = b.Gib("BS", bs, "km");
    b.A.Text = "Ein Schiff fährt vom Hafen H aus " + tHB +
               " geradeaus bis zu einer Boje B. Dort ändert es seinen Kurs um δ = " + tD +
               " nach Steuerbord und fährt noch " + tBS + " weit bis zum Punkt S.";
    b.A.Fragen = {"Wie weit ist das Schiff jetzt vom Hafen entfernt?",
                  "Um welchen Winkel weicht die Richtung von H nach S von der ursprünglichen "
                  "Fahrtrichtung ab?"};
    // Triangle HBS: s = HB faces the ship, h = BS the harbour; β at the buoy.
    const Zehntel beta{1800 - delta.Wert, delta.Ganz};
    const auto loesung = b.Rechne(
        {"h", "b", "s", "h", "b", "s"},
        {bs.Zahl(), std::nullopt, hb.Zahl(), std::nullopt, beta.Zahl(), std::nullopt}, "km", 1);
    if (!loesung) {
        return std::nullopt;
    }
    const L hs = loesung->Dreiecke[0].Werte[1];
    const L eta = loesung->Dreiecke[0].Werte[3];
    b.Satz("Hafen, Boje und Schiff bilden das Dreieck HBS. Bekannt sind die Seiten s = HB und "
           "h = BS; der Winkel β zwischen ihnen bei B ist der Nebenwinkel der Kursänderung:");
    b.Rechnung("Nebenwinkel", "β = 180° − δ", "β = 180° − " + tD,
               "β = " + Text(beta, r.Format.Trennzeichen) + "°");
    b.Satz("Damit ist das Dreieck HBS vom Typ SWS. Gesucht sind die Seite b = HS und der "
           "Winkel η bei H.");
    b.Rechenweg(*loesung);
    b.A.Dreiecksfragen = {Feld::B, Feld::Alpha};
    const std::string weit = b.Frage("b", hs, "km", 1, "Entfernung des Schiffs vom Hafen");
    const std::string winkel =
        b.Frage("η", eta, "°", 1, "Abweichung von der ursprünglichen Fahrtrichtung");
    b.Antwort("Das Schiff ist jetzt etwa " + weit + " vom Hafen entfernt.");
    b.Antwort("Die Richtung von H nach S weicht um etwa " + winkel +
              " von der ursprünglichen Fahrtrichtung ab.");
    Sachskizze& s = b.A.Skizze;
    // Heading east, a turn to starboard goes clockwise: S below the first leg.
    const double zweite = LesbaresVerhaeltnis(static_cast<double>(bs.Zahl() / hb.Zahl()),
                                              static_cast<double>(delta.Zahl()));
    const Skizzenpunkt ziel = Polar({"B", 1, 0}, zweite, -static_cast<double>(delta.Zahl()), "S");
    s.Punkte = {{"H", 0.0, 0.0}, {"B", 1.0, 0.0}, ziel, {"", 1.0 + 0.45 * zweite, 0.0}};
    s.Linien = {{0, 1, Linienart::Gegeben, false, tHB, 1},
                {1, 3, Linienart::Hilfe, false, ""},
                {1, 2, Linienart::Gegeben, false, tBS, 0},
                {0, 2, Linienart::Gesucht, false, "b = ?", -1}};
    s.Winkel = {{1, 3, 2, b.Marke("δ", delta, "°"), false, 0.2}, {0, 1, 2, "η = ?", false}};
    return b.Fertig();
}

std::optional<Sachaufgabe> Sichtweite(Wuerfel& w, const Sachregeln& r, bool zwei) {
    const Zehntel hl = Laenge(w, 8, 30, r.Stufe);
    const Zehntel eta = Grad(w, 15, 50, r.Stufe);
    // Two points when the range is shorter than HL but longer than the lighthouse's
    // distance from the course; one when the harbour itself lies within it.
    const L abstand = hl.Zahl() * Sin(eta.Zahl());
    const L anteil = zwei ? w.Zahl(8, 90) / L{100} : w.Zahl(115, 180) / L{100};
    const L genau = zwei ? abstand + anteil * (hl.Zahl() - abstand) : anteil * hl.Zahl();
    const bool ganz = r.Stufe < 3 || w.Zahl(0, 1) == 0;
    const Zehntel reichweite{ganz ? 10 * static_cast<int>(std::lround(genau))
                                  : static_cast<int>(std::lround(10 * genau)),
                             ganz};
    Bau b(Situation::Peilung, r);
    const std::string tHL = b.Gib("HL", hl, "km");
    const std::string tE = b.Gib("η", eta, "°");
    const std::string tR = b.Gib("LS", reichweite, "km");
    b.A.Text = "Ein Schiff verlässt den Hafen H auf geradem Kurs. Der Leuchtturm L steht " + tHL +
               " vom Hafen entfernt; die Fahrtrichtung des Schiffs und die Richtung vom Hafen zum "
               "Leuchtturm schließen den Winkel η = " +
               tE + " ein. Das Leuchtfeuer ist bis zu einer Entfernung von " + tR + " zu sehen.";
    b.A.Fragen = {"Nach wie vielen Kilometern Fahrt ist das Schiff genau " + tR +
                  " vom Leuchtturm entfernt?"};
    // Triangle HLS: h = LS faces η at the harbour, s = HL faces the ship, l = HS is sought.
    const auto loesung = b.Rechne(
        {"h", "l", "s", "h", "l", "s"},
        {reichweite.Zahl(), std::nullopt, hl.Zahl(), eta.Zahl(), std::nullopt, std::nullopt}, "km",
        zwei ? 2 : 1);
    if (!loesung) {
        return std::nullopt;
    }
    b.Satz("Hafen, Leuchtturm und Schiff bilden das Dreieck HLS mit s = HL, h = LS und dem "
           "Winkel η bei H, der der Seite h gegenüberliegt: Typ SSW. Gesucht ist die Seite "
           "l = HS.");
    b.Satz("Wie viele Lösungen es gibt, hängt davon ab, wie weit der Leuchtturm vom Kurs "
           "entfernt ist:");
    b.Rechnung("Abstand vom Kurs", "e = s·sin η", "e = " + tHL + "·sin " + tE,
               "e ≈ " + b.Seite(abstand));
    b.Rechenweg(*loesung);
    b.A.Dreiecksfragen = {Feld::B};
    // HL as the unit, η as measured, the points of the course where they are.
    Sachskizze& s = b.A.Skizze;
    const double e = static_cast<double>(eta.Zahl());
    const Skizzenpunkt l = Polar({"H", 0, 0}, 1, e, "L");
    const auto stelle = [&](L strecke) { return static_cast<double>(strecke / hl.Zahl()); };
    const double ende = std::max(1.15, stelle(loesung->Dreiecke[0].Werte[1]) * 1.2);
    s.Punkte = {{"H", 0.0, 0.0}, l, {"", ende, 0.0}};
    s.Linien = {{0, 2, Linienart::Gelaende, false, ""}, {0, 1, Linienart::Gegeben, false, tHL, 1}};
    s.Winkel = {{0, 2, 1, b.Marke("η", eta, "°"), false}};
    s.Texte = {{ende - 0.08, -0.07, "Kurs"}};
    if (zwei) {
        const L fern = loesung->Dreiecke[0].Werte[1];
        const L nah = loesung->Dreiecke[1].Werte[1];
        b.Satz("Beide Dreiecke passen zur Situation: Die Sichtweite h ist größer als der "
               "Abstand e, aber kleiner als s = HL. Der Kreis um L mit dem Radius h schneidet "
               "den Kurs also zweimal – in S₁ kommt das Leuchtfeuer in Sicht, in S₂ "
               "verschwindet es wieder.");
        // The ship meets the nearer point first: S₁ is the calculation's second triangle.
        b.Satz("Die 2. Lösung gehört zum Punkt S₁, den das Schiff zuerst erreicht: HS₁ = l₂. Die "
               "1. Lösung gehört zu S₂: HS₂ = l₁.");
        const std::string tNah =
            b.Frage("HS₁", nah, "km", 1, "Fahrstrecke bis S₁, wo das Feuer in Sicht kommt");
        const std::string tFern =
            b.Frage("HS₂", fern, "km", 1, "Fahrstrecke bis S₂, wo das Feuer verschwindet");
        b.Antwort("Das Schiff ist zweimal genau " + tR + " vom Leuchtturm entfernt: nach etwa " +
                  tNah + " Fahrt kommt das Leuchtfeuer in Sicht, nach etwa " + tFern +
                  " verschwindet es wieder.");
        // Two points met close together are drawn a little apart about the foot of the
        // perpendicular from L, and S₁ not much nearer the harbour than half of HL, where the
        // lines to L would run into one; S₁ stays before the foot (its angle obtuse), and
        // no marked angle changes by that.
        const double fuss = l.X, halb = std::max((stelle(fern) - stelle(nah)) / 2, 0.12);
        s.Punkte.push_back({"S₁", std::max(fuss - halb, std::min(0.45, fuss - 0.1)), 0.0, -0.3, 1});
        s.Punkte.push_back({"S₂", fuss + halb, 0.0, 0.3, 1});
        s.Linien.push_back({1, 3, Linienart::Gegeben, false, "h", -1, 0.6});
        s.Linien.push_back({1, 4, Linienart::Gegeben, false, b.Marke("h", reichweite, "km"), 1});
        s.Linien.push_back({0, 3, Linienart::Gesucht, false, "HS₁ = ?", -1});
        s.Linien.push_back({0, 4, Linienart::Gesucht, false, "HS₂ = ?", -1, 0.5, 4.5});
        return b.Fertig();
    }
    const L weit = loesung->Dreiecke[0].Werte[1];
    b.Satz("Die Sichtweite h ist größer als s = HL: Der Hafen liegt selbst im Sichtbereich, "
           "und der Kurs verlässt den Kreis um L mit dem Radius h nur einmal.");
    const std::string tWeit =
        b.Frage("l", weit, "km", 1, "Fahrstrecke, bis das Feuer verschwindet");
    b.Antwort("Nach etwa " + tWeit + " Fahrt ist das Schiff genau " + tR +
              " vom Leuchtturm entfernt; dort verschwindet das Leuchtfeuer aus der Sicht.");
    s.Punkte.push_back({"S", stelle(weit), 0.0, 0.5, 1});
    s.Linien.push_back({1, 3, Linienart::Gegeben, false, b.Marke("h", reichweite, "km"), -1});
    s.Linien.push_back({0, 3, Linienart::Gesucht, false, "l = ?", -1});
    return b.Fertig();
}

} // namespace

std::optional<Sachaufgabe> Peilung(Wuerfel& w, const Sachregeln& r, int variante) {
    if (r.Stufe < 2) {
        return Kurswechsel(w, r);
    }
    switch (variante % 3) {
    case 0:
        return Sichtweite(w, r, true);
    case 1:
        return Kurswechsel(w, r);
    default:
        return Sichtweite(w, r, false);
    }
}

} // namespace kalotri::sach
