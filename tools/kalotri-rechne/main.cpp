// SPDX-License-Identifier: GPL-3.0-or-later
// kalotri-rechne: runs exercises from standard input through the calculation command, each
// as the first calculation of a freshly started program, and writes the worked solutions.

#include "ausgabe.h"
#include "optionen.h"

#include "aufgabenzeile.h"
#include "fehler.h"
#include "rundformat.h"
#include "scriptprotokoll.h"

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace kalotri;

// The separator numbers are written with, as the program reads it from the locale.
std::string TrennzeichenDesGebietsschemas() {
    std::string trennzeichen;
    if (std::setlocale(LC_ALL, "") != nullptr) {
        const std::lconv* lc = std::localeconv();
        if (lc != nullptr && lc->decimal_point != nullptr) {
            trennzeichen = lc->decimal_point;
        }
    }
    // The engine must not see a locale that could change how it reads or writes numbers.
    std::setlocale(LC_ALL, "C");
    return trennzeichen.empty() ? "." : trennzeichen;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    rechne::OptionenErgebnis optionen = rechne::LiesOptionen(argumente);
    const RundFormatErgebnis rundFormat = RundFormatAusText(optionen.Werte.DezimalenText);
    if (!optionen.Fehler && !optionen.Werte.Hilfe) {
        optionen.Fehler = rundFormat.Fehler;
    }
    if (optionen.Fehler) {
        std::cerr << "kalotri-rechne: " << FehlerAnzeigeText(*optionen.Fehler) << "\n"
                  << "Hilfe mit: kalotri-rechne --help\n";
        return 2;
    }
    if (optionen.Werte.Hilfe) {
        std::cout << rechne::Hilfetext();
        return 0;
    }

    Zahlformat format;
    format.Maske = rundFormat.Maske;
    format.Trennzeichen = optionen.Werte.Trennzeichen.value_or(TrennzeichenDesGebietsschemas());

    std::ios::sync_with_stdio(false);
    int rueckgabe = 0;
    std::string zeile;
    for (long nummer = 1; std::getline(std::cin, zeile); ++nummer) {
        const Aufgabenzeile aufgabe = ZerlegeZeile(nummer == 1 ? OhneBom(zeile) : zeile);
        ScriptProtokoll script;
        Ausgang ausgang;
        if (const auto* eingabe = std::get_if<Eingabe>(&aufgabe)) {
            ausgang = TRechner(script).Rechne(*eingabe, format);
        } else {
            // Still one result per line, so that outputs stay aligned with their inputs.
            ausgang.Fehler =
                "Zeile " + std::to_string(nummer) + ": " + std::get<std::string>(aufgabe);
            std::cerr << "kalotri-rechne: " << *ausgang.Fehler << "\n";
            rueckgabe = 1;
        }
        std::cout << (optionen.Werte.Json ? rechne::AlsJson(script, ausgang)
                                          : rechne::AlsText(script, ausgang));
    }
    std::cout.flush();
    return std::cout ? rueckgabe : 1;
}
