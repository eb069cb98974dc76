// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kommandozeile.h"

#include "erzeuge.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalotri::blatt {

// What the command line asks for.
struct Optionen {
    std::string Ausgabe; // -o, the PDF file
    std::string Titel = "Übungen zu Sinussatz und Cosinussatz";
    std::string DezimalenText = "3"; // read like the options dialog's count box
    std::string Trennzeichen = ",";
    std::string Einheit;
    bool Mehr = false;
    bool OhneLoesungen = false;
    std::optional<std::string> SvgVerzeichnis;
    std::optional<int> Erzeuge; // number of exercises to generate
    std::vector<Aufgabentyp> Typen;
    std::optional<std::uint64_t> Seed;
    std::vector<std::string> Dateien; // exercise files; "-" is standard input
    bool Hilfe = false;
    bool Version = false;
};

using OptionenErgebnis = kalotri::OptionenErgebnis<Optionen>;

// Accepts "--name WERT" and "--name=WERT"; the first problem ends the reading.
OptionenErgebnis LiesOptionen(const std::vector<std::string>& argumente);

// The German usage text of --help.
const char* Hilfetext();

} // namespace kalotri::blatt
