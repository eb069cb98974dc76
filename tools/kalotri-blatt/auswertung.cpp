// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertung.h"

#include "klassenpdf.h"
#include "satzdatei.h"

#include "ausgabesatz.h"
#include "ergebnisdatei.h"
#include "kommandozeile.h"
#include "sichtbar.h"

#include <unistd.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>

namespace kalotri::blatt {

namespace {

// A results file is a few hundred bytes; anything far larger is none.
constexpr std::streamsize GroessteDatei = 64 * 1024;

constexpr const char* Aufruf =
    "Aufruf: kalotri-blatt --auswertung [-o ÜBERSICHT.pdf] [--csv TABELLE.csv] DATEI ...";

std::variant<ergebnis::Ergebnis, std::string> LiesDatei(const std::string& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) {
        return std::string("lässt sich nicht lesen");
    }
    std::string text(static_cast<std::size_t>(GroessteDatei) + 1, '\0');
    datei.read(text.data(), GroessteDatei + 1);
    if (datei.bad()) {
        return std::string("lässt sich nicht lesen");
    }
    text.resize(static_cast<std::size_t>(datei.gcount()));
    if (text.size() > static_cast<std::size_t>(GroessteDatei)) {
        return std::string("zu groß für eine Ergebnisdatei");
    }
    return ergebnis::LiesErgebnis(text);
}

bool SchreibeText(int deskriptor, const std::string& text) {
    std::size_t geschrieben = 0;
    while (geschrieben < text.size()) {
        const ssize_t n = ::write(deskriptor, text.data() + geschrieben, text.size() - geschrieben);
        if (n <= 0) {
            return false;
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

int Auswertung(const std::vector<std::string>& argumente) {
    std::optional<std::string> pdf, csv, fehler;
    std::vector<std::string> dateien;
    for (std::size_t i = 0; i < argumente.size() && !fehler; ++i) {
        std::optional<std::string> wert;
        if (argumente[i] == "--auswertung") {
            continue;
        }
        if (NimmWert(argumente, i, "-o", wert, fehler) ||
            NimmWert(argumente, i, "--ausgabe", wert, fehler)) {
            pdf = wert;
        } else if (NimmWert(argumente, i, "--csv", wert, fehler)) {
            csv = wert;
        } else if (argumente[i].size() > 1 && argumente[i][0] == '-') {
            fehler = "--auswertung nimmt nur -o und --csv, nicht " + Sichtbar(argumente[i]);
        } else {
            dateien.push_back(argumente[i]);
        }
    }
    if (!fehler && dateien.empty()) {
        fehler = "--auswertung braucht Ergebnisdateien";
    }
    if (!fehler && ((pdf && pdf->empty()) || (csv && csv->empty()))) {
        fehler = "-o und --csv brauchen einen Dateinamen";
    }
    if (!fehler && pdf && csv && GleichesZiel(*pdf, *csv)) {
        fehler = "-o und --csv nennen dieselbe Datei";
    }
    if (fehler) {
        std::cerr << "kalotri-blatt: " << *fehler << "\n" << Aufruf << "\n";
        return FalscheOption;
    }

    std::vector<ergebnis::Ergebnis> ergebnisse;
    std::vector<std::string> uebersprungen;
    for (const std::string& pfad : dateien) {
        auto gelesen = LiesDatei(pfad);
        if (auto* e = std::get_if<ergebnis::Ergebnis>(&gelesen)) {
            ergebnisse.push_back(std::move(*e));
            continue;
        }
        const std::string grund = pfad + ": " + std::get<std::string>(gelesen);
        Melde("kalotri-blatt", grund + ", übersprungen");
        uebersprungen.push_back(grund);
    }
    if (ergebnisse.empty()) {
        Melde("kalotri-blatt", "keine lesbare Ergebnisdatei, keine Tabelle");
        return Lesefehler;
    }

    const ergebnis::Klassentabelle tabelle = ergebnis::ErstelleKlassentabelle(ergebnisse);
    Ausgabesatz satz;
    std::optional<std::string> schreibfehler;
    if (pdf) {
        schreibfehler = SchreibeInSatz(satz, *pdf, [&](QIODevice& datei) {
            QPdfWriter writer(&datei);
            SchreibeKlassenuebersicht(writer, tabelle, uebersprungen);
        });
    }
    if (!schreibfehler) {
        schreibfehler = satz.Beginne(csv.value_or("-"));
    }
    if (!schreibfehler) {
        schreibfehler = SchreibeText(satz.Deskriptor(), ergebnis::AlsCsv(tabelle))
                            ? satz.Beende()
                            : std::optional<std::string>("die Tabelle lässt sich nicht schreiben");
    }
    if (!schreibfehler) {
        schreibfehler = satz.Uebernimm();
    }
    if (schreibfehler) {
        Melde("kalotri-blatt", *schreibfehler);
        return Schreibfehler;
    }
    return uebersprungen.empty() ? Fertig : FalscheZeile;
}

} // namespace kalotri::blatt
