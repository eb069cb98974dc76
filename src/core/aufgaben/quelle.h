// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabenzeile.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kalotri {
struct Sachaufgabe;
}

namespace kalotri::blatt {

// One exercise line as read, kept as text: the sheet needs an exercise twice (to check it
// and to draw it) and keeps nothing bigger of it in between.
struct Quellzeile {
    std::uint32_t Datei = 0; // index into Aufgabenliste::Dateien
    long Nummer = 0;         // line number in its file
    std::string Text;        // its first twelve fields, TAB between them
    std::size_t Felder = 0;  // how many fields it has
    bool ZuLang = false;     // a field was longer than a box holds, and was cut
    // A word problem whose triangle the line is.
    std::shared_ptr<const Sachaufgabe> Sach = nullptr;
};

struct Aufgabenliste {
    std::vector<std::string> Dateien; // as named to the user ("Standardeingabe")
    // One list of exercises per group; files give one group.
    std::vector<std::vector<Quellzeile>> Gruppen;
    std::optional<std::string> Fehler; // a file that cannot be read
};

// Reads the exercise lines of the files in turn ("-" or no file at all: standard input).
// Blank lines and comment lines (first visible character "#") are skipped.
Aufgabenliste LiesAufgaben(const std::vector<std::string>& dateien);

// Generated exercises as if read from lines, one group per version.
Aufgabenliste AusErzeugten(const std::vector<std::vector<Eingabe>>& fassungen);

// The line as the calculation's input, or why it cannot be one (German, no full stop).
Aufgabenzeile Zerlege(const Quellzeile& zeile);

// "datei, Zeile 7" for messages about the line.
std::string Fundstelle(const Aufgabenliste& liste, const Quellzeile& zeile);

} // namespace kalotri::blatt
