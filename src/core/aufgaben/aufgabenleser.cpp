// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufgabenleser.h"

#include "pruef.h"

#include <algorithm>
#include <cstring>

namespace kalotri {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

} // namespace

// Three bytes more for a byte order mark, which is no part of the first field.
Aufgabenleser::Aufgabenleser(int dateideskriptor)
    : leser_(dateideskriptor, MaxTextLaenge + 1 + Bom.size()) {}

Aufgabenleser::Stand Aufgabenleser::Naechste() {
    const Stand stand = leser_.Naechste();
    if (stand != Stand::Zeile) {
        return stand;
    }
    auto& felder = leser_.Felder();
    if (++nummer_ == 1) {
        felder[0].erase(0, felder[0].size() - OhneBom(felder[0]).size());
    }
    // Every field alike, the first one without its mark: one byte past the box's limit.
    for (std::string& feld : felder) {
        feld.resize(std::min(feld.size(), MaxTextLaenge + 1));
    }
    return stand;
}

std::vector<std::string> Aufgabenleser::Felder() const {
    const auto& felder = leser_.Felder();
    return {felder.begin(),
            felder.begin() + static_cast<std::ptrdiff_t>(std::min(leser_.Anzahl(), felder.size()))};
}

Aufgabenzeile Aufgabenleser::Zeile() const {
    return AusFeldern(leser_.Felder(), leser_.Anzahl());
}

bool Aufgabenleser::Leer() const {
    const auto& felder = leser_.Felder();
    for (std::size_t i = 0; i < std::min(leser_.Anzahl(), felder.size()); ++i) {
        const auto erstes = felder[i].find_first_not_of(' ');
        if (erstes != std::string::npos) {
            return felder[i][erstes] == '#';
        }
    }
    return leser_.Anzahl() <= felder.size();
}

std::string NichtLesbarText(const std::string& datei, int fehlernummer) {
    if (datei == "-") {
        return LesefehlerText(datei, fehlernummer);
    }
    return "Die Datei \"" + datei + "\" lässt sich nicht lesen: " + std::strerror(fehlernummer);
}

std::string LesefehlerText(const std::string& datei, int fehlernummer) {
    return "Fehler beim Lesen " +
           (datei == "-" ? std::string("der Eingabe") : "von \"" + datei + "\"") + ": " +
           std::strerror(fehlernummer);
}

} // namespace kalotri
