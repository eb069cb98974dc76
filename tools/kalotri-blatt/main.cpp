// SPDX-License-Identifier: GPL-3.0-or-later
// kalotri-blatt: a printable worksheet of triangle exercises with worked solutions and
// figures to scale, written as a PDF.

#include "blattaufgabe.h"
#include "blattpdf.h"
#include "moodlequiz.h"
#include "moodlexml.h"
#include "optionen.h"
#include "quelle.h"
#include "svgausgabe.h"

#include "erzeuge.h"
#include "kalotri_version.h"
#include "kommandozeile.h"
#include "rundformat.h"
#include "sichtbar.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>

#include <chrono>
#include <iostream>

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

int Abbruch(const std::string& text) {
    std::cerr << "kalotri-blatt: " << text << "\n";
    return 2;
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

// One line per exercise that cannot be solved: where it is, what it says, and why.
void MeldeProblem(const blatt::Aufgabenliste& liste, const blatt::Quellzeile& zeile,
                  const std::string& grund) {
    std::string text = "kalotri-blatt: ";
    HaengeSichtbarAn(text, blatt::Fundstelle(liste, zeile));
    text += ": \"";
    HaengeSichtbarAn(text, zeile.Text);
    text += zeile.ZuLang ? "...\": " : "\": ";
    HaengeSichtbarAn(text, grund);
    std::cerr << text << "\n";
}

// The figures as SVG files; with groups, each group in a folder of its own.
std::optional<std::string> Svgs(const std::string& verzeichnis, const blatt::Aufgabenliste& liste,
                                const blatt::Darstellung& darstellung) {
    for (std::size_t g = 0; g < liste.Gruppen.size(); ++g) {
        std::vector<blatt::BlattAufgabe> aufgaben;
        for (const blatt::Quellzeile& q : liste.Gruppen[g]) {
            const Aufgabenzeile zeile = blatt::Zerlege(q);
            const auto* eingabe = std::get_if<Eingabe>(&zeile);
            aufgaben.push_back(eingabe != nullptr ? blatt::Bearbeite(*eingabe, darstellung)
                                                  : blatt::BlattAufgabe{});
        }
        const std::string ziel =
            liste.Gruppen.size() > 1
                ? verzeichnis + "/gruppe-" + static_cast<char>('a' + static_cast<int>(g))
                : verzeichnis;
        if (auto fehler = blatt::SchreibeSvgs(ziel, aufgaben)) {
            return fehler;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
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
        return 2;
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
    const RundFormatErgebnis rundFormat = RundFormatAusText(o.DezimalenText);
    if (rundFormat.Fehler) {
        std::cerr << OptionsFehlerMeldung("kalotri-blatt", *rundFormat.Fehler);
        return 2;
    }
    darstellung.Format.Maske = rundFormat.Maske;
    darstellung.Format.Trennzeichen = o.Trennzeichen;
    darstellung.Einheit = o.Einheit;
    darstellung.Mehr = o.Mehr;

    blatt::Aufgabenliste liste;
    if (o.Erzeuge) {
        liste = Erzeugt(o);
    } else {
        liste = blatt::LiesAufgaben(o.Dateien);
        if (liste.Fehler) {
            return Abbruch(*liste.Fehler);
        }
    }
    if (liste.Gruppen.front().empty()) {
        std::cerr << "kalotri-blatt: keine Aufgaben, kein Blatt\n";
        return 2;
    }

    // Every exercise is worked out, and the sheet laid out, before anything is written:
    // a typo must not reach the pupils.
    const blatt::Blattkopf kopf = Kopf(o);
    int ohneLoesung = 0;
    const blatt::Vorlauf vorlauf = blatt::VermesseBlatt(
        liste, darstellung, kopf, [&](const blatt::Quellzeile& zeile, const std::string& grund) {
            MeldeProblem(liste, zeile, grund);
            ++ohneLoesung;
        });
    const int rueckgabe = ohneLoesung > 0 ? 1 : 0;
    if (ohneLoesung > 0 && !o.Trotzdem) {
        std::cerr << "kalotri-blatt: " << ohneLoesung
                  << (ohneLoesung == 1 ? " Aufgabe" : " Aufgaben")
                  << " ohne Lösung, kein Blatt (mit --trotzdem entsteht es doch)\n";
        return rueckgabe;
    }

    // The quiz is made whole before any file is written.
    if (o.Moodle) {
        int ausgelassen = 0;
        const std::string titel = o.Titel == blatt::Optionen().Titel ? "Kalotri" : o.Titel;
        const std::string quiz =
            blatt::MoodleQuizAus(liste, darstellung, titel, o.Toleranz, ausgelassen);
        if (ausgelassen > 0) {
            std::cerr << "kalotri-blatt: " << ausgelassen
                      << (ausgelassen == 1 ? " Aufgabe" : " Aufgaben")
                      << " ohne Lösung nicht im Quiz\n";
        }
        if (const auto fehler = blatt::SchreibeGanz(*o.Moodle, quiz)) {
            return Abbruch(*fehler);
        }
    }
    if (o.Ausgabe.empty()) {
        return rueckgabe;
    }

    // The PDF appears only once it is complete.
    QSaveFile datei(QString::fromStdString(o.Ausgabe));
    if (!datei.open(QIODevice::WriteOnly)) {
        return Abbruch("\"" + o.Ausgabe +
                       "\" lässt sich nicht schreiben: " + datei.errorString().toStdString());
    }
    if (o.SvgVerzeichnis) {
        if (const auto fehler = Svgs(*o.SvgVerzeichnis, liste, darstellung)) {
            return Abbruch(*fehler);
        }
    }
    {
        QPdfWriter pdf(&datei);
        const auto fortschritt = [](int seite, int seiten) {
            if (seiten > StillBisSeiten && (seite % 10 == 0 || seite == seiten)) {
                std::cerr << "kalotri-blatt: Seite " << seite << " von " << seiten << "\n";
            }
        };
        blatt::SchreibeBlatt(pdf, liste, darstellung, kopf, vorlauf, fortschritt);
    }
    if (!datei.commit()) {
        return Abbruch("\"" + o.Ausgabe +
                       "\" lässt sich nicht schreiben: " + datei.errorString().toStdString());
    }
    return rueckgabe;
}
