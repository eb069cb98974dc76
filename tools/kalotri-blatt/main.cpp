// SPDX-License-Identifier: GPL-3.0-or-later
// kalotri-blatt: a printable worksheet of triangle exercises with worked solutions and
// figures to scale, written as a PDF.

#include "arbeitsblatt.h"
#include "aufgabenwahl.h"
#include "auswertung.h"
#include "blattpdf.h"
#include "eigenefassungen.h"
#include "moodlequiz.h"
#include "optionen.h"
#include "problembericht.h"
#include "qtiausgabe.h"
#include "quelle.h"
#include "satzdatei.h"
#include "svgausgabe.h"

#include "ausgabesatz.h"
#include "dezimalen.h"
#include "kalotri_version.h"
#include "kommandozeile.h"
#include "sichtbar.h"

#include <QGuiApplication>

#include <algorithm>
#include <csignal>
#include <functional>
#include <iostream>
#include <new>
#include <stdexcept>
#include <unistd.h>

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

blatt::Blattkopf Kopf(const blatt::Optionen& o) {
    blatt::Blattkopf kopf;
    kopf.Titel = o.Titel;
    kopf.Schule = o.Schule;
    kopf.Klasse = o.Klasse;
    kopf.Datum = o.Datum;
    kopf.MitLoesungen = !o.OhneLoesungen;
    kopf.Schluessel = o.Schluessel;
    kopf.Punkte = o.Punkte;
    kopf.Skizze = o.Skizze;
    kopf.PlatzCm = o.PlatzCm;
    kopf.Form = o.Loesung;
    return kopf;
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
    // A reader that closes the pipe early makes a write error (exit code 4, with a
    // message), not a silent death halfway.
    std::signal(SIGPIPE, SIG_IGN);
    QGuiApplication app(argc, argv);

    // The class's results files are a mode of their own, with options of their own.
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    if (std::find(argumente.begin(), argumente.end(), "--auswertung") != argumente.end()) {
        return blatt::Auswertung(argumente);
    }
    const blatt::OptionenErgebnis optionen = blatt::LiesOptionen(argumente);
    if (optionen.Fehler) {
        std::cerr << OptionsFehlerMeldung("kalotri-blatt", *optionen.Fehler);
        return FalscheOption;
    }
    for (const std::string& warnung : optionen.Warnungen) {
        Melde("kalotri-blatt", warnung);
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
        liste = Erzeugt(o, darstellung.Format);
    } else {
        liste = blatt::LiesAufgaben(o.Dateien);
        if (liste.Fehler) {
            return Abbruch(*liste.Fehler, Lesefehler);
        }
        if (o.Gruppen > 1 && !liste.Gruppen.front().empty()) {
            blatt::HaengeFassungenAn(liste, o.Gruppen, Seed(o));
        }
    }
    if (liste.Gruppen.front().empty()) {
        Melde("kalotri-blatt", "keine Aufgaben, kein Blatt");
        return FalscheOption;
    }

    // Every exercise is worked out, and the sheet laid out, before anything is written:
    // a typo must not reach the pupils.
    const blatt::Blattkopf kopf = Kopf(o);
    int ohneLoesung = 0;
    const auto problem = [&](const blatt::Quellzeile& zeile, const std::string& grund) {
        blatt::MeldeProblem(liste, zeile, grund);
        ++ohneLoesung;
    };
    std::optional<blatt::Arbeitsblatt> arbeitsblatt;
    std::optional<blatt::Vorlauf> vorlauf;
    // A quiz alone keeps no worked sheet: each exercise is worked out as its question is
    // written and checked there, so that the memory stays that of one exercise however
    // many there are; the quiz goes into the output set, which drops it if one fails. Two
    // quizzes share one worked sheet rather than work out and report each exercise twice.
    const bool nurQuiz = o.Ausgabe.empty() && !o.SvgVerzeichnis && !(o.Moodle && o.Qti);
    if (!nurQuiz) {
        arbeitsblatt.emplace(liste);
        vorlauf = blatt::VermesseBlatt(*arbeitsblatt, darstellung, kopf, problem);
    }
    const auto keinBlatt = [&] {
        std::cerr << "kalotri-blatt: " << ohneLoesung
                  << (ohneLoesung == 1 ? " Aufgabe" : " Aufgaben")
                  << " ohne Lösung, kein Blatt (mit --trotzdem entsteht es doch)\n";
        return FalscheZeile;
    };
    if (ohneLoesung > 0 && !o.Trotzdem) {
        return keinBlatt();
    }

    // The sheet, its figures and the quiz appear together, once all of them are complete.
    Ausgabesatz satz;
    std::optional<std::string> fehler;
    if (!o.Ausgabe.empty()) {
        std::optional<std::string> satzfehler;
        fehler = blatt::SchreibeInSatz(satz, o.Ausgabe, [&](QIODevice& datei) {
            // Only for someone watching: in a log or a pipe it would read as a complaint.
            const bool zeigen = !o.Leise && ::isatty(STDERR_FILENO) == 1;
            const auto fortschritt = [zeigen](int seite, int seiten) {
                if (zeigen && seiten > StillBisSeiten && (seite % 10 == 0 || seite == seiten)) {
                    std::cerr << "kalotri-blatt: Seite " << seite << " von " << seiten << "\n";
                }
            };
            try {
                blatt::SchreibeBlatt(datei, *arbeitsblatt, darstellung, kopf, *vorlauf,
                                     fortschritt);
            } catch (const std::runtime_error& e) {
                satzfehler = std::string("Das Blatt ließ sich nicht setzen: ") + e.what();
            }
        });
        fehler = fehler ? fehler : satzfehler;
    }
    blatt::Quizbilanz bilanz;
    int unschreibbar = 0;
    const std::string titel = o.Titel == blatt::Optionen().Titel ? "Kalotri" : o.Titel;
    const auto folge = [&](std::size_t g,
                           const std::function<void(const blatt::GeloesteAufgabe&)>& tun) {
        if (arbeitsblatt) {
            std::for_each(arbeitsblatt->Gruppe(g).begin(), arbeitsblatt->Gruppe(g).end(), tun);
        } else {
            blatt::LoeseJede(liste.Gruppen[g], [&](const blatt::GeloesteAufgabe& a, int) {
                if (const auto grund = blatt::Bearbeite(a, darstellung).Problem) {
                    problem(*a.Zeile, *grund);
                }
                tun(a);
            });
        }
    };
    const auto melde = [&](const blatt::Quellzeile& zeile, const std::string& grund) {
        blatt::MeldeProblem(liste, zeile, grund);
        ++unschreibbar;
    };
    if (!fehler && o.Moodle) {
        // Question by question into the file: the memory stays that of one question.
        fehler = blatt::SchreibeInSatz(satz, *o.Moodle, [&](QIODevice& datei) {
            blatt::SchreibeMoodleQuiz(liste.Gruppen.size(), folge, darstellung, titel, o.Toleranz,
                                      bilanz, melde, [&datei](std::string_view text) {
                                          datei.write(text.data(),
                                                      static_cast<qint64>(text.size()));
                                      });
        });
    }
    if (!fehler && o.Qti) {
        // The same questions: counted and told once, with the Moodle quiz if there is one.
        blatt::Quizbilanz nochmal;
        fehler = blatt::SchreibeQti(satz, *o.Qti, liste.Gruppen.size(), folge, darstellung, titel,
                                    o.Toleranz, o.Moodle ? nochmal : bilanz,
                                    o.Moodle ? blatt::Quizmelder([](auto&&...) {}) : melde);
    }
    if (!fehler && ohneLoesung > 0 && !o.Trotzdem) {
        return keinBlatt(); // found while the quiz alone was written; the set unwinds
    }
    if (!fehler && unschreibbar > 0 && !o.Trotzdem) {
        // As with any exercise without a solution: nothing is made (the set unwinds).
        std::cerr << "kalotri-blatt: " << unschreibbar
                  << (unschreibbar == 1 ? " Aufgabe" : " Aufgaben")
                  << " ohne Quizfrage, kein Blatt (mit --trotzdem entsteht es doch)\n";
        return FalscheZeile;
    }
    if (const int ohne = bilanz.Ausgelassen - unschreibbar; ohne > 0) {
        Melde("kalotri-blatt", std::to_string(ohne) + (ohne == 1 ? " Aufgabe" : " Aufgaben") +
                                   " ohne Lösung nicht im Quiz");
    }
    if (bilanz.MehrStellen > 0) {
        Melde("kalotri-blatt", std::to_string(bilanz.MehrStellen) +
                                   (bilanz.MehrStellen == 1 ? " Frage" : " Fragen") +
                                   " im Quiz mit mehr Nachkommastellen als --dezimalen: sonst "
                                   "ginge ein Fehler von 1 % als richtig durch");
    }
    if (!fehler && o.SvgVerzeichnis) {
        fehler = Svgs(*o.SvgVerzeichnis, *arbeitsblatt, darstellung, satz);
    }
    if (!fehler) {
        fehler = satz.Uebernimm();
    }
    if (fehler) {
        return Abbruch(*fehler, Schreibfehler);
    }
    return unschreibbar > 0 || ohneLoesung > 0 ? FalscheZeile : Fertig;
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
