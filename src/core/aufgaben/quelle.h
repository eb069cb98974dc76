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

// One exercise line as read, as its fields: the sheet needs an exercise twice (to check it
// and to draw it) and keeps nothing bigger of it in between.
struct Quellzeile {
    std::uint32_t Datei = 0; // index into Aufgabenliste::Dateien
    long Nummer = 0;         // line number in its file
    // Its first twelve fields, each cut a byte past the longest box text.
    std::vector<std::string> Felder;
    std::size_t Anzahl = 0; // how many fields it has
    // A word problem whose triangle the line is.
    std::shared_ptr<const Sachaufgabe> Sach = nullptr;
    // The points a teacher set for it with a comment line "# Punkte: 4" just before it.
    std::optional<int> Punkte = std::nullopt;
};

struct Aufgabenliste {
    std::vector<std::string> Dateien; // as named to the user ("Standardeingabe")
    // One list of exercises per group; files give one group.
    std::vector<std::vector<Quellzeile>> Gruppen;
    std::optional<std::string> Fehler; // a file that cannot be read
};

// Reads the exercise lines of the files in turn ("-" or no file at all: standard input).
// Blank lines and comment lines (first visible character "#") are skipped; a comment
// "# Punkte: N" (N from 1 to 1000) sets the points of the exercise that follows it.
Aufgabenliste LiesAufgaben(const std::vector<std::string>& dateien);

// Generated exercises as if read from lines, one group per version.
Aufgabenliste AusErzeugten(const std::vector<std::vector<Eingabe>>& fassungen);

// An exercise as its line: the six box texts and the six letters.
Quellzeile AusEingabe(const Eingabe& eingabe, long nummer);

// The line as the calculation's input, or why it cannot be one (German, no full stop).
Aufgabenzeile Zerlege(const Quellzeile& zeile);

// The fields with TAB between them, as the line stood, for quoting it in a message; and
// whether more stood there than was kept.
std::string ZeilenText(const Quellzeile& zeile);
bool Gekuerzt(const Quellzeile& zeile);

// "datei, Zeile 7" for messages about the line.
std::string Fundstelle(const Aufgabenliste& liste, const Quellzeile& zeile);

} // namespace kalotri::blatt
