// SPDX-License-Identifier: GPL-3.0-or-later
// kalotri-blatt: a printable worksheet of triangle exercises with worked solutions and
// figures to scale, written as a PDF.

#include "arbeitsblatt.h"
#include "blattpdf.h"
#include "moodlequiz.h"
#include "optionen.h"
#include "quelle.h"
#include "satzdatei.h"
#include "svgausgabe.h"

#include "ausgabesatz.h"
#include "dezimalen.h"
#include "erzeuge.h"
#include "kalotri_version.h"
#include "kommandozeile.h"
#include "sichtbar.h"

#include <QGuiApplication>
#include <QPdfWriter>

#include <chrono>
#include <iostream>
#include <new>

namespace {

using namespace kalotri;

// Sheets longer than this report their progress.
constexpr int StillBisSeiten = 4;

// Qt's remarks about the platform (no runtime directory and the like) are no concern of
// the sheet's user; real failures still get through.
void Meldungen(QtMsgType typ, const QMessageLogContext&, const QString& text) {
    if (typ == QtCriticalMsg || typ == QtFatalMsg) {
        std::cerr << text.toStdString() << "\n";
    }
}

int Abbruch(const std::string& text, Rueckgabe rueckgabe) {
    Melde("kalotri-blatt", text);
    return rueckgabe;
}

blatt::Aufgabenliste Erzeugt(const blatt::Optionen& o) {
    std::uint64_t seed = 0;
    if (o.Seed) {
        seed = *o.Seed;
    } else {
        // A new sheet each time; the seed is told so that it can be made again.
        seed = static_cast<std::uint64_t>(
                   std::chrono::system_clock::now().time_since_epoch().count()) %
               1000000;
        std::cerr << "kalotri-blatt: Seed " << seed << " (mit --seed " << seed
                  << " entsteht dasselbe Blatt)\n";
    }
    Erzeugungsregeln regeln;
    regeln.Stufe = o.Stufe.value_or(3);
    regeln.NurLoesbar = o.NurLoesbar;
    regeln.Fassungen = o.Gruppen;
    std::vector<std::vector<Eingabe>> fassungen;
    for (const auto& fassung : ErzeugeFassungen(*o.Erzeuge, o.Typen, seed, regeln)) {
        std::vector<Eingabe>& felder = fassungen.emplace_back();
        for (const ErzeugteAufgabe& a : fassung) {
            felder.push_back(a.Felder);
        }
    }
    if (fassungen.front().size() < static_cast<std::size_t>(*o.Erzeuge)) {
        std::cerr << "kalotri-blatt: nur " << fassungen.front().size()
                  << " verschiedene Aufgaben dieser Typen gefunden\n";
    }
    return blatt::AusErzeugten(fassungen);
}

blatt::Blattkopf Kopf(const blatt::Optionen& o) {
    blatt::Blattkopf kopf;
    kopf.Titel = o.Titel;
    kopf.Schule = o.Schule;
    kopf.Klasse = o.Klasse;
    kopf.Datum = o.Datum;
    kopf.MitLoesungen = !o.OhneLoesungen;
    kopf.Schluessel = o.Schluessel;
    kopf.Skizze = o.Skizze;
    kopf.PlatzCm = o.PlatzCm;
    kopf.Form = o.Loesung;
    return kopf;
}

// One line per exercise that cannot be solved: where it is, what it says (the start of a
// long line is enough to find it), and why.
void MeldeProblem(const blatt::Aufgabenliste& liste, const blatt::Quellzeile& zeile,
                  const std::string& grund) {
    constexpr std::size_t Zitat = 80;
    std::string text = blatt::Fundstelle(liste, zeile) + ": \"";
    text += KuerzeText(zeile.Text, Zitat);
    if (zeile.Text.size() <= Zitat && (zeile.ZuLang || zeile.Felder > 12)) {
        text += "…";
    }
    Melde("kalotri-blatt", text + "\": " + grund);
}

// The figures as SVG files; with groups, each group in a folder of its own.
std::optional<std::string> Svgs(const std::string& verzeichnis,
                                const blatt::Arbeitsblatt& arbeitsblatt,
                                const blatt::Darstellung& darstellung, Ausgabesatz& satz) {
    for (std::size_t g = 0; g < arbeitsblatt.Gruppen(); ++g) {
        std::vector<blatt::BlattAufgabe> aufgaben;
        for (const blatt::GeloesteAufgabe& geloest : arbeitsblatt.Gruppe(g)) {
            aufgaben.push_back(geloest.IstAufgabe ? blatt::Bearbeite(geloest, darstellung)
                                                  : blatt::BlattAufgabe{});
        }
        const std::string ziel =
            arbeitsblatt.Gruppen() > 1
                ? verzeichnis + "/gruppe-" + static_cast<char>('a' + static_cast<int>(g))
                : verzeichnis;
        if (auto fehler = blatt::SchreibeSvgs(ziel, aufgaben, satz)) {
            return fehler;
        }
    }
    return std::nullopt;
}

} // namespace

int Hauptprogramm(int argc, char** argv) {
    // Nothing here needs a window, so no display either (not even a stale DISPLAY from an
    // SSH session); fonts come from fontconfig all the same. An explicit choice stands.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(Meldungen);
    QGuiApplication app(argc, argv);

    const blatt::OptionenErgebnis optionen =
        blatt::LiesOptionen(std::vector<std::string>(argv + 1, argv + argc));
    if (optionen.Fehler) {
        std::cerr << OptionsFehlerMeldung("kalotri-blatt", *optionen.Fehler);
        return FalscheOption;
    }
    const blatt::Optionen& o = optionen.Werte;
    if (o.Hilfe) {
        std::cout << blatt::Hilfetext();
        return 0;
    }
    if (o.Version) {
        std::cout << "kalotri-blatt " << KALOTRI_VERSION << "\n";
        return 0;
    }

    blatt::Darstellung darstellung;
    if (const auto fehler = DezimalenFehler(o.DezimalenText)) {
        std::cerr << OptionsFehlerMeldung("kalotri-blatt", *fehler);
        return FalscheOption;
    }
    darstellung.Stellen = *Dezimalen::Lies(o.DezimalenText);
    darstellung.Format.Maske = darstellung.Stellen.Maske();
    darstellung.Format.Trennzeichen = o.Trennzeichen;
    darstellung.Einheit = o.Einheit;
    darstellung.Mehr = o.Mehr;
    darstellung.Form = o.Loesung;

    blatt::Aufgabenliste liste;
    if (o.Erzeuge) {
        liste = Erzeugt(o);
    } else {
        liste = blatt::LiesAufgaben(o.Dateien);
        if (liste.Fehler) {
            return Abbruch(*liste.Fehler, Lesefehler);
        }
    }
    if (liste.Gruppen.front().empty()) {
        Melde("kalotri-blatt", "keine Aufgaben, kein Blatt");
        return FalscheOption;
    }

    // Every exercise is worked out, and the sheet laid out, before anything is written:
    // a typo must not reach the pupils.
    const blatt::Blattkopf kopf = Kopf(o);
    const blatt::Arbeitsblatt arbeitsblatt(liste);
    int ohneLoesung = 0;
    const blatt::Vorlauf vorlauf =
        blatt::VermesseBlatt(arbeitsblatt, darstellung, kopf,
                             [&](const blatt::Quellzeile& zeile, const std::string& grund) {
                                 MeldeProblem(liste, zeile, grund);
                                 ++ohneLoesung;
                             });
    const int rueckgabe = ohneLoesung > 0 ? FalscheZeile : Fertig;
    if (ohneLoesung > 0 && !o.Trotzdem) {
        std::cerr << "kalotri-blatt: " << ohneLoesung
                  << (ohneLoesung == 1 ? " Aufgabe" : " Aufgaben")
                  << " ohne Lösung, kein Blatt (mit --trotzdem entsteht es doch)\n";
        return rueckgabe;
    }

    // The quiz is made whole before the output set is begun.
    std::string quiz;
    if (o.Moodle) {
        blatt::Quizbilanz bilanz;
        const std::string titel = o.Titel == blatt::Optionen().Titel ? "Kalotri" : o.Titel;
        quiz = blatt::MoodleQuizAus(arbeitsblatt, darstellung, titel, o.Toleranz, bilanz);
        if (bilanz.Ausgelassen > 0) {
            Melde("kalotri-blatt", std::to_string(bilanz.Ausgelassen) +
                                       (bilanz.Ausgelassen == 1 ? " Aufgabe" : " Aufgaben") +
                                       " ohne Lösung nicht im Quiz");
        }
        if (bilanz.MehrStellen > 0) {
            Melde("kalotri-blatt",
                  std::to_string(bilanz.MehrStellen) +
                      (bilanz.MehrStellen == 1 ? " Frage" : " Fragen") +
                      " im Quiz mit mehr Nachkommastellen als --dezimalen: sonst ginge ein "
                      "Fehler von 1 % als richtig durch");
        }
    }

    // The sheet, its figures and the quiz appear together, once all of them are complete.
    Ausgabesatz satz;
    std::optional<std::string> fehler;
    if (!o.Ausgabe.empty()) {
        fehler = blatt::SchreibeInSatz(satz, o.Ausgabe, [&](QIODevice& datei) {
            QPdfWriter pdf(&datei);
            const auto fortschritt = [](int seite, int seiten) {
                if (seiten > StillBisSeiten && (seite % 10 == 0 || seite == seiten)) {
                    std::cerr << "kalotri-blatt: Seite " << seite << " von " << seiten << "\n";
                }
            };
            blatt::SchreibeBlatt(pdf, arbeitsblatt, darstellung, kopf, vorlauf, fortschritt);
        });
    }
    if (!fehler && o.Moodle) {
        fehler = blatt::SchreibeInSatz(satz, *o.Moodle, [&](QIODevice& datei) {
            datei.write(quiz.data(), static_cast<qint64>(quiz.size()));
        });
    }
    if (!fehler && o.SvgVerzeichnis) {
        fehler = Svgs(*o.SvgVerzeichnis, arbeitsblatt, darstellung, satz);
    }
    if (!fehler) {
        fehler = satz.Uebernimm();
    }
    if (fehler) {
        return Abbruch(*fehler, Schreibfehler);
    }
    return rueckgabe;
}

int main(int argc, char** argv) {
    try {
        return Hauptprogramm(argc, argv);
    } catch (const std::bad_alloc&) {
        // Anything half written is removed as the output set unwinds.
        Melde("kalotri-blatt", "Zu wenig Speicher.");
        return ZuWenigSpeicher;
    }
}
