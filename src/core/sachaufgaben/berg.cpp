// SPDX-License-Identifier: GPL-3.0-or-later
// The height of a mountain from two points of a plain in line with its summit: the oblique
// triangle of the two sight lines (SWW), the right triangle under the nearer one, and the
// plain's height above the sea added.
#include "situationen.h"

#include <cmath>

namespace kalotri::sach {

std::optional<Sachaufgabe> Berghoehe(Wuerfel& w, const Sachregeln& r, int /*variante*/) {
    const Zehntel beta = Grad(w, 9, 25, r.Stufe);
    const Zehntel unterschied = Grad(w, 5, 12, r.Stufe);
    const Zehntel alpha{beta.Wert - unterschied.Wert, beta.Ganz && unterschied.Ganz};
    if (alpha.Wert < 50) {
        return std::nullopt;
    }
    // The baseline that makes a mountain of about the height drawn, rounded as measured.
    const L ziel = 10 * w.Zahl(30, 150);
    const L genau =
        ziel * (Cos(alpha.Zahl()) / Sin(alpha.Zahl()) - Cos(beta.Zahl()) / Sin(beta.Zahl()));
    const Zehntel ab{100 * static_cast<int>(std::lround(genau / 10)), true};
    const Zehntel ebene{100 * w.Zahl(15, 90), true};
    if (ab.Wert < 3000 || ab.Wert > 40000) {
        return std::nullopt;
    }

    Bau b(Situation::Berghoehe, r);
    const std::string tA = b.Gib("α", alpha, "°");
    const std::string tAB = b.Gib("AB", ab, "m");
    const std::string tB = b.Gib("β", beta, "°");
    const std::string tE = b.Gib("NN", ebene, "m");
    b.A.Text =
        "Von einem Punkt A einer Ebene sieht man den Gipfel G eines Berges unter dem "
        "Höhenwinkel α = " +
        tA + ". Man geht " + tAB +
        " geradewegs auf den Berg zu bis zum Punkt B und misst dort den Höhenwinkel β = " + tB +
        ". Die Ebene liegt " + tE + " über dem Meeresspiegel.";
    b.A.Fragen = {"Wie hoch ragt der Gipfel über die Ebene auf?",
                  "Wie hoch liegt der Gipfel über dem Meeresspiegel?"};

    // Triangle ABG: g = AB faces γ at the summit, a = BG faces α, ε is the angle at B.
    const Zehntel gamma{beta.Wert - alpha.Wert, alpha.Ganz && beta.Ganz};
    const auto loesung = b.Rechne(
        {"a", "b", "g", "a", "e", "g"},
        {std::nullopt, std::nullopt, ab.Zahl(), alpha.Zahl(), std::nullopt, gamma.Zahl()}, "m", 1);
    if (!loesung) {
        return std::nullopt;
    }
    const L bg = loesung->Dreiecke[0].Werte[0];
    const L h = bg * Sin(beta.Zahl());
    if (h < 250 || h > 1800) {
        return std::nullopt;
    }
    const std::string& sep = r.Format.Trennzeichen;
    b.Satz("Gesucht ist zuerst die Höhe h = FG des Gipfels über dem Fußpunkt F in der Ebene. Im "
           "rechtwinkligen Dreieck BFG ist keine Seite bekannt, im Dreieck ABG dagegen die Seite "
           "g = AB; aus ihm ergibt sich a = BG.");
    b.Satz("Der Höhenwinkel β ist Außenwinkel des Dreiecks ABG bei B, also so groß wie die "
           "Innenwinkel α und γ zusammen:");
    b.Rechnung("Außenwinkelsatz", "γ = β − α", "γ = " + tB + " − " + tA,
               "γ = " + Text(gamma, sep) + "°");
    b.Rechenweg(*loesung);
    b.Satz("Im rechtwinkligen Dreieck BFG ist a = BG die Hypotenuse, die Höhe h liegt dem "
           "Winkel β gegenüber.");
    const weg::Zahl zBG = b.Weiter(bg);
    const L hWeg = zBG.Wert * Sin(beta.Zahl());
    const weg::Zahl zH = b.Weiter(hWeg);
    b.Rechnung("Sinus im rechtwinkligen Dreieck", "h = a·sin β", "h = " + zBG.Text + " m·sin " + tB,
               "h ≈ " + zH.Text + " m");
    b.Satz("Über dem Meeresspiegel liegt der Gipfel um die Höhe der Ebene höher:");
    const L hoch = h + ebene.Zahl(), hochWeg = zH.Wert + ebene.Zahl();
    b.Rechnung("Summe", "H = h + " + tE, "H = " + zH.Text + " m + " + tE,
               "H = " + weg::Gerundet(hochWeg, zH.Dezimalen, sep).Text + " m");
    b.A.Dreiecksfragen = {Feld::A};
    const L sb = beta.Zahl(), se = ebene.Zahl();
    const std::string tHoehe = b.Frage(
        "h", h, "m", 0, "Höhe des Gipfels über der Ebene",
        [sb](const std::array<L, 6>& w, const Tasten& t) { return w[0] * t.Sin(sb); }, hWeg);
    const std::string tHoch = b.Frage(
        "H", hoch, "m", 0, "Höhe des Gipfels über dem Meeresspiegel",
        [sb, se](const std::array<L, 6>& w, const Tasten& t) { return w[0] * t.Sin(sb) + se; },
        hochWeg);
    b.Antwort("Der Gipfel ragt etwa " + tHoehe + " über die Ebene auf.");
    b.Antwort("Er liegt etwa " + tHoch + " über dem Meeresspiegel.");
    b.A.Skizze = Hoehenskizze(static_cast<double>(alpha.Zahl()), static_cast<double>(beta.Zahl()),
                              "G", tAB, b.Marke("α", alpha, "°"), b.Marke("β", beta, "°"));
    // Only the heights are asked here: BF is a line of the plain, and below it the sea level
    // with the plain's height above it and the summit's.
    Sachskizze& k = b.A.Skizze;
    k.Linien[2] = {1, 2, Linienart::Gelaende, false, ""};
    const double a = k.Punkte[0].X, meer = 0.2 * a - 0.3;
    k.Punkte.push_back({"", 1.12 * a, meer});
    k.Punkte.push_back({"", -0.15 * a, meer});
    k.Punkte.push_back({"", 0.0, meer});
    k.Punkte.push_back({"", 1.06 * a, meer});
    k.Punkte.push_back({"", 1.06 * a, meer - 0.3});
    const std::size_t n = k.Punkte.size();
    k.Linien.push_back({n - 5, n - 4, Linienart::Gelaende, false, ""});
    k.Punkte.push_back({"", 1.06 * a, 0});
    k.Linien.push_back({n - 2, n, Linienart::Gegeben, false, tE, 1});
    k.Linien.push_back({n - 3, 3, Linienart::Gesucht, false, "H = ?", -1, 0.3, 8});
    k.Texte = {{a / 2, meer - 0.17, "Meeresspiegel"}};
    return b.Fertig();
}

} // namespace kalotri::sach
