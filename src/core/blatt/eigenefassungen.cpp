// SPDX-License-Identifier: GPL-3.0-or-later
#include "eigenefassungen.h"

#include "erzeuge.h"
#include "loesung.h"

namespace kalotri::blatt {

namespace {

std::optional<Aufgabenmuster> Muster(const Quellzeile& zeile) {
    const Aufgabenzeile aufgabe = Zerlege(zeile);
    const auto* eingabe = std::get_if<Eingabe>(&aufgabe);
    if (eingabe == nullptr) {
        return std::nullopt;
    }
    const Loesung loesung = Berechne(*eingabe);
    if (!loesung.Typ || loesung.Ausgang.Meldung || loesung.Ausgang.Fehler) {
        return std::nullopt;
    }
    return Aufgabenmuster{*loesung.Typ, static_cast<int>(loesung.Dreiecke.size())};
}

} // namespace

void HaengeFassungenAn(Aufgabenliste& liste, int gruppen, std::uint64_t seed) {
    std::vector<std::optional<Aufgabenmuster>> muster;
    for (const Quellzeile& zeile : liste.Gruppen.front()) {
        muster.push_back(Muster(zeile));
    }
    const auto datei = static_cast<std::uint32_t>(liste.Dateien.size());
    liste.Dateien.emplace_back("erzeugt");
    const auto fassungen = ErzeugeGleiche(muster, seed, gruppen - 1);
    for (const auto& fassung : fassungen) {
        // A copy of the first group, each exercise then given its new numbers (should a
        // kind have none left, it stays as it was).
        std::vector<Quellzeile> gruppe = liste.Gruppen.front();
        for (std::size_t i = 0; i < gruppe.size(); ++i) {
            if (!fassung[i]) {
                continue;
            }
            const Aufgabenzeile alt = Zerlege(gruppe[i]);
            const auto* altEingabe = std::get_if<Eingabe>(&alt);
            Eingabe neu = fassung[i]->Felder;
            neu.Buchstaben = altEingabe != nullptr ? altEingabe->Buchstaben : Eingabe().Buchstaben;
            gruppe[i] = AusEingabe(neu, static_cast<long>(i) + 1);
            gruppe[i].Datei = datei;
        }
        liste.Gruppen.push_back(std::move(gruppe));
    }
}

} // namespace kalotri::blatt
