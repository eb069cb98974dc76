// SPDX-License-Identifier: GPL-3.0-or-later
// kalotri-blatt: a printable worksheet of triangle exercises with worked solutions and
// figures to scale, written as a PDF.

#include "blattaufgabe.h"
#include "blattpdf.h"
#include "optionen.h"
#include "quelle.h"
#include "satzdatei.h"
#include "svgausgabe.h"

#include "ausgabesatz.h"
#include "erzeuge.h"
#include "kalotri_version.h"
#include "kommandozeile.h"
#include "rundformat.h"
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

std::vector<Eingabe> Erzeugt(const blatt::Optionen& o) {
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
    std::vector<Eingabe> aufgaben;
    for (const ErzeugteAufgabe& a : Erzeuge(*o.Erzeuge, o.Typen, seed)) {
        aufgaben.push_back(a.Felder);
    }
    if (aufgaben.size() < static_cast<std::size_t>(*o.Erzeuge)) {
        std::cerr << "kalotri-blatt: nur " << aufgaben.size()
                  << " verschiedene Aufgaben dieser Typen gefunden\n";
    }
    return aufgaben;
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
    if (const auto fehler = DezimalenFehler(o.DezimalenText)) {
        std::cerr << OptionsFehlerMeldung("kalotri-blatt", *fehler);
        return FalscheOption;
    }
    darstellung.Format.Maske = RundFormatAusText(o.DezimalenText).Maske;
    darstellung.Format.Trennzeichen = o.Trennzeichen;
    darstellung.Einheit = o.Einheit;
    darstellung.Mehr = o.Mehr;

    int rueckgabe = 0;
    std::vector<Eingabe> eingaben;
    if (o.Erzeuge) {
        eingaben = Erzeugt(o);
    } else {
        const blatt::Aufgabenliste liste = blatt::LiesAufgaben(o.Dateien);
        if (liste.Fehler) {
            return Abbruch(*liste.Fehler, Lesefehler);
        }
        for (const std::string& zeile : liste.Unlesbar) {
            Melde("kalotri-blatt", zeile);
            rueckgabe = FalscheZeile;
        }
        eingaben = liste.Aufgaben;
    }
    if (eingaben.empty()) {
        Melde("kalotri-blatt", "keine Aufgaben, kein Blatt");
        return FalscheOption;
    }

    std::vector<blatt::BlattAufgabe> aufgaben;
    aufgaben.reserve(eingaben.size());
    for (const Eingabe& e : eingaben) {
        aufgaben.push_back(blatt::Bearbeite(e, darstellung));
    }

    // The sheet and its figures appear together, once all of them are complete.
    Ausgabesatz satz;
    auto fehler = blatt::SchreibeInSatz(satz, o.Ausgabe, [&](QIODevice& datei) {
        QPdfWriter pdf(&datei);
        const auto fortschritt = [](int seite, int seiten) {
            if (seiten > StillBisSeiten && (seite % 10 == 0 || seite == seiten)) {
                std::cerr << "kalotri-blatt: Seite " << seite << " von " << seiten << "\n";
            }
        };
        blatt::SchreibeBlatt(pdf, aufgaben, {o.Titel, !o.OhneLoesungen}, fortschritt);
    });
    if (!fehler && o.SvgVerzeichnis) {
        fehler = blatt::SchreibeSvgs(*o.SvgVerzeichnis, aufgaben, satz);
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
