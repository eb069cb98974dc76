// SPDX-License-Identifier: GPL-3.0-or-later
// A triangular plot: two boundaries and the angle between them (SWS) or all three
// boundaries (SSS) measured; the missing boundary or angle and the area asked.
#include "situationen.h"

#include <cmath>

namespace kalotri::sach {

namespace {

Sachskizze GrundstueckSkizze(const std::array<std::string, 3>& seiten, const std::string& alpha,
                             const std::string& gamma) {
    Sachskizze s;
    s.Punkte = {{"A", 0.0, 0.0}, {"B", 1.0, 0.0}, {"C", 0.35, 0.7}};
    // Side i joins the corners other than i, as in the triangle.
    s.Linien = {{1, 2, seiten[0].empty() ? Linienart::Gesucht : Linienart::Gegeben, false,
                 seiten[0].empty() ? "a = ?" : seiten[0]},
                {0, 2, Linienart::Gegeben, false, seiten[1]},
                {0, 1, Linienart::Gegeben, false, seiten[2]}};
    if (!alpha.empty()) {
        s.Winkel.push_back({0, 1, 2, alpha, false});
    }
    if (!gamma.empty()) {
        s.Winkel.push_back({2, 0, 1, gamma, false});
    }
    s.Texte = {{0.45, 0.25, "F = ?"}};
    return s;
}

bool Stumpf(const Loesung& l) {
    const auto& w = l.Dreiecke[0].Werte;
    return w[3] < 25 || w[4] < 25 || w[5] < 25;
}

} // namespace

std::optional<Sachaufgabe> Grundstueck(Wuerfel& w, const Sachregeln& r, int variante) {
    Bau b(Situation::Grundstueck, r);
    const auto flaeche = [&](L s, L t, L winkel) { return s * t * Sin(winkel) / 2; };
    if (variante % 2 == 0) {
        const Zehntel c = Laenge(w, 25, 140, r.Stufe);
        const Zehntel bb = Laenge(w, 25, 140, r.Stufe);
        const Zehntel alpha = Grad(w, 35, r.Stufe == 1 ? 89 : 140, r.Stufe);
        const std::string tC = b.Gib("AB", c, "m");
        const std::string tB = b.Gib("AC", bb, "m");
        const std::string tA = b.Gib("α", alpha, "°");
        b.A.Text = "Ein dreieckiges Grundstück ABC soll neu eingezäunt werden. Von der Ecke A aus "
                   "ist die Grenze zur Ecke B " +
                   tC + " lang, die Grenze zur Ecke C " + tB +
                   "; beide schließen bei A den Winkel α = " + tA + " ein.";
        b.A.Fragen = {"Wie lang ist die Grenze von B nach C?", "Wie groß ist das Grundstück?"};
        const auto loesung = b.Rechne(
            {"a", "b", "c", "a", "b", "g"},
            {std::nullopt, bb.Zahl(), c.Zahl(), alpha.Zahl(), std::nullopt, std::nullopt}, "m", 1);
        if (!loesung || Stumpf(*loesung)) {
            return std::nullopt;
        }
        const L a = loesung->Dreiecke[0].Werte[0];
        const L f = flaeche(bb.Zahl(), c.Zahl(), alpha.Zahl());
        b.Satz("Die Grenzen AB und AC und der Winkel α zwischen ihnen sind bekannt: Das Dreieck "
               "ABC ist vom Typ SWS, die dritte Seite a = BC liefert der Kosinussatz.");
        b.Rechenweg(*loesung);
        b.Satz("Für den Flächeninhalt F genügen zwei Seiten und der Winkel zwischen ihnen:");
        b.Rechnung("Flächeninhalt", "F = ½·b·c·sin α", "F = ½·" + tB + "·" + tC + "·sin " + tA,
                   "F ≈ " + b.Zahl(f) + " m²");
        b.A.Dreiecksfragen = {Feld::A};
        const std::string tBC = b.Frage("a", a, "m", 1, "Länge der Grenze von B nach C");
        const std::string tF = b.Frage("F", f, "m²", 0, "Fläche des Grundstücks",
                                       [](const std::array<L, 6>& w, const Tasten& t) {
                                           return w[1] * w[2] * t.Sin(w[3]) / 2;
                                       });
        b.Antwort("Die Grenze von B nach C ist etwa " + tBC + " lang.");
        b.Antwort("Das Grundstück ist etwa " + tF + " groß.");
        b.A.Skizze = GrundstueckSkizze({"", tB, tC}, b.Marke("α", alpha, "°"), "");
        return b.Fertig();
    }
    const Zehntel c = Laenge(w, 25, 140, r.Stufe);
    const Zehntel a = Laenge(w, 25, 140, r.Stufe);
    const Zehntel bb = Laenge(w, 25, 140, r.Stufe);
    const std::string tC = b.Gib("AB", c, "m");
    const std::string tA = b.Gib("BC", a, "m");
    const std::string tB = b.Gib("CA", bb, "m");
    b.A.Text = "Ein Vermessungsbüro hat die Grenzen eines dreieckigen Grundstücks ABC "
               "ausgemessen: Von A nach B sind es " +
               tC + ", von B nach C " + tA + " und von C nach A " + tB + ".";
    b.A.Fragen = {"Welchen Winkel schließen die Grenzen an der Ecke C ein?",
                  "Wie groß ist das Grundstück?"};
    const auto loesung =
        b.Rechne({"a", "b", "c", "a", "b", "g"},
                 {a.Zahl(), bb.Zahl(), c.Zahl(), std::nullopt, std::nullopt, std::nullopt}, "m", 1);
    if (!loesung || Stumpf(*loesung)) {
        return std::nullopt;
    }
    const L gamma = loesung->Dreiecke[0].Werte[5];
    const L f = flaeche(a.Zahl(), bb.Zahl(), gamma);
    b.Satz("Alle drei Grenzen sind bekannt: Das Dreieck ABC ist vom Typ SSS; den Winkel γ bei C "
           "liefert der Kosinussatz.");
    b.Rechenweg(*loesung);
    b.Satz("Für den Flächeninhalt F genügen zwei Seiten und der Winkel zwischen ihnen:");
    b.Rechnung("Flächeninhalt", "F = ½·a·b·sin γ",
               "F = ½·" + tA + "·" + tB + "·sin " +
                   b.Weiter(gamma, {[&](L g) { return flaeche(a.Zahl(), bb.Zahl(), g); }}) + "°",
               "F ≈ " + b.Zahl(f) + " m²");
    b.A.Dreiecksfragen = {Feld::Gamma};
    const std::string tG = b.Frage("γ", gamma, "°", 1, "Winkel an der Ecke C");
    const std::string tF = b.Frage(
        "F", f, "m²", 0, "Fläche des Grundstücks",
        [](const std::array<L, 6>& w, const Tasten& t) { return w[0] * w[1] * t.Sin(w[5]) / 2; });
    b.Antwort("An der Ecke C schließen die Grenzen einen Winkel von etwa " + tG + " ein.");
    b.Antwort("Das Grundstück ist etwa " + tF + " groß.");
    b.A.Skizze = GrundstueckSkizze({tA, tB, tC}, "", "γ = ?");
    return b.Fertig();
}

} // namespace kalotri::sach
