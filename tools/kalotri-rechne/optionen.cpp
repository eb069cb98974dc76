// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionen.h"

#include "kommandozeile.h"

#include <string_view>

namespace kalotri::rechne {

OptionenErgebnis LiesOptionen(const std::vector<std::string>& argumente) {
    OptionenErgebnis ergebnis;
    std::vector<std::string> gegeben;
    for (std::size_t i = 0; i < argumente.size() && !ergebnis.Fehler; ++i) {
        const std::string& arg = argumente[i];
        std::optional<std::string> wert;
        if (arg.rfind("--dezimalen", 0) == 0 || arg.rfind("--trennzeichen", 0) == 0) {
            ergebnis.Fehler = MerkeOption(gegeben, OptionsName(arg), true);
        }
        if (ergebnis.Fehler) {
        } else if (arg == "--json") {
            ergebnis.Werte.Json = true;
        } else if (arg == "--rechenweg") {
            ergebnis.Werte.Rechenweg = true;
        } else if (arg == "--mehr") {
            ergebnis.Werte.Mehr = true;
        } else if (arg == "--help" || arg == "-h") {
            ergebnis.Werte.Hilfe = true;
        } else if (arg == "--version") {
            ergebnis.Werte.Version = true;
        } else if (NimmWert(argumente, i, "--dezimalen", wert, ergebnis.Fehler)) {
            if (wert) {
                ergebnis.Werte.DezimalenText = *wert;
            }
        } else if (NimmWert(argumente, i, "--trennzeichen", wert, ergebnis.Fehler)) {
            if (wert) {
                ergebnis.Fehler = TrennzeichenFehler(*wert);
                ergebnis.Werte.Trennzeichen = *wert;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            ergebnis.Fehler = UnbekannteOption(arg);
        } else {
            ergebnis.Werte.Dateien.push_back(arg);
        }
    }
    return ergebnis;
}

const char* Hilfetext() {
    return "Aufruf: kalotri-rechne [--json] [--rechenweg [--mehr]] [--dezimalen ANZAHL]\n"
           "                      [--trennzeichen ZEICHEN] [DATEI ...]\n"
           "       kalotri-rechne --help | --version\n"
           "\n"
           "Rechnet Dreiecksaufgaben wie der Befehl \"Rechne\" von Kalotri, jede als erste\n"
           "Rechnung eines frisch gestarteten Programms.\n"
           "\n"
           "Eingabe (die Dateien nacheinander, \"-\" oder keine: Standardeingabe; UTF-8):\n"
           "eine Aufgabe je Zeile, Felder durch TAB\n"
           "getrennt. Felder 1 bis 6: die Texte der Eingabefelder a, b, c, alpha, beta,\n"
           "gamma, wie getippt (fehlende Felder am Ende sind leer). Felder 7 bis 12, nur\n"
           "wenn alle zwölf Felder da sind: die Buchstaben der sechs Größen, sonst\n"
           "a, b, c, a, b, g. Eine Zeile mit 7 bis 11 oder mehr als 12 Feldern, mit einem\n"
           "Feld über 1000 Bytes oder einem Buchstaben über 160 Bytes wird nicht gerechnet;\n"
           "sie ergibt einen Fehler für diese Zeile (wie bei kalotri-blatt). Eine\n"
           "Byte-Order-Markierung vor der ersten Zeile zählt nicht mit.\n"
           "\n"
           "Optionen:\n"
           "  --json                 eine JSON-Zeile je Aufgabe statt Text\n"
           "  --rechenweg            den Rechenweg (Formel, eingesetzte Zahlen, Ergebnis,\n"
           "                         Begründungen) statt der Zeilen des Scripts; mit --json\n"
           "                         als zusätzliches Feld \"rechenweg\"\n"
           "  --mehr                 im Rechenweg auch Umfang, Fläche, Höhen, Um- und\n"
           "                         Inkreisradius\n"
           "  --dezimalen ANZAHL     Dezimalen wie im Dialog \"Optionen\", 0 bis 222\n"
           "                         (Vorgabe 3; mehr kann das Script nicht zeigen)\n"
           "  --trennzeichen ZEICHEN Dezimaltrennzeichen (Vorgabe: das des Gebietsschemas)\n"
           "  --help                 diese Hilfe\n"
           "  --version              die Version des Programms\n"
           "\n"
           "Zeilen enden mit LF, CRLF oder CR. In der Textausgabe und in Meldungen erscheinen\n"
           "Steuerzeichen und ungültiges UTF-8 aus der Eingabe sichtbar als \\xHH.\n"
           "\n"
           "Rückgabewert:\n"
           "  0  alle Zeilen gerechnet (Meldungen und Fehler sind Ergebnisse)\n"
           "  1  mindestens eine Zeile nicht gerechnet (Felderzahl, Buchstabe zu lang)\n"
           "  2  falsche Optionen (auch eine Option mit Wert zweimal)\n"
           "  3  eine Datei oder die Eingabe ließ sich nicht lesen\n"
           "  4  Fehler beim Schreiben der Ausgabe, auch eine vorzeitig geschlossene Pipe\n"
           "  5  zu wenig Speicher\n";
}

} // namespace kalotri::rechne
