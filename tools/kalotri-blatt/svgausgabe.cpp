// SPDX-License-Identifier: GPL-3.0-or-later
#include "svgausgabe.h"

#include "figurmaler.h"
#include "moodlexml.h"
#include "satzdatei.h"

#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace kalotri::blatt {

namespace {

constexpr int Aufloesung = 96; // SVG user units per inch, as browsers take them
// No column is this high; the bound keeps the conversion to whole units defined.
constexpr double HoechstensMm = 100000;

// Qt's SVG writer escapes & < > but passes control characters, U+FFFE and the like on,
// which no XML reader takes: every text of the figure goes through the quiz's policy.
BlattAufgabe XmlTauglich(BlattAufgabe a) {
    const auto sauber = [](std::string& text) { text = XmlZeichen(text); };
    for (Loesungsfigur& lf : a.Figuren) {
        for (std::size_t i = 0; i < 3; ++i) {
            sauber(lf.Ecken[i]);
            std::for_each(lf.Seiten[i].begin(), lf.Seiten[i].end(), sauber);
            std::for_each(lf.Winkel[i].begin(), lf.Winkel[i].end(), sauber);
        }
        std::for_each(lf.Groessen.begin(), lf.Groessen.end(), sauber);
    }
    std::for_each(a.Schluessel.begin(), a.Schluessel.end(), sauber);
    sauber(a.Einheit);
    return a;
}

} // namespace

std::optional<std::string> SchreibeSvgs(const std::string& verzeichnis,
                                        const std::vector<BlattAufgabe>& aufgaben,
                                        Ausgabesatz& satz) {
    if (auto fehler = satz.LegeVerzeichnisAn(verzeichnis)) {
        return fehler;
    }
    for (std::size_t i = 0; i < aufgaben.size(); ++i) {
        if (aufgaben[i].Figuren.empty()) {
            continue;
        }
        const std::string name =
            verzeichnis + "/" +
            QString("aufgabe-%1.svg").arg(i + 1, 3, 10, QChar('0')).toStdString();
        const BlattAufgabe aufgabe = XmlTauglich(aufgaben[i]);
        const auto fehler = SchreibeInSatz(satz, name, [&](QIODevice& datei) {
            // Measured on the generator itself, so labels fit the text it writes.
            QSvgGenerator svg;
            svg.setResolution(Aufloesung);
            svg.setOutputDevice(&datei);
            svg.setTitle(QString("Aufgabe %1").arg(i + 1));
            const Zeichenflaeche z = Zeichenflaeche::Fuer(&svg);
            // Whole user units, so that width and height in mm and the viewBox agree
            // exactly and a millimetre in the file is a millimetre on paper.
            const double breite = std::ceil(z.Mm(FigurRahmenBreite));
            const double hoehe =
                std::ceil(std::clamp(FigurenHoehe(aufgabe, breite, z), 1.0, z.Mm(HoechstensMm)));
            const QSize groesse(static_cast<int>(breite), static_cast<int>(hoehe));
            svg.setSize(groesse);
            svg.setViewBox(QRect(QPoint(0, 0), groesse));
            QPainter p(&svg);
            MaleFiguren(p, aufgabe, QRectF(0, 0, breite, hoehe), z);
        });
        if (fehler) {
            return fehler;
        }
    }
    return std::nullopt;
}

} // namespace kalotri::blatt
