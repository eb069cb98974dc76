// SPDX-License-Identifier: GPL-3.0-or-later
#include "bewertung.h"

#include "routen.h"

#include <algorithm>
#include <cstdlib>

namespace kalotri::uebung {

std::string Rundungsanweisung(int dezimalen) {
    return routen::Rundungsanweisung(routen::RundungFuer(dezimalen));
}

const char* NotenText(Note note) {
    switch (note) {
    case Note::Richtig:
        return "richtig";
    case Note::NurRundung:
        return "Wert stimmt, Rundung nicht";
    case Note::Folgefehler:
        return "Folgefehler";
    case Note::Falsch:
        return "falsch";
    case Note::KeineZahl:
        return "keine Zahl";
    case Note::Leer:
        break;
    }
    return "";
}

std::optional<Antwortzahl> LiesAntwort(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    std::string zahl;
    int dezimalen = -1;
    int ziffern = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char z = text[i];
        if (z >= '0' && z <= '9') {
            zahl += z;
            ++ziffern;
            dezimalen += dezimalen >= 0 ? 1 : 0;
        } else if ((z == ',' || z == '.') && dezimalen < 0) {
            zahl += '.';
            dezimalen = 0;
        } else if ((z == '-' || z == '+') && i == 0) {
            zahl += z;
        } else {
            return std::nullopt;
        }
    }
    if (ziffern == 0 || ziffern > 30) {
        return std::nullopt;
    }
    return Antwortzahl{std::strtold(zahl.c_str(), nullptr), std::max(dezimalen, 0)};
}

frage::Antwort AlsAntwort(std::string_view text) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        return {};
    }
    const std::optional<Antwortzahl> z = LiesAntwort(text);
    return z ? frage::Antwort::Zahl(z->Wert, z->Dezimalen)
             : frage::Antwort{frage::Antwort::Lage::KeineZahl, 0, 0};
}

std::vector<Note> Bewerte(const Uebungsaufgabe& aufgabe,
                          const std::vector<std::string>& antworten) {
    std::vector<frage::Antwort> gelesen;
    for (const std::string& text : antworten) {
        gelesen.push_back(AlsAntwort(text));
    }
    std::vector<Note> noten;
    for (const frage::Urteil& u : frage::Beurteile(aufgabe.Modell, gelesen)) {
        noten.push_back(u.Wertung);
    }
    return noten;
}

} // namespace kalotri::uebung
