// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon.h"
#include "kalotri_u.h"
#include "kalotri_version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <optional>

namespace {

// Answers --help and --version before any window system is needed, so both work without
// a display. Every other argument is ignored, as the program always has: Qt's own options
// such as -platform stay Qt's, and unknown ones start the program as usual.
std::optional<int> BeantworteAufrufoptionen(int argc, char* argv[]) {
    QStringList argumente;
    for (int i = 0; i < argc; ++i) {
        argumente << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    // "-reverse" or "-platform" must not read as a bundle of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfe(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(hilfe);
    parser.addOption(version);
    parser.parse(argumente);

    if (parser.isSet(hilfe)) {
        std::fputs("Aufruf: kalotri [--help | --version]\n"
                   "\n"
                   "Kalotri: Übungen zu Sinussatz und Cosinussatz. Ohne Optionen öffnet sich\n"
                   "das Hauptfenster; alle anderen Argumente werden übergangen.\n"
                   "\n"
                   "Optionen:\n"
                   "  -h, --help     diese Hilfe\n"
                   "  -v, --version  die Version des Programms\n"
                   "\n"
                   "Ganze Arbeitsblätter: kalotri-rechne(1), kalotri-blatt(1).\n",
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::fputs("kalotri " KALOTRI_VERSION "\n", stdout);
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> ende = BeantworteAufrufoptionen(argc, argv)) {
        return *ende;
    }

    QApplication app(argc, argv);
    // Only the application name: a display name would be appended by the X11 and
    // Wayland platforms to every window title, and the main window's title is fixed.
    // Message boxes set their caption "Kalotri" themselves.
    QApplication::setApplicationName(QStringLiteral("Kalotri"));
    QApplication::setApplicationVersion(QStringLiteral(KALOTRI_VERSION));
    QApplication::setWindowIcon(ProgrammIcon());
    // Lets desktops match the window to de.kalotri.Kalotri.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.kalotri.Kalotri"));

    // The program speaks German; so shall Qt's own dialogs and standard buttons.
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtDeutsch);
    }

    TForm1 form1;
    form1.show();
    return QApplication::exec();
}
