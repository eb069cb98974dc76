// SPDX-License-Identifier: GPL-3.0-or-later
#include "quelle.h"

#include <fstream>
#include <iostream>

namespace kalotri::blatt {

namespace {

// A line's first ZeileMax bytes; the rest is read past, never stored.
bool LiesZeile(std::streambuf& puffer, Quellzeile& zeile) {
    zeile.Text.clear();
    zeile.ZuLang = false;
    bool etwas = false;
    for (int c = puffer.sbumpc(); c != std::char_traits<char>::eof(); c = puffer.sbumpc()) {
        etwas = true;
        if (c == '\n') {
            return true;
        }
        if (zeile.Text.size() < ZeileMax) {
            zeile.Text += static_cast<char>(c);
        } else {
            zeile.ZuLang = true;
        }
    }
    return etwas;
}

bool Ueberspringen(std::string_view text) {
    const auto erstes = text.find_first_not_of(" \t\r");
    return erstes == std::string_view::npos || text[erstes] == '#';
}

void LiesStrom(std::istream& ein, std::uint32_t datei, Aufgabenliste& liste) {
    std::streambuf* puffer = ein.rdbuf();
    Quellzeile zeile;
    zeile.Datei = datei;
    for (long nummer = 1; puffer != nullptr && LiesZeile(*puffer, zeile); ++nummer) {
        if (nummer == 1) {
            zeile.Text = std::string(OhneBom(zeile.Text));
        }
        if (!zeile.ZuLang && Ueberspringen(zeile.Text)) {
            continue;
        }
        zeile.Nummer = nummer;
        liste.Gruppen.front().push_back(zeile);
    }
}

} // namespace

Aufgabenliste LiesAufgaben(const std::vector<std::string>& dateien) {
    Aufgabenliste liste;
    liste.Gruppen.emplace_back();
    const std::vector<std::string> quellen =
        dateien.empty() ? std::vector<std::string>{"-"} : dateien;
    for (const std::string& datei : quellen) {
        const auto index = static_cast<std::uint32_t>(liste.Dateien.size());
        if (datei == "-") {
            liste.Dateien.emplace_back("Standardeingabe");
            LiesStrom(std::cin, index, liste);
            if (std::cin.bad()) {
                liste.Fehler = "Fehler beim Lesen der Standardeingabe";
                return liste;
            }
            continue;
        }
        liste.Dateien.push_back(datei);
        std::ifstream ein(datei, std::ios::binary);
        if (!ein) {
            liste.Fehler = "Die Datei \"" + datei + "\" lässt sich nicht lesen";
            return liste;
        }
        LiesStrom(ein, index, liste);
        if (ein.bad()) {
            liste.Fehler = "Fehler beim Lesen von \"" + datei + "\"";
            return liste;
        }
    }
    return liste;
}

Aufgabenliste AusErzeugten(const std::vector<std::vector<Eingabe>>& fassungen) {
    Aufgabenliste liste;
    liste.Dateien.emplace_back("erzeugt");
    for (const std::vector<Eingabe>& fassung : fassungen) {
        std::vector<Quellzeile>& gruppe = liste.Gruppen.emplace_back();
        for (const Eingabe& e : fassung) {
            Quellzeile zeile;
            zeile.Nummer = static_cast<long>(gruppe.size()) + 1;
            for (std::size_t i = 0; i < 6; ++i) {
                zeile.Text += (i > 0 ? "\t" : "") + e.Texte[i];
            }
            gruppe.push_back(std::move(zeile));
        }
    }
    return liste;
}

Aufgabenzeile Zerlege(const Quellzeile& zeile) {
    if (zeile.ZuLang) {
        return "Zeile zu lang (mehr als " + std::to_string(ZeileMax) + " Bytes)";
    }
    Aufgabenzeile ergebnis = ZerlegeZeile(zeile.Text);
    if (const auto* eingabe = std::get_if<Eingabe>(&ergebnis)) {
        for (std::size_t i = 0; i < 12; ++i) {
            const std::string& feld = i < 6 ? eingabe->Texte[i] : eingabe->Buchstaben[i - 6];
            if (feld.size() > FeldMax) {
                return "Feld " + std::to_string(i + 1) + " zu lang (mehr als " +
                       std::to_string(FeldMax) + " Bytes)";
            }
        }
    }
    return ergebnis;
}

std::string Fundstelle(const Aufgabenliste& liste, const Quellzeile& zeile) {
    return liste.Dateien[zeile.Datei] + ", Zeile " + std::to_string(zeile.Nummer);
}

} // namespace kalotri::blatt
