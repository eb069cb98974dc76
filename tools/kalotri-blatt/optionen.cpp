// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionen.h"

#include "sachaufgabe.h"

#include "kommandozeile.h"
#include "sichtbar.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace kalotri::blatt {

namespace {

// The largest sheet: some 250 pages of solutions, far beyond any class.
constexpr int HoechsteAnzahl = 1000;
constexpr int HoechsteGruppen = 6;
constexpr int HoechsterPlatz = 24; // cm, a page's height less its header

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

std::optional<std::string> LiesSituationen(const std::string& text,
                                           std::vector<Situation>& situationen) {
    std::string_view rest = text;
    while (true) {
        const auto komma = rest.find(',');
        const std::string_view teil = rest.substr(0, komma);
        const auto s = SituationAusKennung(teil);
        if (!s) {
            return "Unbekannte Situation: \"" + std::string(teil) +
                   "\" (erlaubt: " + SituationsKennungen() + ")";
        }
        situationen.push_back(*s);
        if (komma == std::string_view::npos) {
            return std::nullopt;
        }
        rest.remove_prefix(komma + 1);
    }
}

std::optional<std::string> LiesLoesungsform(const std::string& text, Loesungsform& form) {
    if (text == "rechenweg") {
        form = Loesungsform::Rechenweg;
    } else if (text == "script") {
        form = Loesungsform::Script;
    } else if (text == "schluessel") {
        form = Loesungsform::Schluessel;
    } else {
        std::string zitat;
        HaengeSichtbarAn(zitat, text);
        return "Unbekannte Lösungsform: \"" + zitat + "\" (erlaubt: rechenweg, script, schluessel)";
    }
    return std::nullopt;
}

// The header's texts: a page holds only so much, and a text of megabytes must not cost
// megabytes of layout, so they are cut here already.
bool KopfOption(const std::vector<std::string>& argumente, std::size_t& i, OptionenErgebnis& e) {
    Optionen& o = e.Werte;
    std::optional<std::string> w;
    std::string* ziel = nullptr;
    if (NimmWert(argumente, i, "--titel", w, e.Fehler)) {
        ziel = &o.Titel;
    } else if (NimmWert(argumente, i, "--schule", w, e.Fehler)) {
        ziel = &o.Schule;
    } else if (NimmWert(argumente, i, "--klasse", w, e.Fehler)) {
        ziel = &o.Klasse;
    } else if (NimmWert(argumente, i, "--datum", w, e.Fehler)) {
        ziel = &o.Datum;
    } else {
        return false;
    }
    *ziel = KuerzeText(w.value_or(""), KopftextMax);
    return true;
}

// The quiz for the learning platform.
bool MoodleOption(const std::vector<std::string>& argumente, std::size_t& i, OptionenErgebnis& e) {
    Optionen& o = e.Werte;
    std::optional<std::string> w;
    if (NimmWert(argumente, i, "--moodle", w, e.Fehler)) {
        o.Moodle = w;
        if (w && w->empty()) {
            e.Fehler = "--moodle braucht einen Dateinamen";
        }
    } else if (NimmWert(argumente, i, "--qti", w, e.Fehler)) {
        o.Qti = w;
        if (w && w->empty()) {
            e.Fehler = "--qti braucht einen Dateinamen";
        }
    } else if (NimmWert(argumente, i, "--toleranz", w, e.Fehler)) {
        o.Toleranz = w ? LiesZahl<double>(*w) : std::nullopt;
        if (w && (!o.Toleranz || !(*o.Toleranz > 0) || !std::isfinite(*o.Toleranz))) {
            e.Fehler = "--toleranz braucht eine Zahl größer als 0, etwa 0.01";
        }
    } else {
        return false;
    }
    return true;
}

// One option with a value; false if arg is none of them.
bool WertOption(const std::vector<std::string>& argumente, std::size_t& i, OptionenErgebnis& e) {
    Optionen& o = e.Werte;
    std::optional<std::string> w;
    if (NimmWert(argumente, i, "-o", w, e.Fehler) ||
        NimmWert(argumente, i, "--ausgabe", w, e.Fehler)) {
        o.Ausgabe = w.value_or("");
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
    } else if (NimmWert(argumente, i, "--situationen", w, e.Fehler)) {
        if (w) {
            e.Fehler = LiesSituationen(*w, o.Situationen);
        }
    } else if (NimmWert(argumente, i, "--gruppen", w, e.Fehler)) {
        const auto n = w ? LiesZahl<int>(*w) : std::nullopt;
        o.Gruppen = n.value_or(1);
        if (w && (!n || *n < 2 || *n > HoechsteGruppen)) {
            e.Fehler = "--gruppen braucht eine Anzahl von 2 bis " + std::to_string(HoechsteGruppen);
        }
    } else if (NimmWert(argumente, i, "--stufe", w, e.Fehler)) {
        o.Stufe = w ? LiesZahl<int>(*w) : std::nullopt;
        if (w && (!o.Stufe || *o.Stufe < 1 || *o.Stufe > 3)) {
            e.Fehler = "--stufe braucht 1, 2 oder 3";
        }
    } else if (NimmWert(argumente, i, "--loesung", w, e.Fehler)) {
        if (w) {
            e.Fehler = LiesLoesungsform(*w, o.Loesung);
        }
    } else if (NimmWert(argumente, i, "--platz", w, e.Fehler)) {
        const auto cm = w ? LiesZahl<int>(*w) : std::nullopt;
        o.PlatzCm = cm.value_or(0);
        if (w && (!cm || *cm < 1 || *cm > HoechsterPlatz)) {
            e.Fehler = "--platz braucht Zentimeter von 1 bis " + std::to_string(HoechsterPlatz);
        }
    } else if (KopfOption(argumente, i, e)) {
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
        const std::string name = OptionsName(arg) == "--ausgabe" ? "-o" : OptionsName(arg);
        if (arg == "--help" || arg == "-h") {
            o.Hilfe = true;
        } else if (arg == "--version") {
            o.Version = true;
        } else if (arg == "--mehr") {
            o.Mehr = true;
        } else if (arg == "--ohne-loesungen") {
            o.OhneLoesungen = true;
        } else if (arg == "--trotzdem") {
            o.Trotzdem = true;
        } else if (arg == "--leise") {
            o.Leise = true;
        } else if (arg == "--schluessel") {
            o.Schluessel = true;
        } else if (arg == "--punkte") {
            o.Punkte = true;
        } else if (arg == "--skizze") {
            o.Skizze = true;
        } else if (arg == "--nur-loesbar") {
            o.NurLoesbar = true;
        } else if (arg == "--sachaufgaben") {
            o.Sachaufgaben = true;
        } else if (arg == "--gemischt") {
            o.Gemischt = true;
        } else if (WertOption(argumente, i, e) || MoodleOption(argumente, i, e)) {
            if (!e.Fehler) {
                e.Fehler = MerkeOption(o.Gegeben, name, true);
            }
            continue;
        } else if (arg.size() > 1 && arg[0] == '-') {
            e.Fehler = UnbekannteOption(arg);
        } else {
            o.Dateien.push_back(arg);
        }
        if (arg.size() > 1 && arg[0] == '-' && !e.Fehler) {
            MerkeOption(o.Gegeben, name, false);
        }
    }
    if (e.Fehler || o.Hilfe || o.Version) {
        return e;
    }
    PruefeZusammenspiel(e);
    if (e.Fehler) {
        return e;
    }
    if (o.Toleranz && !o.Moodle && !o.Qti) {
        e.Fehler = "--toleranz gilt nur mit --moodle oder --qti";
    } else if (auto dezimalen = DezimalenFehler(o.DezimalenText)) {
        e.Fehler = std::move(dezimalen);
    } else if (auto toleranz = o.Toleranz
                                   ? ToleranzFehler(*o.Toleranz, *Dezimalen::Lies(o.DezimalenText))
                                   : std::nullopt) {
        e.Fehler = std::move(toleranz);
    } else if (o.Erzeuge && !o.Dateien.empty()) {
        e.Fehler = "Aufgabendateien und --erzeuge schließen einander aus";
    } else if (!o.Erzeuge && (!o.Typen.empty() || o.Stufe || o.NurLoesbar)) {
        e.Fehler = "--typen, --stufe und --nur-loesbar gelten nur mit --erzeuge";
    } else if (!o.Erzeuge && o.Seed && o.Gruppen < 2) {
        e.Fehler = "--seed gilt nur mit --erzeuge oder --gruppen";
    } else if (o.Stufe && *o.Stufe == 1 &&
               std::find(o.Typen.begin(), o.Typen.end(), Aufgabentyp::SSW) != o.Typen.end()) {
        e.Fehler = "SSW-Aufgaben gibt es erst ab --stufe 2";
    } else if ((o.Gemischt || !o.Situationen.empty()) && !o.Sachaufgaben) {
        e.Fehler = "--gemischt und --situationen gelten nur mit --sachaufgaben";
    } else if (o.Sachaufgaben && !o.Erzeuge) {
        e.Fehler = "--sachaufgaben gilt nur mit --erzeuge";
    } else if (o.Sachaufgaben && !o.Gemischt && !o.Typen.empty()) {
        e.Fehler = "--typen gilt mit --sachaufgaben nur zusammen mit --gemischt";
    }
    return e;
}

} // namespace kalotri::blatt
