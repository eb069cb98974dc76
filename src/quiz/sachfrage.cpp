// SPDX-License-Identifier: GPL-3.0-or-later
#include "sachfrage.h"

#include "cloze.h"
#include "kompaktpng.h"
#include "sachmaler.h"

#include <algorithm>
#include <cmath>

namespace kalotri::blatt {

namespace {

// A pupil who rounds the values along the way to three digits lands within a few tenths of
// a percent; a unit of the answer's last decimal covers the answer's own rounding.
constexpr long double Relativ = 0.003L;
// Beyond this a unit of the last decimal would let an answer 1 % off through.
constexpr long double HoechstensRelativ = 0.004L;

// The decimals a gap asks for: the answer's own, or more where a unit of its last decimal
// is too coarse to tell a slip of 1 % from rounding (a small angle at one decimal).
int AntwortDezimalen(const Gesucht& g) {
    int d = g.Dezimalen;
    while (d < g.Dezimalen + 3 && std::pow(10.0L, -d) > std::abs(g.Wert) * HoechstensRelativ) {
        ++d;
    }
    return d;
}

double Toleranz(const Gesucht& g) {
    return AufgerundeteToleranz(static_cast<double>(
        std::max(std::pow(10.0L, -AntwortDezimalen(g)), std::abs(g.Wert) * Relativ)));
}

// A fixed tolerance where it lets the correctly rounded answer count; below half a unit
// of the answer's last decimal it would not, and that half unit stands instead.
double Toleranz(const Gesucht& g, const std::optional<double>& fest) {
    if (!fest) {
        return Toleranz(g);
    }
    const double halb = static_cast<double>(std::pow(10.0L, -AntwortDezimalen(g)) / 2);
    return AufgerundeteToleranz(std::max(*fest, halb));
}

std::string Rundung(const Sachaufgabe& s) {
    bool ganz = false, zehntel = false;
    for (const Gesucht& g : s.Gesuchte) {
        (g.Dezimalen == 0 ? ganz : zehntel) = true;
    }
    if (ganz && zehntel) {
        return "Runde Flächen auf ganze Quadratmeter, alles andere auf eine Nachkommastelle.";
    }
    return ganz ? "Runde auf ganze Zahlen." : "Runde auf eine Nachkommastelle.";
}

} // namespace

MoodleFrage BaueSachfrage(const Sachaufgabe& s, const GeloesteAufgabe& aufgabe,
                          const Darstellung& darstellung, const std::string& name,
                          const std::string& datei, const std::optional<double>& toleranz) {
    MoodleFrage f;
    f.Name = name + " – " + s.Titel;
    const QImage skizze = SachskizzenBild(s.Skizze, PixelProMm);
    f.FrageBilder.push_back({datei + "-skizze.png", KompaktesPng(skizze)});

    std::string& t = f.Fragetext;
    t += "<p>" + ClozeHtml(s.Text) + "</p>\n";
    t += "<p>" + Bild(f.FrageBilder.back().Name, skizze, s.Skizze.Unterschrift) + "</p>\n";
    std::vector<std::string> fragen;
    for (const std::string& frage : s.Fragen) {
        fragen.push_back(ClozeHtml(frage));
    }
    t += "<p>" + Verbunden(fragen, " ") + "</p>\n";
    t += "<p>" + ClozeHtml(Rundung(s));
    if (std::any_of(s.Gesuchte.begin(), s.Gesuchte.end(),
                    [](const Gesucht& g) { return AntwortDezimalen(g) != g.Dezimalen; })) {
        t += ClozeHtml(" Wo hinter einem Feld mehr Nachkommastellen verlangt sind, gelten diese.");
    }
    if (s.Gesuchte.size() == 2 && s.Fragen.size() == 1) {
        // Two answers to one question: the two points the sketch names.
        t += ClozeHtml(" Trage zuerst die kürzere Strecke ein.");
    }
    t += ClozeHtml(std::string(" ") + PunktAnweisung) + "</p>\n<p>";
    std::vector<std::string> luecken;
    for (const Gesucht& g : s.Gesuchte) {
        const std::string einheit = g.Einheit == "°" ? g.Einheit : " " + g.Einheit;
        luecken.push_back(ClozeHtml(g.Name) + " = " +
                          NumerischeLuecke(static_cast<double>(g.Wert), Toleranz(g, toleranz),
                                           "Richtig.", g.Name + " stimmt nicht – rechne nach.") +
                          ClozeHtml(einheit));
        const int dezimalen = AntwortDezimalen(g);
        if (dezimalen != g.Dezimalen) {
            luecken.back() +=
                ClozeHtml(" (auf " + std::to_string(dezimalen) + " Nachkommastellen)");
        }
        ++f.Luecken;
        f.Dezimalen = std::max(f.Dezimalen, dezimalen);
    }
    t += Verbunden(luecken, "<br>\n") + "</p>\n";

    Rechenweg weg = s.Loesungsweg;
    MitRundungsHinweis(weg, darstellung.Format); // each question stands alone
    f.Rueckmeldung = RechenwegHtml(weg);
    const BlattAufgabe a = Bearbeite(aufgabe, darstellung);
    if (const std::optional<QImage> figur = a.Figuren.empty() ? std::nullopt : FigurBild(a)) {
        f.RueckmeldungsBilder.push_back({datei + "-figur.png", KompaktesPng(*figur)});
        f.Rueckmeldung +=
            "<p>" +
            Bild(f.RueckmeldungsBilder.back().Name, *figur,
                 "Figur des Dreiecks, maßstäblich: " + Verbunden(a.Schluessel, "; ")) +
            "</p>\n";
    }
    return f;
}

} // namespace kalotri::blatt
