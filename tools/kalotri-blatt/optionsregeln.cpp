// SPDX-License-Identifier: GPL-3.0-or-later
// How the options of a sheet go together. Each rule names every option it is about, so
// that the user sees which of two to drop.
#include "optionen.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace kalotri::blatt {

namespace {

bool Gegeben(const Optionen& o, const std::string& name) {
    return std::find(o.Gegeben.begin(), o.Gegeben.end(), name) != o.Gegeben.end();
}

// What only the PDF shows; with a quiz alone it would be taken without a word and do
// nothing.
constexpr const char* NurImPdf[] = {"--ohne-loesungen", "--loesung", "--schluessel",
                                    "--skizze",         "--platz",   "--schule",
                                    "--klasse",         "--datum",   "--punkte"};

std::optional<std::string> Ziele(const Optionen& o) {
    if (Gegeben(o, "-o") && o.Ausgabe.empty()) {
        return "-o braucht einen Dateinamen (Standardausgabe: -o -)";
    }
    if (o.SvgVerzeichnis && o.SvgVerzeichnis->empty()) {
        return "--svg braucht ein Verzeichnis";
    }
    if (o.Ausgabe.empty() && !o.Moodle && !o.Qti) {
        return "Die Ausgabedatei fehlt (-o DATEI.pdf, --moodle QUIZ.xml oder --qti QUIZ.zip)";
    }
    // Checked before anything is written: the second output would replace the first, or
    // on standard output run into it.
    const std::pair<const char*, std::string> ziele[] = {
        {"-o", o.Ausgabe}, {"--moodle", o.Moodle.value_or("")}, {"--qti", o.Qti.value_or("")}};
    for (std::size_t i = 0; i < std::size(ziele); ++i) {
        for (std::size_t j = i + 1; j < std::size(ziele); ++j) {
            const auto& [erster, ziel] = ziele[i];
            const auto& [zweiter, anderes] = ziele[j];
            if (!ziel.empty() && !anderes.empty() && GleichesZiel(ziel, anderes)) {
                return ziel == "-" ? std::string(erster) + " - und " + zweiter +
                                         " - schrieben beide auf die Standardausgabe"
                                   : std::string(erster) + " und " + zweiter +
                                         " nennen dasselbe Ziel \"" + ziel + "\"";
            }
        }
    }
    if (o.SvgVerzeichnis && *o.SvgVerzeichnis == "-") {
        return "--svg braucht ein Verzeichnis, nicht die Standardausgabe";
    }
    for (const auto& [name, ziel] : ziele) {
        if (o.SvgVerzeichnis && !ziel.empty() && GleichesZiel(ziel, *o.SvgVerzeichnis)) {
            return std::string(name) + " und --svg nennen dasselbe Ziel \"" + ziel + "\"";
        }
    }
    return std::nullopt;
}

// Word problems come with their own units and sketches, and always with a solution: these
// options act only on bare triangles. Alone the word problems would take them without a
// word; taking turns (--gemischt) they act on the bare triangles only, which is said.
constexpr const char* NurFuerDreiecke[] = {"--einheit", "--skizze", "--nur-loesbar"};

// A tolerance below half a unit of an answer's last decimal rejects that answer correctly
// rounded; word problems answer in whole numbers (areas) or tenths, so such gaps keep
// their half unit instead.
constexpr double HalbeEinheitGanzerZahlen = 0.5;

void Sachaufgaben(OptionenErgebnis& e) {
    const Optionen& o = e.Werte;
    for (const char* name : NurFuerDreiecke) {
        if (!Gegeben(o, name)) {
            continue;
        }
        if (!o.Gemischt) {
            e.Fehler = std::string(name) +
                       " gilt nicht für Sachaufgaben (eigene Einheiten und Skizzen, immer "
                       "lösbar); mit --gemischt gilt es für die bloßen Dreiecke";
            return;
        }
        e.Warnungen.push_back(std::string(name) + " gilt nur für die bloßen Dreiecke, nicht "
                                                  "für die Sachaufgaben");
    }
    if (o.Toleranz && *o.Toleranz < HalbeEinheitGanzerZahlen) {
        e.Warnungen.push_back("--toleranz gilt in Sachaufgaben nur, wo sie eine richtig "
                              "gerundete Antwort gelten lässt; sonst gilt dort die halbe Einheit "
                              "der letzten Stelle");
    }
}

} // namespace

void PruefeZusammenspiel(OptionenErgebnis& e) {
    const Optionen& o = e.Werte;
    if ((e.Fehler = Ziele(o))) {
        return;
    }
    if (o.OhneLoesungen) {
        // The key is the solutions too, and would reach the pupils on their sheet.
        for (const char* mit : {"--schluessel", "--loesung"}) {
            if (Gegeben(o, mit)) {
                e.Fehler = std::string("--ohne-loesungen und ") + mit +
                           " widersprechen einander; bitte nur eins davon";
                return;
            }
        }
    }
    if (o.Sachaufgaben) {
        Sachaufgaben(e);
        if (e.Fehler) {
            return;
        }
    }
    if (o.Ausgabe.empty()) {
        for (const char* name : NurImPdf) {
            if (Gegeben(o, name)) {
                e.Warnungen.push_back(std::string(name) +
                                      " gilt nur für das PDF (-o) und bleibt ohne Wirkung");
            }
        }
    }
}

} // namespace kalotri::blatt
