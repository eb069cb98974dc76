// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionen.h"

#include "sachaufgabe.h"

#include <algorithm>
#include <string>

namespace kalotri::blatt {

namespace {

// The situations' titles for --sachaufgaben and their names for --situationen, wrapped to
// the column of the option texts.
std::string Situationen(bool titel, const std::string& vorn, const std::string& hinten) {
    const std::string einzug(26, ' ');
    std::string text, zeile = "  " + vorn;
    const auto spalten = [](const std::string& t) {
        // Umlauts count one column each.
        return std::count_if(t.begin(), t.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
        });
    };
    const auto dazu = [&](const std::string& wort, bool leer) {
        if (spalten(zeile) + 1 + spalten(wort) > 80) {
            text += zeile + "\n";
            zeile = einzug;
        } else if (leer) {
            zeile += ' ';
        }
        zeile += wort;
    };
    for (std::size_t i = 0; i < Situationsliste.size(); ++i) {
        const Situationseintrag& e = Situationsliste[i];
        const bool letzte = i + 1 == Situationsliste.size();
        dazu(std::string(titel ? e.Titel : e.Kennung) + (letzte ? "" : ","), i > 0 || titel);
    }
    bool leer = titel;
    for (std::size_t von = 0; von < hinten.size();) {
        const std::size_t bis = std::min(hinten.find(' ', von), hinten.size());
        dazu(hinten.substr(von, bis - von), leer);
        leer = true;
        von = bis + 1;
    }
    return text + zeile + "\n";
}

} // namespace

const char* Hilfetext() {
    static const std::string text =
        std::string(
            "Aufruf: kalotri-blatt [OPTIONEN] -o BLATT.pdf [DATEI ...]\n"
            "       kalotri-blatt [OPTIONEN] -o BLATT.pdf --erzeuge ANZAHL [--typen LISTE]\n"
            "                     [--seed N] [--gruppen N] [--stufe 1|2|3] [--nur-loesbar]\n"
            "       kalotri-blatt [OPTIONEN] -o BLATT.pdf --erzeuge ANZAHL --sachaufgaben\n"
            "                     [--gemischt] [--situationen LISTE] [--seed N] ...\n"
            "       kalotri-blatt [OPTIONEN] [-o BLATT.pdf] --moodle QUIZ.xml [--toleranz X]\n"
            "       kalotri-blatt [OPTIONEN] [-o BLATT.pdf] --qti QUIZ.zip [--toleranz X]\n"
            "                     [DATEI ... | --erzeuge ANZAHL ...]\n"
            "       kalotri-blatt --auswertung [-o ÜBERSICHT.pdf] [--csv TABELLE.csv]\n"
            "                     ERGEBNIS ...\n"
            "\n"
            "Macht ein Arbeitsblatt (PDF, A4): erst die Aufgaben, dann die Lösungen mit dem\n"
            "Rechenweg und einer maßstäblichen Figur jedes Dreiecks.\n"
            "\n"
            "Aufgaben: aus den Dateien (\"-\" oder keine: Standardeingabe), eine je Zeile im\n"
            "Format von kalotri-rechne: sechs Felder a, b, c, alpha, beta, gamma durch TAB\n"
            "getrennt, wahlweise gefolgt von den sechs Buchstaben. Leere Zeilen und Zeilen,\n"
            "die mit # beginnen, zählen nicht. Jede Aufgabe wird vorab gerechnet; ergibt eine\n"
            "keine Lösung (Tippfehler, kein Dreieck, ...), nennt das Programm Datei, Zeile,\n"
            "bei einem Tippfehler das Feld, und den Grund und macht kein Blatt. Oder erzeugt\n"
            "mit --erzeuge.\n"
            "\n"
            "Optionen:\n"
            "  -o, --ausgabe DATEI     die PDF-Datei (nötig; \"-\": Standardausgabe)\n"
            "  --titel TEXT            Überschrift des Blatts\n"
            "  --schule TEXT           Schule im Kopf jeder Aufgabenseite\n"
            "  --klasse TEXT           Klasse im Kopf jeder Aufgabenseite\n"
            "  --datum TEXT            Datum im Kopf (Vorgabe: eine Linie zum Ausfüllen)\n"
            "  --dezimalen ANZAHL      Dezimalen wie im Dialog \"Optionen\", 0 bis 222\n"
            "                          (Vorgabe 3)\n"
            "  --trennzeichen ZEICHEN  Dezimaltrennzeichen (Vorgabe \",\")\n"
            "  --einheit TEXT          Einheit der Seitenlängen, etwa cm (Vorgabe: keine)\n"
            "  --mehr                  Umfang, Fläche, Höhen, Um- und Inkreisradius dazu\n"
            "  --skizze                neben jeder Aufgabe eine Skizze mit den gegebenen\n"
            "                          Größen, bewusst nicht maßstäblich\n"
            "  --platz ZENTIMETER      Platz zum Rechnen unter jeder Aufgabe (1 bis 24)\n"
            "  --loesung FORM          rechenweg (Vorgabe): Formeln und Zahlen Schritt für\n"
            "                          Schritt; script: die Zeilen des Scripts; schluessel:\n"
            "                          nur die gesuchten Werte\n"
            "  --schluessel            dazu eine Lösungstabelle nach den Aufgaben\n"
            "  --punkte                zu jeder Aufgabe ihre Punkte, auch im Schlüssel mit\n"
            "                          der Summe: je gesuchte Größe und Lösung einer, mit\n"
            "                          --mehr einer mehr je Lösung, SSW ohne Lösung einer\n"
            "                          (eine Zeile \"# Punkte: N\" vor einer Aufgabe in der\n"
            "                          Datei setzt ihre Punkte)\n"
            "  --ohne-loesungen        nur die Aufgabenseiten (nicht mit --schluessel oder\n"
            "                          --loesung)\n"
            "  --moodle DATEI          dazu oder statt des PDFs die Aufgaben als Quiz für\n"
            "                          Moodle (Moodle-XML, Lückentextfragen mit Skizze,\n"
            "                          Rechenweg und Figur als Feedback)\n"
            "  --qti DATEI             dieselben Fragen als IMS-QTI-2.1-Paket (ZIP) für ILIAS,\n"
            "                          OpenOLAT und andere; die Gruppen als Abschnitte\n"
            "  --toleranz X            im Quiz dieselbe Toleranz X für jedes Zahlenfeld, von\n"
            "                          der halben letzten Dezimale (0.0005 bei 3) bis 1e15\n"
            "                          (Vorgabe: was jeder übliche Rechenweg mit der Rundung\n"
            "                          ergibt, die die Frage nennt; Antworten mit\n"
            "                          mindestens 2 Nachkommastellen)\n"
            "  --leise                 keine Fortschrittsanzeige (\"Seite 10 von 14\")\n"
            "  --trotzdem              das Blatt auch mit Aufgaben ohne Lösung machen; ihre\n"
            "                          Meldung steht dann auf der Lösungsseite\n"
            "  --svg VERZEICHNIS       dazu je Aufgabe mit Dreieck ihre Figur als SVG-Datei\n"
            "                          (aufgabe-001.svg, ...)\n"
            "  --erzeuge ANZAHL        ANZAHL Aufgaben erzeugen (1 bis 1000)\n"
            "  --typen LISTE           nur diese Typen, etwa SSW,WSW (Vorgabe: alle fünf)\n"
            "  --seed N                Startwert: gleicher Wert, gleiches Blatt (mit\n"
            "                          --erzeuge oder --gruppen)\n"
            "  --gruppen N             N Fassungen (2 bis 6) mit gleichen Typen und anderen\n"
            "                          Zahlen, überschrieben mit \"Gruppe A\", \"Gruppe B\", ...;\n"
            "                          auch für Aufgaben aus Dateien: Gruppe A sind sie\n"
            "                          selbst, die anderen haben je Aufgabe eine neue des\n"
            "                          gleichen Typs mit gleich vielen Lösungen\n"
            "  --stufe 1|2|3           1: Seiten ganze Zahlen von 1 bis 20, auch berechnete\n"
            "                          Seiten mindestens 1, alle Winkel spitz (unter 89,5°),\n"
            "                          kein SSW; 2: Seiten von 1 bis 20 mit höchstens einer\n"
            "                          Dezimale, gegebene Winkel von 10° bis 89°, SSW mit\n"
            "                          einer oder zwei Lösungen; 3 (Vorgabe): dazu SSW ohne\n"
            "                          Lösung und gegebene Winkel bis 150°. Auf jeder Stufe\n"
            "                          hat jedes Dreieck nur Winkel ab 10°\n"
            "  --nur-loesbar           keine SSW-Aufgaben ohne Lösung\n") +
        Situationen(true, "--sachaufgaben          Sachaufgaben statt bloßer Dreiecke:",
                    "reihum, mit eigener Skizze und Lösung in Worten der Situation") +
        "  --gemischt              mit --sachaufgaben: abwechselnd eine Sachaufgabe und\n"
        "                          ein bloßes Dreieck (dessen Typen wählt --typen;\n"
        "                          --einheit, --skizze und --nur-loesbar gelten nur\n"
        "                          für die bloßen Dreiecke, ohne --gemischt gar nicht)\n" +
        Situationen(false, "--situationen LISTE     nur diese Situationen, etwa turm,kraefte (",
                    ")") +
        "  --help                  diese Hilfe\n"
        "  --version               die Version\n"
        "\n"
        "Blatt, SVG-Dateien und Quiz erscheinen erst, wenn alle fertig sind; \"-o -\"\n"
        "schreibt das PDF auf die Standardausgabe. Eine vorhandene Ausgabedatei muss eine\n"
        "gewöhnliche Datei sein. Jede Ausgabe braucht ein eigenes Ziel, und jede Option\n"
        "mit Wert gilt nur einmal; sonst entsteht nichts (Rückgabewert 2). Auch auf die\n"
        "Standardausgabe kommt erst etwas, wenn alles gelungen ist. Ein langes Blatt\n"
        "meldet seinen Fortschritt auf der Standardfehlerausgabe, aber nur, wenn diese\n"
        "ein Terminal ist (und ohne --leise).\n"
        "\n"
        "Mit --auswertung liest das Programm die Ergebnisdateien, die Schülerinnen und\n"
        "Schüler auf der Übungsseite mit \"Ergebnis speichern\" sichern, und macht daraus\n"
        "die Tabelle der Klasse (CSV mit Semikolons für eine Tabellenkalkulation; ohne\n"
        "--csv auf die Standardausgabe) und mit -o eine Übersicht auf einer PDF-Seite:\n"
        "Punkte je Schüler und Aufgabe, dazu je Aufgabe der Anteil der Punkte der Klasse.\n"
        "Eine beschädigte oder fremde Datei wird mit Grund genannt und nicht gezählt\n"
        "(Rückgabewert 1). Achtung: Eine Ergebnisdatei ist gewöhnlicher Text und lässt\n"
        "sich von den Schülern bearbeiten. Ihre Prüfsumme zeigt nur versehentliche\n"
        "Schäden, keine Änderungen; sie ist kein Beleg.\n"
        "\n"
        "Rückgabewert (dieselben wie bei kalotri-rechne):\n"
        "  0  fertig\n"
        "  1  Aufgaben ohne Lösung (kein Blatt; mit --trotzdem das Blatt mit allen)\n"
        "  2  falsche Optionen oder keine Aufgaben (kein Blatt)\n"
        "  3  eine Datei oder die Eingabe ließ sich nicht lesen (kein Blatt)\n"
        "  4  Fehler beim Schreiben, auch eine vorzeitig geschlossene Pipe (kein Blatt,\n"
        "     keine SVG-Dateien, kein Quiz)\n"
        "  5  zu wenig Speicher (kein Blatt)\n";
    return text.c_str();
}

} // namespace kalotri::blatt
