// SPDX-License-Identifier: GPL-3.0-or-later
// An aircraft in a crosswind. To keep to the line from A to B the pilot heads into the
// wind: airspeed, wind speed and the wind's angle with the line known (SSW, one triangle
// since the aircraft is faster than the wind). On Stufe 1, without SSW, the aircraft keeps
// its heading and drifts (SWS).
#include "situationen.h"

#include "winkel.h"

#include <algorithm>
#include <cmath>

namespace kalotri::sach {

namespace {

// The vectors' triangle: A the start, L the end of the airspeed, G the end of the ground
// speed; the wind takes L to G. Heading east, wind from the left blows towards the right
// (clockwise), and the pilot heads left of the line (anticlockwise).
Sachskizze WindSkizze(double vorhalt, double theta, bool vonLinks, bool halten,
                      const std::string& tV, const std::string& tW, const std::string& tT) {
    const double seite = vonLinks ? 1 : -1;
    const int innen = vonLinks ? 1 : -1;
    // A small angle at A is drawn up to 12° wider, so that the triangle is no sliver; the
    // angle marked with θ stays as measured, the lengths give way.
    const double gross =
        std::min(vorhalt + std::clamp(24 - vorhalt, 0.0, 12.0), halten ? 170 - theta : theta - 10);
    const double a = std::max(vorhalt, gross);
    // Angles at A and at L (halten: θ is at G; otherwise L's is 180° − θ).
    const double beiL = halten ? 180 - theta - a : 180 - theta;
    const double g = static_cast<double>(EinGrad);
    const double laengeLuft = std::sin((180 - a - beiL) * g) / std::sin(beiL * g);
    Sachskizze s;
    const Skizzenpunkt l = Polar({"A", 0, 0}, laengeLuft, seite * a, "L");
    // B lies ahead on the line kept: the ground track, or the heading the pilot holds.
    const Skizzenpunkt ziel =
        halten ? Skizzenpunkt{"B", 1.35, 0} : Polar({"A", 0, 0}, 1.3 * laengeLuft, seite * a, "B");
    s.Punkte = {{"A", 0, 0}, l, {"G", 1, 0}, ziel};
    s.Punkte[1].NameY = seite;
    s.Linien = {{0, 3, Linienart::Hilfe, false, ""},
                {0, 1, Linienart::Gegeben, true, tV, innen},
                {1, 2, Linienart::Gegeben, true, tW, halten ? innen : -innen},
                {0, 2, Linienart::Gesucht, true, "l = ?", -innen, 0.4}};
    s.Winkel = {halten ? Skizzenwinkel{2, 0, 1, tT, false} : Skizzenwinkel{1, 3, 2, tT, false},
                {0, 2, 1, "α = ?", false}};
    return s;
}

} // namespace

std::optional<Sachaufgabe> Seitenwind(Wuerfel& w, const Sachregeln& r, int /*variante*/) {
    const Zehntel v = {10 * 10 * w.Zahl(12, 28), true};
    const Zehntel wind = {10 * 5 * w.Zahl(4, 12), true};
    const Zehntel theta = Grad(w, 35, r.Stufe < 2 ? 89 : 145, r.Stufe);
    const bool vonLinks = w.Zahl(0, 1) == 0;
    const std::string links = vonLinks ? "links" : "rechts";
    Bau b(Situation::Seitenwind, r);
    const std::string tV = b.Gib("v", v, "km/h");
    const std::string tW = b.Gib("w", wind, "km/h");
    const std::string tT = b.Gib("θ", theta, "°");
    const bool halten = r.Stufe >= 2;
    b.A.Text =
        "Ein Sportflugzeug fliegt mit der Eigengeschwindigkeit v = " + tV +
        (halten ? " vom Flugplatz A zum Flugplatz B. Von " + links + " weht Wind mit w = " + tW +
                      "; die Richtung, in die er weht, "
                      "schließt mit der Strecke von A nach B den Winkel θ = " +
                      tT + " ein."
                : " von A aus in Richtung des Flugplatzes B. Von " + links +
                      " weht Wind mit w = " + tW +
                      "; die Richtung, in die er weht, "
                      "schließt mit der Flugrichtung den Winkel θ = " +
                      tT + " ein. Der Pilot hält die Flugrichtung bei.");
    // Triangle AGL: l = AG over the ground, g = AL through the air, a = LG the wind.
    std::optional<Loesung> loesung;
    if (halten) {
        b.A.Fragen = {"Um welchen Winkel muss der Pilot nach " + links +
                          " vorhalten, damit das Flugzeug auf der Strecke AB bleibt?",
                      "Wie schnell kommt das Flugzeug dabei über Grund voran?"};
        loesung = b.Rechne(
            {"a", "g", "l", "a", "g", "l"},
            {wind.Zahl(), v.Zahl(), std::nullopt, std::nullopt, theta.Zahl(), std::nullopt}, "km/h",
            1);
    } else {
        b.A.Fragen = {"Wie schnell fliegt das Flugzeug über Grund?",
                      "Um welchen Winkel wird es von seiner Flugrichtung abgetrieben?"};
        const Zehntel lambda{1800 - theta.Wert, theta.Ganz};
        loesung = b.Rechne(
            {"a", "g", "l", "a", "g", "l"},
            {wind.Zahl(), v.Zahl(), std::nullopt, std::nullopt, std::nullopt, lambda.Zahl()},
            "km/h", 1);
    }
    if (!loesung) {
        return std::nullopt;
    }
    const auto& d = loesung->Dreiecke[0].Werte;
    if (halten) {
        b.Satz("Über Grund fliegt das Flugzeug die Strecke AB entlang; seine Eigengeschwindigkeit "
               "und der Wind setzen sich zu dieser Geschwindigkeit zusammen. Im Dreieck AGL ist "
               "g = AL die Eigengeschwindigkeit, a = LG der Wind und l = AG die Geschwindigkeit "
               "über Grund; der Winkel γ bei G ist der Winkel θ zwischen Wind und Strecke.");
        b.Satz("Gegeben sind zwei Seiten und der Winkel gegenüber der längeren, g: Typ SSW. "
               "Weil das Flugzeug schneller ist als der Wind (g > a), gibt es nur ein Dreieck.");
    } else {
        b.Satz("Eigengeschwindigkeit und Wind setzen sich zur Geschwindigkeit über Grund "
               "zusammen. Im Dreieck AGL ist g = AL die Eigengeschwindigkeit, a = LG der Wind "
               "und l = AG die Geschwindigkeit über Grund; der Winkel λ bei L ist der "
               "Nebenwinkel von θ:");
        b.Rechnung("Nebenwinkel", "λ = 180° − θ", "λ = 180° − " + tT,
                   "λ = " + Text({1800 - theta.Wert, theta.Ganz}, r.Format.Trennzeichen) + "°");
        b.Satz("Zwei Seiten und der Winkel zwischen ihnen sind bekannt: Typ SWS.");
    }
    b.Rechenweg(*loesung);
    b.A.Dreiecksfragen = {Feld::Alpha, Feld::C};
    std::string tWinkel, tGrund;
    if (halten) {
        tWinkel = b.Frage("α", d[3], "°", 1, "Vorhaltewinkel");
        tGrund = b.Frage("l", d[2], "km/h", 1, "Geschwindigkeit über Grund");
        b.Antwort("Der Pilot muss um etwa " + tWinkel + " nach " + links + " vorhalten.");
        b.Antwort("Über Grund kommt das Flugzeug mit etwa " + tGrund + " voran.");
    } else {
        tGrund = b.Frage("l", d[2], "km/h", 1, "Geschwindigkeit über Grund");
        tWinkel = b.Frage("α", d[3], "°", 1, "Winkel, um den das Flugzeug abgetrieben wird");
        b.Antwort("Über Grund fliegt das Flugzeug mit etwa " + tGrund + ".");
        b.Antwort("Es wird um etwa " + tWinkel + " nach " + (vonLinks ? "rechts" : "links") +
                  " abgetrieben.");
    }
    b.A.Skizze =
        WindSkizze(static_cast<double>(d[3]), static_cast<double>(theta.Zahl()), vonLinks, halten,
                   b.Marke("v", v, "km/h"), b.Marke("w", wind, "km/h"), b.Marke("θ", theta, "°"));
    return b.Fertig();
}

} // namespace kalotri::sach
