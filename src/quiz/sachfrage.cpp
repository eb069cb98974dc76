// SPDX-License-Identifier: GPL-3.0-or-later
#include "sachfrage.h"

#include "cloze.h"
#include "frage.h"
#include "kompaktpng.h"
#include "sachmaler.h"

#include <algorithm>
#include <cmath>

namespace kalotri::blatt {

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
    // The story's own quantities, each with the decimals and routes of the question model;
    // the triangle's on the way are for the practice page, which marks steps.
    const std::optional<frage::Frage> modell = frage::SachfrageAus(s);
    t += "<p>" + ClozeHtml(modell ? modell->Anweisung.Worte : "Runde wie angegeben.");
    if (s.Gesuchte.size() == 2 && s.Fragen.size() == 1) {
        // Two answers to one question: the two points the sketch names.
        t += ClozeHtml(" Trage zuerst die kürzere Strecke ein.");
    }
    t += ClozeHtml(std::string(" ") + PunktAnweisung) + "</p>\n<p>";
    std::vector<std::string> luecken;
    for (std::size_t i = 0; i < s.Gesuchte.size(); ++i) {
        const Gesucht& g = s.Gesuchte[i];
        const std::string einheit = g.Einheit == "°" ? g.Einheit : " " + g.Einheit;
        const std::string falsch = g.Name + " stimmt nicht – rechne nach.";
        const auto feld =
            modell ? std::find_if(modell->Felder.begin(), modell->Felder.end(),
                                  [i](const frage::Antwortfeld& f) {
                                      return f.Art == frage::Feldart::Sache && f.Sachgroesse == i;
                                  })
                   : std::vector<frage::Antwortfeld>::const_iterator{};
        const int dezimalen = modell ? feld->Dezimalen : g.Dezimalen;
        const std::string luecke =
            modell && !toleranz
                ? FeldLuecke(*feld, "Richtig.", falsch)
                : NumerischeLuecke(
                      static_cast<double>(g.Wert),
                      AufgerundeteToleranz(toleranz.value_or(0.5 * std::pow(10.0, -dezimalen))),
                      "Richtig.", falsch);
        luecken.push_back(ClozeHtml(g.Name) + " = " + luecke + ClozeHtml(einheit) + " " +
                          ClozeHtml("(" + routen::Stellenworte(dezimalen) + ")"));
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
