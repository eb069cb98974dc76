// SPDX-License-Identifier: GPL-3.0-or-later
// The generated word problems as JSON, for the check that recomputes their answers from
// the printed numbers alone: sachaufgaben_json ANZAHL SEED STUFE FASSUNGEN [TRENNZEICHEN]
#include "sachaufgabe.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

using namespace kalotri;

std::string J(const std::string& text) {
    std::string aus = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            aus += '\\';
            aus += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char puffer[8];
            std::snprintf(puffer, sizeof puffer, "\\u%04x", c);
            aus += puffer;
        } else {
            aus += c;
        }
    }
    return aus + "\"";
}

template <class T, class F> std::string Liste(const std::vector<T>& v, F f) {
    std::string aus = "[";
    for (std::size_t i = 0; i < v.size(); ++i) {
        aus += (i ? "," : "") + f(v[i]);
    }
    return aus + "]";
}

const char* Art(Linienart a) {
    switch (a) {
    case Linienart::Gegeben:
        return "gegeben";
    case Linienart::Gesucht:
        return "gesucht";
    case Linienart::Hilfe:
        return "hilfe";
    case Linienart::Gelaende:
        return "gelaende";
    }
    return "";
}

std::string Aufgabe(const Sachaufgabe& a, std::size_t fassung) {
    const auto text = [](const std::string& s) { return J(s); };
    std::string o = "{\"fassung\":" + std::to_string(fassung);
    o += ",\"situation\":" + J(SituationsKennung(a.Art));
    o += ",\"typ\":" + J(TypText(a.Typ));
    o += ",\"loesungen\":" + std::to_string(a.Loesungen);
    o += ",\"titel\":" + J(a.Titel) + ",\"text\":" + J(a.Text);
    o += ",\"fragen\":" + Liste(a.Fragen, text);
    o += ",\"angaben\":" + Liste(a.Angaben, [](const Angabe& g) {
             return "{\"name\":" + J(g.Name) + ",\"text\":" + J(g.Text) +
                    ",\"einheit\":" + J(g.Einheit) + "}";
         });
    o += ",\"gesuchte\":" + Liste(a.Gesuchte, [](const Gesucht& g) {
             return "{\"name\":" + J(g.Name) + ",\"text\":" + J(g.Text) +
                    ",\"einheit\":" + J(g.Einheit) +
                    ",\"dezimalen\":" + std::to_string(g.Dezimalen) + ",\"groesse\":" +
                    (g.Groesse ? std::to_string(static_cast<int>(*g.Groesse)) : "null") +
                    ",\"dreieck\":" + std::to_string(g.Dreieck) + "}";
         });
    o += ",\"boxen\":" +
         Liste(std::vector<std::string>(a.Dreieck.Texte.begin(), a.Dreieck.Texte.end()), text);
    o += ",\"antwort\":" + Liste(a.Antwort, text);
    o += ",\"skizze\":{\"punkte\":" +
         Liste(a.Skizze.Punkte, [](const Skizzenpunkt& p) { return J(p.Name); });
    o += ",\"linien\":" + Liste(a.Skizze.Linien, [](const Skizzenlinie& l) {
             return "{\"art\":" + J(Art(l.Art)) + ",\"text\":" + J(l.Beschriftung) + "}";
         });
    o += ",\"winkel\":" + Liste(a.Skizze.Winkel, [](const Skizzenwinkel& w) {
             return "{\"text\":" + J(w.Beschriftung) +
                    ",\"rechter\":" + (w.Rechter ? "true" : "false") + "}";
         });
    o += ",\"texte\":" + Liste(a.Skizze.Texte, [](const Skizzentext& t) { return J(t.Text); });
    o += ",\"unterschrift\":" + J(a.Skizze.Unterschrift) + "}";
    o += ",\"loesungsweg\":" + Liste(RechenwegZeilen(a.Loesungsweg), text);
    o += "}";
    return o;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::cerr << "Aufruf: sachaufgaben_json ANZAHL SEED STUFE FASSUNGEN [TRENNZEICHEN]\n";
        return 2;
    }
    Sachregeln r;
    r.Stufe = std::stoi(argv[3]);
    r.Fassungen = std::stoi(argv[4]);
    if (argc > 5) {
        r.Format.Trennzeichen = argv[5];
    }
    const auto blaetter = ErzeugeSachaufgaben(std::stoi(argv[1]), std::stoull(argv[2]), r);
    std::string aus = "[";
    for (std::size_t f = 0; f < blaetter.size(); ++f) {
        for (const Sachaufgabe& a : blaetter[f]) {
            aus += (aus.size() > 1 ? ",\n" : "") + Aufgabe(a, f);
        }
    }
    std::cout << aus << "]\n";
    return 0;
}
