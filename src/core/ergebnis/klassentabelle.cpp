// SPDX-License-Identifier: GPL-3.0-or-later
#include "klassentabelle.h"

#include <algorithm>

namespace kalotri::ergebnis {

namespace {

// Percent with one decimal, cut rather than rounded, with a decimal comma.
std::string Prozent(long long teil, long long ganz) {
    if (ganz <= 0) {
        return "";
    }
    const long long zehntel = 1000 * teil / ganz;
    return std::to_string(zehntel / 10) + "," + std::to_string(zehntel % 10);
}

std::string Zelle(const std::string& text) {
    std::string zelle = text;
    if (!zelle.empty() && std::string_view("=+-@\t\r").find(zelle.front()) != std::string::npos) {
        zelle.insert(zelle.begin(), '\'');
    }
    if (zelle.find_first_of(";\"\n\r") == std::string::npos) {
        return zelle;
    }
    std::string zitiert = "\"";
    for (const char z : zelle) {
        zitiert += z == '"' ? std::string("\"\"") : std::string(1, z);
    }
    return zitiert + "\"";
}

void Zeile(std::string& aus, const std::vector<std::string>& zellen) {
    for (std::size_t i = 0; i < zellen.size(); ++i) {
        aus += (i > 0 ? ";" : "") + Zelle(zellen[i]);
    }
    aus += "\r\n";
}

} // namespace

Klassentabelle ErstelleKlassentabelle(const std::vector<Ergebnis>& ergebnisse) {
    Klassentabelle t;
    for (const Ergebnis& e : ergebnisse) {
        t.Aufgaben = std::max(t.Aufgaben, e.Aufgaben.size());
    }
    t.Kopf = {"Name", "Code", "Datum"};
    for (std::size_t i = 0; i < t.Aufgaben; ++i) {
        t.Kopf.push_back("A" + std::to_string(i + 1));
    }
    for (const char* name : {"Punkte", "von", "Prozent", "Hinweise"}) {
        t.Kopf.emplace_back(name);
    }
    std::vector<long long> punkte(t.Aufgaben), hoechstens(t.Aufgaben);
    for (const Ergebnis& e : ergebnisse) {
        std::vector<std::string> zeile = {e.Name, e.Code, e.Datum};
        int summe = 0, moeglich = 0, hinweise = 0;
        for (std::size_t i = 0; i < t.Aufgaben; ++i) {
            if (i >= e.Aufgaben.size()) {
                zeile.emplace_back();
                continue;
            }
            const Aufgabenergebnis& a = e.Aufgaben[i];
            zeile.push_back(std::to_string(a.Punkte));
            summe += a.Punkte;
            moeglich += a.Hoechstens;
            hinweise += a.Hinweise;
            punkte[i] += a.Punkte;
            hoechstens[i] += a.Hoechstens;
        }
        for (const std::string& text : {std::to_string(summe), std::to_string(moeglich),
                                        Prozent(summe, moeglich), std::to_string(hinweise)}) {
            zeile.push_back(text);
        }
        t.Schueler.push_back(std::move(zeile));
    }
    t.Klasse = {"Klasse (%)", "", ""};
    long long alle = 0, alleMoeglich = 0;
    for (std::size_t i = 0; i < t.Aufgaben; ++i) {
        t.Klasse.push_back(Prozent(punkte[i], hoechstens[i]));
        alle += punkte[i];
        alleMoeglich += hoechstens[i];
    }
    for (const std::string& text : {std::to_string(alle), std::to_string(alleMoeglich),
                                    Prozent(alle, alleMoeglich), std::string()}) {
        t.Klasse.push_back(text);
    }
    return t;
}

std::string AlsCsv(const Klassentabelle& t) {
    std::string aus = "\xEF\xBB\xBF";
    Zeile(aus, t.Kopf);
    for (const auto& zeile : t.Schueler) {
        Zeile(aus, zeile);
    }
    Zeile(aus, t.Klasse);
    return aus;
}

} // namespace kalotri::ergebnis
