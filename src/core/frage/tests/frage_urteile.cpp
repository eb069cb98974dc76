// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page's marks for answers a test enumerates elsewhere: one exercise per line,
// its six box texts and the least decimals asked, or "SACH", count, seed, level, separator
// and index of a generated word problem (as sachaufgaben_json makes them); then the typed
// answers in the question's order; all separated by tabs. Prints per line the marks' codes
// (R right, N rounding, F follow-up, X wrong, L empty, K no number) and the decimals of the
// last field. With --modell it prints instead, per field, the decimals, the answer shown and
// every interval with its mark, to 25 digits: the web build's are held against these.
#include "bewertung.h"

#include <cstdio>
#include <cstring>
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

// The word problem as sachaufgaben_json made it, the same set kept for the next lines.
std::optional<frage::Frage> Sachfrage(const std::vector<std::string>& teile) {
    static std::string schluessel;
    static std::vector<Sachaufgabe> satz;
    const std::string jetzt = teile[1] + "/" + teile[2] + "/" + teile[3] + "/" + teile[4];
    if (jetzt != schluessel) {
        Sachregeln r;
        r.Stufe = std::stoi(teile[3]);
        r.Format.Trennzeichen = teile[4];
        satz = ErzeugeSachaufgaben(std::stoi(teile[1]), std::stoull(teile[2]), r).front();
        schluessel = jetzt;
    }
    return frage::SachfrageAus(satz.at(std::stoul(teile[5])));
}

// 25 digits show every bit of a 64-bit mantissa's value the same on both platforms.
std::string Genau(long double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.25Lg", x);
    return text;
}

std::string Modell(const frage::Frage& q) {
    std::string zeile;
    for (const frage::Antwortfeld& f : q.Felder) {
        zeile += std::to_string(f.Dezimalen) + ":" + Genau(f.Gerundet);
        for (const frage::Bereich& b : f.Bereiche) {
            zeile += std::string(" ") + Zeichen(b.Wertung) + "[" + Genau(b.Unten) + "," +
                     Genau(b.Oben) + "]";
        }
        zeile += " | ";
    }
    return zeile;
}

} // namespace

int main(int argc, char** argv) {
    const bool modell = argc > 1 && std::strcmp(argv[1], "--modell") == 0;
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
        std::optional<frage::Frage> q;
        std::size_t ab = 7;
        if (teile[0] == "SACH") {
            q = Sachfrage(teile);
            ab = 6;
        } else {
            q = frage::FrageAus(Berechne(e), "", std::stoi(teile[6]));
        }
        if (!q) {
            std::cout << "-\n";
            continue;
        }
        if (modell) {
            std::cout << Modell(*q) << '\n';
            continue;
        }
        // A word problem's answers are its own quantities; its steps on the way stay empty.
        std::vector<frage::Antwort> antworten;
        for (std::size_t i = ab, k = 0; k < q->Felder.size(); ++k) {
            const bool leer = q->Felder[k].Zwischenwert || i >= teile.size();
            antworten.push_back(leer ? frage::Antwort{} : uebung::AlsAntwort(teile[i++]));
        }
        std::string codes;
        const std::vector<frage::Urteil> urteile = frage::Beurteile(*q, antworten);
        for (std::size_t k = 0; k < urteile.size(); ++k) {
            codes += q->Felder[k].Zwischenwert ? "" : std::string(1, Zeichen(urteile[k].Wertung));
        }
        std::cout << codes << ' ' << q->Felder.back().Dezimalen << '\n';
    }
    return 0;
}
