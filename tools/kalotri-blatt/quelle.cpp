// SPDX-License-Identifier: GPL-3.0-or-later
#include "quelle.h"

#include "aufgabenzeile.h"

#include <fstream>
#include <iostream>
#include <variant>

namespace kalotri::blatt {

namespace {

void LiesStrom(std::istream& ein, const std::string& name, Aufgabenliste& liste) {
    std::string zeile;
    for (long nummer = 1; std::getline(ein, zeile); ++nummer) {
        const std::string_view text = nummer == 1 ? OhneBom(zeile) : zeile;
        if (text.find_first_not_of(" \t\r") == std::string_view::npos) {
            continue;
        }
        const Aufgabenzeile aufgabe = ZerlegeZeile(text);
        if (const auto* eingabe = std::get_if<Eingabe>(&aufgabe)) {
            liste.Aufgaben.push_back(*eingabe);
        } else {
            liste.Unlesbar.push_back(name + ", Zeile " + std::to_string(nummer) + ": " +
                                     std::get<std::string>(aufgabe));
        }
    }
}

} // namespace

Aufgabenliste LiesAufgaben(const std::vector<std::string>& dateien) {
    Aufgabenliste liste;
    const std::vector<std::string> quellen =
        dateien.empty() ? std::vector<std::string>{"-"} : dateien;
    for (const std::string& datei : quellen) {
        if (datei == "-") {
            LiesStrom(std::cin, "Standardeingabe", liste);
            continue;
        }
        std::ifstream ein(datei, std::ios::binary);
        if (!ein) {
            liste.Fehler = "Die Datei \"" + datei + "\" lässt sich nicht lesen";
            return liste;
        }
        LiesStrom(ein, datei, liste);
        if (ein.bad()) {
            liste.Fehler = "Fehler beim Lesen von \"" + datei + "\"";
            return liste;
        }
    }
    return liste;
}

} // namespace kalotri::blatt
