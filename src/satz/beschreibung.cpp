// SPDX-License-Identifier: GPL-3.0-or-later
#include "beschreibung.h"

#include "skizze.h"

#include <vector>

namespace kalotri::blatt {

namespace {

std::string Liste(const std::vector<std::string>& teile) {
    std::string text;
    for (const std::string& t : teile) {
        if (!t.empty()) {
            text += (text.empty() ? "" : ", ") + t;
        }
    }
    return text;
}

// "Gegeben: a, b." or nothing where nothing is listed.
std::string Satzteil(const std::string& was, const std::vector<std::string>& teile) {
    const std::string liste = Liste(teile);
    return liste.empty() ? "" : " " + was + ": " + liste + ".";
}

std::string Dreieck(const std::array<std::string, 3>& ecken) {
    return "Dreieck " + ecken[0] + ecken[1] + ecken[2];
}

} // namespace

std::string SkizzenBeschreibung(const Skizzenangaben& s) {
    std::vector<std::string> gegeben, gesucht;
    for (std::size_t i = 0; i < 6; ++i) {
        gegeben.push_back(s.Werte[i]);
    }
    // Angles before sides, as one works them out.
    for (std::size_t i : {3, 4, 5, 0, 1, 2}) {
        if (s.Werte[i].empty()) {
            gesucht.push_back(i < 3 ? s.SeitenNamen[i] : s.WinkelNamen[i - 3]);
        }
    }
    return std::string(SkizzenUnterschrift) + ": " + Dreieck(s.Ecken) + "." +
           Satzteil("Gegeben", gegeben) + Satzteil("Gesucht", gesucht);
}

std::string FigurBeschreibung(const BlattAufgabe& a, std::size_t nummer,
                              const std::optional<std::string>& massstab) {
    const Loesungsfigur& lf = a.Figuren.at(nummer);
    const std::string titel =
        a.Figuren.size() > 1 ? std::to_string(nummer + 1) + ". Lösung" : std::string();
    std::string text = (titel.empty() ? "" : titel + ": ") + Dreieck(lf.Ecken);
    if (massstab) {
        text += ", " + *massstab;
    }
    text += ".";
    if (lf.Form.Flach) {
        text += " Flaches Dreieck, als Strecke gezeichnet.";
    }
    std::vector<std::string> gegeben, berechnet;
    for (std::size_t i = 0; i < 6; ++i) {
        const auto& texte = i < 3 ? lf.Seiten[i] : lf.Winkel[i - 3];
        const std::string wert = texte.empty() ? "" : texte.front();
        (a.Skizze.Werte[i].empty() ? berechnet : gegeben).push_back(wert);
    }
    return text + Satzteil("Gegeben", gegeben) + Satzteil("Berechnet", berechnet);
}

std::string SachskizzenBeschreibung(const Sachskizze& s) {
    std::vector<std::string> punkte, gegeben, gesucht, winkel, sonst;
    for (const Skizzenpunkt& p : s.Punkte) {
        punkte.push_back(p.Name);
    }
    for (const Skizzenlinie& l : s.Linien) {
        (l.Art == Linienart::Gegeben   ? gegeben
         : l.Art == Linienart::Gesucht ? gesucht
                                       : sonst)
            .push_back(l.Beschriftung);
    }
    for (const Skizzenwinkel& w : s.Winkel) {
        const std::string scheitel = w.Scheitel < s.Punkte.size() ? s.Punkte[w.Scheitel].Name : "";
        winkel.push_back(
            w.Rechter ? (scheitel.empty() ? "ein rechter Winkel" : "rechter Winkel bei " + scheitel)
                      : w.Beschriftung);
    }
    for (const Skizzentext& t : s.Texte) {
        sonst.push_back(t.Text);
    }
    std::string text = s.Unterschrift + ".";
    text += Satzteil("Punkte", punkte) + Satzteil("Gegeben", gegeben) +
            Satzteil("Gesucht", gesucht) + Satzteil("Winkel", winkel) + Satzteil("Außerdem", sonst);
    return text;
}

} // namespace kalotri::blatt
