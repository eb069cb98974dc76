// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page's marks for answers a test enumerates elsewhere: one exercise per line,
// its six box texts, the least decimals asked, then the typed answers in the question's
// order, all separated by tabs. Prints per line the marks' codes (R right, N rounding, F
// follow-up, X wrong, L empty, K no number) and the decimals the question demands.
#include "bewertung.h"

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

using namespace kalotri;

namespace {

std::vector<std::string> Teile(const std::string& zeile) {
    std::vector<std::string> teile(1);
    for (const char z : zeile) {
        if (z == '\t') {
            teile.emplace_back();
        } else {
            teile.back() += z;
        }
    }
    return teile;
}

char Zeichen(frage::Note n) {
    switch (n) {
    case frage::Note::Richtig:
        return 'R';
    case frage::Note::NurRundung:
        return 'N';
    case frage::Note::Folgefehler:
        return 'F';
    case frage::Note::Falsch:
        return 'X';
    case frage::Note::Leer:
        return 'L';
    case frage::Note::KeineZahl:
        break;
    }
    return 'K';
}

} // namespace

int main() {
    std::string zeile;
    while (std::getline(std::cin, zeile)) {
        const std::vector<std::string> teile = Teile(zeile);
        if (teile.size() < 7) {
            std::cout << "?\n";
            continue;
        }
        Eingabe e;
        for (std::size_t i = 0; i < 6; ++i) {
            e.Texte[i] = teile[i];
        }
        const std::optional<frage::Frage> q = frage::FrageAus(Berechne(e), "", std::stoi(teile[6]));
        if (!q) {
            std::cout << "-\n";
            continue;
        }
        std::vector<frage::Antwort> antworten;
        for (std::size_t i = 7; i < teile.size(); ++i) {
            antworten.push_back(uebung::AlsAntwort(teile[i]));
        }
        std::string codes;
        for (const frage::Urteil& u : frage::Beurteile(*q, antworten)) {
            codes += Zeichen(u.Wertung);
        }
        std::cout << codes << ' ' << q->Anweisung.Rundung.Ergebnis << '\n';
    }
    return 0;
}
