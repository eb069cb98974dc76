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
    const auto name = [&](std::size_t i) { return i < s.Punkte.size() ? s.Punkte[i].Name : ""; };
    for (const Skizzenlinie& l : s.Linien) {
        // The line by its ends where both are named: "AB = 55,8 m", "x = ? (Strecke FB)".
        const std::string strecke =
            name(l.Von).empty() || name(l.Bis).empty() ? std::string() : name(l.Von) + name(l.Bis);
        std::string text = l.Beschriftung;
        if (!text.empty() && !strecke.empty()) {
            text = text.find('=') == std::string::npos ? strecke + " = " + text
                                                       : text + " (Strecke " + strecke + ")";
        }
        (l.Art == Linienart::Gegeben   ? gegeben
         : l.Art == Linienart::Gesucht ? gesucht
                                       : sonst)
            .push_back(text);
    }
    for (const Skizzenwinkel& w : s.Winkel) {
        const std::string scheitel = name(w.Scheitel);
        const std::string bei = scheitel.empty() ? "" : " bei " + scheitel;
        winkel.push_back(w.Rechter                ? "rechter Winkel" + bei
                         : w.Beschriftung.empty() ? ""
                                                  : w.Beschriftung + bei);
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
