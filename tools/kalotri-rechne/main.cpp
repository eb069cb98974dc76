// SPDX-License-Identifier: GPL-3.0-or-later
// kalotri-rechne: runs exercises from standard input through the calculation command, each
// as the first calculation of a freshly started program, and writes the worked solutions.

#include "jsonausgabe.h"
#include "kommandozeile.h"
#include "optionen.h"
#include "schreiber.h"
#include "sichtbar.h"
#include "textausgabe.h"

#include "aufgabenleser.h"
#include "dezimalen.h"
#include "groessen.h"
#include "kalotri_version.h"
#include "loesung.h"
#include "pruef.h"
#include "rechenweg.h"
#include "scriptausgabe.h"
#include "scriptprotokoll.h"

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <new>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace kalotri;

void Melde(const std::string& text) {
    kalotri::Melde("kalotri-rechne", text);
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

struct Lauf {
    Lauf(const Zahlformat& format, const rechne::Optionen& optionen)
        : Format(format), Json(optionen.Json), Rechenweg(optionen.Rechenweg), Mehr(optionen.Mehr) {}
    const Zahlformat& Format;
    bool Json;
    bool Rechenweg;
    bool Mehr;
    bool HinweisGeschrieben = false;
    rechne::Schreiber Ausgabe{STDOUT_FILENO};
    ScriptProtokoll Script;
    rechne::JsonAusgabe JsonAusgabe;
    int Rueckgabe = Fertig;
};

// Reads every line of one input, writes its results; false after a read or write error.
bool RechneDatei(Lauf& lauf, int eingabe, const std::string& name) {
    // The same reader as the sheet's: a line costs at most twelve cut fields however long.
    Aufgabenleser leser(eingabe);
    // Standard input keeps the bare "Zeile N" it always had.
    const std::string vorsatz = name == "-" ? "" : name + ", ";
    for (;;) {
        const auto stand = leser.Naechste();
        if (stand == Aufgabenleser::Stand::Ende) {
            return true;
        }
        if (stand == Aufgabenleser::Stand::Lesefehler) {
            lauf.Ausgabe.Leere();
            Melde(LesefehlerText(name, leser.Fehlernummer()) + ".");
            lauf.Rueckgabe = Lesefehler;
            return false;
        }
        const long nummer = leser.Nummer();
        const Aufgabenzeile aufgabe = leser.Zeile();
        lauf.Script.Leeren();
        Ausgang ausgang;
        std::optional<Loesung> loesung;
        if (const auto* e = std::get_if<Eingabe>(&aufgabe)) {
            loesung = Berechne(*e);
            ausgang = SchreibeScript(*loesung, lauf.Format, lauf.Script);
        } else {
            // Still one result per line, so that outputs stay aligned with their inputs.
            ausgang.Fehler =
                vorsatz + "Zeile " + std::to_string(nummer) + ": " + std::get<std::string>(aufgabe);
            Melde(*ausgang.Fehler);
            lauf.Rueckgabe = FalscheZeile;
        }
        std::optional<kalotri::Rechenweg> weg;
        if (lauf.Rechenweg) {
            const auto* e = std::get_if<Eingabe>(&aufgabe);
            weg = loesung ? ErstelleRechenweg(*loesung, lauf.Format,
                                              lauf.Mehr && e ? WeitereAngaben(*loesung, *e, "")
                                                             : Wegangaben{})
                          : kalotri::Rechenweg{};
        }
        if (weg && !lauf.Json && !lauf.HinweisGeschrieben) {
            // Said once for the whole output, not with every exercise.
            lauf.Ausgabe.Puffer().append(RundungsHinweis(lauf.Format)).append("\n\n");
            lauf.HinweisGeschrieben = true;
        }
        if (lauf.Json) {
            lauf.JsonAusgabe.HaengeAn(lauf.Ausgabe.Puffer(), lauf.Script, ausgang,
                                      loesung ? &*loesung : nullptr, weg ? &*weg : nullptr);
        } else if (weg && loesung) {
            rechne::HaengeRechenwegAn(lauf.Ausgabe.Puffer(), *weg);
        } else {
            // The Script's lines, or for a line that was not calculated its error alone.
            rechne::HaengeTextAn(lauf.Ausgabe.Puffer(), lauf.Script, ausgang);
        }
        lauf.Ausgabe.Weiter();
        if (lauf.Ausgabe.Fehlernummer() != 0) {
            return false;
        }
    }
}

// Works through the inputs in turn ("-" or none: standard input); returns the exit code.
int RechneAlle(const Zahlformat& format, const rechne::Optionen& optionen) {
    Lauf lauf(format, optionen);
    const std::vector<std::string>& dateien = optionen.Dateien;
    for (const std::string& datei : dateien.empty() ? std::vector<std::string>{"-"} : dateien) {
        const int eingabe =
            datei == "-" ? STDIN_FILENO : ::open(datei.c_str(), O_RDONLY | O_CLOEXEC);
        if (eingabe < 0) {
            lauf.Ausgabe.Leere();
            Melde(NichtLesbarText(datei, errno) + ".");
            return Lesefehler;
        }
        const bool weiter = RechneDatei(lauf, eingabe, datei);
        if (eingabe != STDIN_FILENO) {
            ::close(eingabe);
        }
        if (!weiter) {
            break;
        }
    }
    if (!lauf.Ausgabe.Leere()) {
        Melde("Fehler beim Schreiben der Ausgabe: " +
              std::string(std::strerror(lauf.Ausgabe.Fehlernummer())) + ".");
        return Schreibfehler;
    }
    return lauf.Rueckgabe;
}

int Hauptprogramm(int argc, char** argv) {
    // A reader that closes the pipe early makes a write error (exit code 4, with a
    // message), as with kalotri-blatt, rather than a silent death halfway.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    rechne::OptionenErgebnis optionen = rechne::LiesOptionen(argumente);
    if (!optionen.Fehler && !optionen.Werte.Hilfe && !optionen.Werte.Version) {
        optionen.Fehler = DezimalenFehler(optionen.Werte.DezimalenText);
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
    format.Maske = Dezimalen::Lies(optionen.Werte.DezimalenText)->Maske();
    format.Trennzeichen = optionen.Werte.Trennzeichen.value_or(TrennzeichenDesGebietsschemas());
    return RechneAlle(format, optionen.Werte);
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
