// SPDX-License-Identifier: GPL-3.0-or-later
// The height of a tower from two points in line with its foot: the oblique triangle of
// the two sight lines first (SWW), then the right triangle under the nearer one.
#include "situationen.h"

#include <array>
#include <cmath>

namespace kalotri::sach {

namespace {

// Towers as they stand in Germany: no lighthouse or water tower of a hundred metres.
struct Turmart {
    const char* Nominativ;
    const char* Genitiv;
    int Hoechstens; // metres
};
constexpr std::array<Turmart, 4> Tuerme = {{{"Kirchturm", "Kirchturms", 120},
                                            {"Wasserturm", "Wasserturms", 60},
                                            {"Aussichtsturm", "Aussichtsturms", 100},
                                            {"Leuchtturm", "Leuchtturms", 60}}};

Sachskizze TurmSkizze(const std::string& ab, const std::string& alpha, const std::string& beta) {
    Sachskizze s;
    s.Punkte = {
        {"A", 0.0, 0.0}, {"B", 0.45, 0.0}, {"F", 1.0, 0.0}, {"S", 1.0, 0.8}, {"", -0.1, 0.0}};
    s.Linien = {
        {4, 0, Linienart::Gelaende, false, ""},     {0, 1, Linienart::Gegeben, false, ab},
        {1, 2, Linienart::Gesucht, false, "x = ?"}, {2, 3, Linienart::Gesucht, false, "h = ?"},
        {0, 3, Linienart::Hilfe, false, ""},        {1, 3, Linienart::Hilfe, false, ""}};
    s.Winkel = {{0, 1, 3, alpha, false}, {1, 2, 3, beta, false}, {2, 1, 3, "", true}};
    return s;
}

} // namespace

std::optional<Sachaufgabe> Turmhoehe(Wuerfel& w, const Sachregeln& r, int /*variante*/) {
    const Turmart& turm = Tuerme[static_cast<std::size_t>(w.Zahl(0, Tuerme.size() - 1))];
    const Zehntel beta = Grad(w, 30, 65, r.Stufe);
    const Zehntel unterschied = Grad(w, 8, 25, r.Stufe);
    const Zehntel alpha{beta.Wert - unterschied.Wert, beta.Ganz && unterschied.Ganz};
    if (alpha.Wert < 120) {
        return std::nullopt;
    }
    // The baseline that makes a tower of about the height drawn, rounded as measured.
    const L ziel = w.Zahl(22, turm.Hoechstens - 5);
    const L cotA = Cos(alpha.Zahl()) / Sin(alpha.Zahl());
    const L cotB = Cos(beta.Zahl()) / Sin(beta.Zahl());
    const L genau = ziel * (cotA - cotB);
    const bool ganz = r.Stufe < 2 || w.Zahl(0, 1) == 0;
    const Zehntel ab{ganz ? 10 * static_cast<int>(std::lround(genau))
                          : static_cast<int>(std::lround(10 * genau)),
                     ganz};
    if (ab.Wert < 100 || ab.Wert > 3000) {
        return std::nullopt;
    }

    Bau b(Situation::Turmhoehe, r);
    const std::string n = turm.Nominativ;
    const std::string tA = b.Gib("α", alpha, "°");
    const std::string tAB = b.Gib("AB", ab, "m");
    const std::string tB = b.Gib("β", beta, "°");
    b.A.Text =
        "Ein " + n + " steht auf ebenem Gelände. Vom Punkt A aus sieht man seine Spitze S " +
        "unter dem Höhenwinkel α = " + tA + ". Geht man " + tAB +
        " geradewegs auf den Turm zu bis zum Punkt B, so misst man dort den Höhenwinkel β = " + tB +
        ". Die Augenhöhe wird vernachlässigt.";
    b.A.Fragen = {"Wie hoch ist der " + n + "?",
                  "Wie weit ist B vom Fußpunkt F des " + std::string(turm.Genitiv) + " entfernt?"};

    // Triangle ABS: side s = AB faces σ at the top, a = BS faces α, ε is the angle at B.
    const Zehntel sigma{beta.Wert - alpha.Wert, alpha.Ganz && beta.Ganz};
    const auto loesung = b.Rechne(
        {"a", "b", "s", "a", "e", "s"},
        {std::nullopt, std::nullopt, ab.Zahl(), alpha.Zahl(), std::nullopt, sigma.Zahl()}, "m", 1);
    if (!loesung) {
        return std::nullopt;
    }
    const L bs = loesung->Dreiecke[0].Werte[0];
    const L h = bs * Sin(beta.Zahl());
    const L x = bs * Cos(beta.Zahl());
    if (h < 20 || h > turm.Hoechstens) {
        return std::nullopt;
    }

    const std::string& sep = r.Format.Trennzeichen;
    b.Satz("Gesucht ist die Höhe h = FS. Das Dreieck BFS hat bei F einen rechten Winkel, aber "
           "keine bekannte Seite. Im Dreieck ABS ist dagegen die Seite s = AB bekannt; aus ihm "
           "ergibt sich zuerst a = BS, und damit dann die Höhe.");
    b.Satz("Der Höhenwinkel β ist Außenwinkel des Dreiecks ABS bei B, also so groß wie die "
           "beiden nicht anliegenden Innenwinkel α und σ zusammen:");
    const std::string tS = Text(sigma, sep) + "°";
    b.Rechnung("Außenwinkelsatz", "σ = β − α", "σ = " + tB + " − " + tA, "σ = " + tS);
    b.Satz("Im Dreieck ABS sind damit die Seite s, der Winkel σ gegenüber und der Winkel α an "
           "ihr bekannt.");
    b.Rechenweg(*loesung);
    b.Satz("Im rechtwinkligen Dreieck BFS ist a = BS die Hypotenuse; die Höhe h liegt dem Winkel "
           "β gegenüber, die Strecke x = BF liegt an ihm an.");
    const std::string tBS = b.Weiter(bs, {[&](L v) { return v * Sin(beta.Zahl()); },
                                          [&](L v) { return v * Cos(beta.Zahl()); }}) +
                            " m";
    b.Rechnung("Sinus im rechtwinkligen Dreieck", "h = a·sin β", "h = " + tBS + "·sin " + tB,
               "h ≈ " + b.Seite(h));
    b.Rechnung("Kosinus im rechtwinkligen Dreieck", "x = a·cos β", "x = " + tBS + "·cos " + tB,
               "x ≈ " + b.Seite(x));
    b.A.Dreiecksfragen = {Feld::A};
    const L sb = beta.Zahl();
    const std::string hoch =
        b.Frage("h", h, "m", 1, "Höhe des " + std::string(turm.Genitiv),
                [sb](const std::array<L, 6>& w, const Tasten& t) { return w[0] * t.Sin(sb); });
    const std::string weit =
        b.Frage("x", x, "m", 1, "Entfernung von B zum Fußpunkt F",
                [sb](const std::array<L, 6>& w, const Tasten& t) { return w[0] * t.Cos(sb); });
    b.Antwort("Der " + n + " ist etwa " + hoch + " hoch.");
    b.Antwort("Der Punkt B ist etwa " + weit + " vom Fußpunkt des " + turm.Genitiv + " entfernt.");
    b.A.Skizze = TurmSkizze(tAB, b.Marke("α", alpha, "°"), b.Marke("β", beta, "°"));
    return b.Fertig();
}

} // namespace kalotri::sach
