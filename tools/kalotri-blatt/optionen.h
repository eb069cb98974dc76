// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kommandozeile.h"

#include "erzeuge.h"
#include "loesungsform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalotri {
enum class Situation; // of the word problems (sachaufgabe.h)
}

namespace kalotri::blatt {

// The longest texts the sheet's header takes; longer ones are cut, not refused.
inline constexpr std::size_t KopftextMax = 300;

// What the command line asks for.
struct Optionen {
    std::string Ausgabe; // -o, the PDF file
    std::string Titel = "Übungen zu Sinussatz und Cosinussatz";
    std::string DezimalenText = "3"; // read like the options dialog's count box
    std::string Trennzeichen = ",";
    std::string Einheit;
    bool Mehr = false;
    bool OhneLoesungen = false;
    bool Trotzdem = false; // a sheet also when exercises cannot be solved
    bool Leise = false;    // no progress on a terminal
    Loesungsform Loesung = Loesungsform::Rechenweg;
    bool Schluessel = false; // the answer table after the exercises
    bool Punkte = false;     // points on each task and in the key
    bool Skizze = false;
    std::string Schule;
    std::string Klasse;
    std::string Datum;
    int PlatzCm = 0; // working space under each exercise
    std::optional<std::string> SvgVerzeichnis;
    std::optional<std::string> Moodle; // the quiz file
    std::optional<std::string> Qti;    // the same quiz as an IMS QTI package
    std::optional<double> Toleranz;    // the same for every gap of the quiz
    std::optional<int> Erzeuge;        // number of exercises to generate
    std::vector<Aufgabentyp> Typen;
    std::optional<std::uint64_t> Seed;
    int Gruppen = 1;
    std::optional<int> Stufe;
    bool NurLoesbar = false;
    bool Sachaufgaben = false; // word problems instead of bare triangles
    bool Gemischt = false;     // word problems taking turns with bare triangles
    std::vector<Situation> Situationen;
    std::vector<std::string> Dateien; // exercise files; "-" is standard input
    bool Hilfe = false;
    bool Version = false;
    std::vector<std::string> Gegeben; // the options given, by name ("-o" for --ausgabe)
};

using OptionenErgebnis = kalotri::OptionenErgebnis<Optionen>;

// Accepts "--name WERT" and "--name=WERT"; the first problem ends the reading.
OptionenErgebnis LiesOptionen(const std::vector<std::string>& argumente);

// The options read, checked against each other: a missing or empty target, two outputs to
// one target, options that contradict each other (an error naming both), and options that
// plainly have nothing to act on (a warning).
void PruefeZusammenspiel(OptionenErgebnis& e);

// The German usage text of --help.
const char* Hilfetext();

} // namespace kalotri::blatt
