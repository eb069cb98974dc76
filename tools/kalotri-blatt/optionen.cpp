// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionen.h"

#include "kommandozeile.h"

#include <charconv>
#include <string_view>

namespace kalotri::blatt {

namespace {

// The largest sheet: some 250 pages of solutions, far beyond any class.
constexpr int HoechsteAnzahl = 1000;

template <typename Zahl> std::optional<Zahl> LiesZahl(const std::string& text) {
    Zahl z{};
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), z);
    if (fehler != std::errc() || ende != text.data() + text.size()) {
        return std::nullopt;
    }
    return z;
}

std::optional<std::string> LiesTypen(const std::string& text, std::vector<Aufgabentyp>& typen) {
    std::string_view rest = text;
    while (true) {
        const auto komma = rest.find(',');
        const std::string_view teil = rest.substr(0, komma);
        const auto typ = TypAusText(teil);
        if (!typ) {
            return "Unbekannter Aufgabentyp: \"" + std::string(teil) +
                   "\" (erlaubt: SSS, SWS, SSW, WSW, SWW)";
        }
        typen.push_back(*typ);
        if (komma == std::string_view::npos) {
            return std::nullopt;
        }
        rest.remove_prefix(komma + 1);
    }
}

// One option with a value; false if arg is none of them.
bool WertOption(const std::vector<std::string>& argumente, std::size_t& i, OptionenErgebnis& e) {
    Optionen& o = e.Werte;
    std::optional<std::string> w;
    if (NimmWert(argumente, i, "-o", w, e.Fehler) ||
        NimmWert(argumente, i, "--ausgabe", w, e.Fehler)) {
        o.Ausgabe = w.value_or("");
    } else if (NimmWert(argumente, i, "--titel", w, e.Fehler)) {
        o.Titel = w.value_or("");
    } else if (NimmWert(argumente, i, "--dezimalen", w, e.Fehler)) {
        o.DezimalenText = w.value_or("");
    } else if (NimmWert(argumente, i, "--trennzeichen", w, e.Fehler)) {
        o.Trennzeichen = w.value_or("");
        if (w) {
            e.Fehler = TrennzeichenFehler(*w);
        }
    } else if (NimmWert(argumente, i, "--einheit", w, e.Fehler)) {
        o.Einheit = w.value_or("");
    } else if (NimmWert(argumente, i, "--svg", w, e.Fehler)) {
        o.SvgVerzeichnis = w;
    } else if (NimmWert(argumente, i, "--erzeuge", w, e.Fehler)) {
        o.Erzeuge = w ? LiesZahl<int>(*w) : std::nullopt;
        if (w && (!o.Erzeuge || *o.Erzeuge < 1 || *o.Erzeuge > HoechsteAnzahl)) {
            e.Fehler = "--erzeuge braucht eine Anzahl von 1 bis " + std::to_string(HoechsteAnzahl);
        }
    } else if (NimmWert(argumente, i, "--typen", w, e.Fehler)) {
        if (w) {
            e.Fehler = LiesTypen(*w, o.Typen);
        }
    } else if (NimmWert(argumente, i, "--seed", w, e.Fehler)) {
        o.Seed = w ? LiesZahl<std::uint64_t>(*w) : std::nullopt;
        if (w && !o.Seed) {
            e.Fehler = "--seed braucht eine ganze Zahl ab 0";
        }
    } else {
        return false;
    }
    return true;
}

} // namespace

OptionenErgebnis LiesOptionen(const std::vector<std::string>& argumente) {
    OptionenErgebnis e;
    Optionen& o = e.Werte;
    for (std::size_t i = 0; i < argumente.size() && !e.Fehler; ++i) {
        const std::string& arg = argumente[i];
        if (arg == "--help" || arg == "-h") {
            o.Hilfe = true;
        } else if (arg == "--version") {
            o.Version = true;
        } else if (arg == "--mehr") {
            o.Mehr = true;
        } else if (arg == "--ohne-loesungen") {
            o.OhneLoesungen = true;
        } else if (WertOption(argumente, i, e)) {
        } else if (arg.size() > 1 && arg[0] == '-') {
            e.Fehler = UnbekannteOption(arg);
        } else {
            o.Dateien.push_back(arg);
        }
    }
    if (e.Fehler || o.Hilfe || o.Version) {
        return e;
    }
    if (o.Ausgabe.empty()) {
        e.Fehler = "Die Ausgabedatei fehlt (-o DATEI.pdf)";
    } else if (o.Erzeuge && !o.Dateien.empty()) {
        e.Fehler = "Aufgabendateien und --erzeuge schließen einander aus";
    } else if (!o.Erzeuge && (!o.Typen.empty() || o.Seed)) {
        e.Fehler = "--typen und --seed gelten nur mit --erzeuge";
    }
    return e;
}

const char* Hilfetext() {
    return "Aufruf: kalotri-blatt [OPTIONEN] -o BLATT.pdf [DATEI ...]\n"
           "       kalotri-blatt [OPTIONEN] -o BLATT.pdf --erzeuge ANZAHL [--typen LISTE]\n"
           "                     [--seed N]\n"
           "\n"
           "Macht ein Arbeitsblatt (PDF, A4): erst die Aufgaben, dann die Lösungen mit dem\n"
           "Rechenweg, wie ihn Kalotri ins Script schreibt, und einer maßstäblichen Figur\n"
           "jedes Dreiecks.\n"
           "\n"
           "Aufgaben: aus den Dateien (\"-\" oder keine: Standardeingabe), eine je Zeile im\n"
           "Format von kalotri-rechne: sechs Felder a, b, c, alpha, beta, gamma durch TAB\n"
           "getrennt, wahlweise gefolgt von den sechs Buchstaben. Leere Zeilen zählen nicht.\n"
           "Oder erzeugt mit --erzeuge.\n"
           "\n"
           "Optionen:\n"
           "  -o, --ausgabe DATEI     die PDF-Datei (nötig; \"-\": Standardausgabe)\n"
           "  --titel TEXT            Überschrift des Blatts\n"
           "  --dezimalen ANZAHL      Dezimalen wie im Dialog \"Optionen\", ab 0 (Vorgabe 3)\n"
           "  --trennzeichen ZEICHEN  Dezimaltrennzeichen (Vorgabe \",\")\n"
           "  --einheit TEXT          Einheit der Seitenlängen, etwa cm (Vorgabe: keine)\n"
           "  --mehr                  Umfang, Fläche, Höhen, Um- und Inkreisradius dazu\n"
           "  --ohne-loesungen        nur die Aufgabenseiten\n"
           "  --svg VERZEICHNIS       dazu je Aufgabe mit Dreieck ihre Figur als SVG-Datei\n"
           "                          (aufgabe-001.svg, ...)\n"
           "  --erzeuge ANZAHL        ANZAHL Aufgaben erzeugen (1 bis 1000)\n"
           "  --typen LISTE           nur diese Typen, etwa SSW,WSW (Vorgabe: alle fünf)\n"
           "  --seed N                Startwert: gleicher Wert, gleiches Blatt\n"
           "  --help                  diese Hilfe\n"
           "  --version               die Version\n"
           "\n"
           "Das Blatt und die SVG-Dateien erscheinen erst, wenn alle fertig sind; \"-o -\"\n"
           "schreibt das PDF auf die Standardausgabe. Eine vorhandene Ausgabedatei muss eine\n"
           "gewöhnliche Datei sein.\n"
           "\n"
           "Rückgabewert (dieselben wie bei kalotri-rechne):\n"
           "  0  fertig\n"
           "  1  Zeilen ließen sich nicht lesen (die übrigen Aufgaben stehen auf dem Blatt)\n"
           "  2  falsche Optionen oder keine Aufgaben (kein Blatt)\n"
           "  3  eine Datei oder die Eingabe ließ sich nicht lesen (kein Blatt)\n"
           "  4  Fehler beim Schreiben (kein Blatt, keine SVG-Dateien)\n"
           "  5  zu wenig Speicher (kein Blatt)\n";
}

} // namespace kalotri::blatt
