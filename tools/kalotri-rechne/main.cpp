// SPDX-License-Identifier: GPL-3.0-or-later
// kalotri-rechne: runs exercises from standard input through the calculation command, each
// as the first calculation of a freshly started program, and writes the worked solutions.

#include "jsonausgabe.h"
#include "kommandozeile.h"
#include "optionen.h"
#include "schreiber.h"
#include "textausgabe.h"
#include "zeilenleser.h"

#include "aufgabenzeile.h"
#include "kalotri_version.h"
#include "loesung.h"
#include "rundformat.h"
#include "scriptausgabe.h"
#include "scriptprotokoll.h"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace kalotri;

// Exit codes, as --help lists them.
enum Rueckgabe : int {
    FalscheZeile = 1,
    FalscheOption,
    Lesefehler,
    Schreibfehler,
    ZuWenigSpeicher
};

void Melde(const std::string& text) {
    std::fputs(("kalotri-rechne: " + text + "\n").c_str(), stderr);
}

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

// Reads every line, writes its result; returns the exit code.
int RechneAlle(const Zahlformat& format, bool json) {
    rechne::Zeilenleser leser(STDIN_FILENO);
    rechne::Schreiber schreiber(STDOUT_FILENO);
    int rueckgabe = 0;
    ScriptProtokoll script;
    rechne::JsonAusgabe jsonAusgabe;
    for (long nummer = 1;; ++nummer) {
        const auto stand = leser.Naechste();
        if (stand == rechne::Zeilenleser::Stand::Ende) {
            break;
        }
        if (stand == rechne::Zeilenleser::Stand::Lesefehler) {
            schreiber.Leere();
            Melde("Fehler beim Lesen der Eingabe: " +
                  std::string(std::strerror(leser.Fehlernummer())) + ".");
            return Lesefehler;
        }
        std::string& erstes = leser.Felder()[0];
        if (nummer == 1) {
            erstes.erase(0, erstes.size() - OhneBom(erstes).size());
        }
        const Aufgabenzeile aufgabe = AusFeldern(leser.Felder(), leser.Anzahl());
        script.Leeren();
        Ausgang ausgang;
        std::optional<Loesung> loesung;
        if (const auto* eingabe = std::get_if<Eingabe>(&aufgabe)) {
            loesung = Berechne(*eingabe);
            ausgang = SchreibeScript(*loesung, format, script);
        } else {
            // Still one result per line, so that outputs stay aligned with their inputs.
            ausgang.Fehler =
                "Zeile " + std::to_string(nummer) + ": " + std::get<std::string>(aufgabe);
            Melde(*ausgang.Fehler);
            rueckgabe = FalscheZeile;
        }
        if (json) {
            jsonAusgabe.HaengeAn(schreiber.Puffer(), script, ausgang,
                                 loesung ? &*loesung : nullptr);
        } else {
            rechne::HaengeTextAn(schreiber.Puffer(), script, ausgang);
        }
        schreiber.Weiter();
        if (schreiber.Fehlernummer() != 0) {
            break;
        }
    }
    if (!schreiber.Leere()) {
        Melde("Fehler beim Schreiben der Ausgabe: " +
              std::string(std::strerror(schreiber.Fehlernummer())) + ".");
        return Schreibfehler;
    }
    return rueckgabe;
}

int Hauptprogramm(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    rechne::OptionenErgebnis optionen = rechne::LiesOptionen(argumente);
    const RundFormatErgebnis rundFormat = RundFormatAusText(optionen.Werte.DezimalenText);
    if (!optionen.Fehler && !optionen.Werte.Hilfe && !optionen.Werte.Version) {
        optionen.Fehler = rundFormat.Fehler;
    }
    if (optionen.Fehler) {
        std::fputs(OptionsFehlerMeldung("kalotri-rechne", *optionen.Fehler).c_str(), stderr);
        return FalscheOption;
    }
    if (optionen.Werte.Hilfe || optionen.Werte.Version) {
        std::fputs(optionen.Werte.Hilfe ? rechne::Hilfetext()
                                        : "kalotri-rechne " KALOTRI_VERSION "\n",
                   stdout);
        return std::fflush(stdout) == 0 ? 0 : Schreibfehler;
    }
    Zahlformat format;
    format.Maske = rundFormat.Maske;
    format.Trennzeichen = optionen.Werte.Trennzeichen.value_or(TrennzeichenDesGebietsschemas());
    return RechneAlle(format, optionen.Werte.Json);
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Hauptprogramm(argc, argv);
    } catch (const std::bad_alloc&) {
        Melde("Zu wenig Speicher.");
        return ZuWenigSpeicher;
    } catch (const std::exception& fehler) {
        // Nothing else is expected to throw; still no exception leaves the program.
        Melde(std::string(fehler.what()) + ".");
        return ZuWenigSpeicher;
    }
}
