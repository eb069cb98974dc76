// SPDX-License-Identifier: GPL-3.0-or-later
#include "svgausgabe.h"

#include "figurmaler.h"
#include "satzdatei.h"

#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace kalotri::blatt {

namespace {

constexpr double Breite = 80;  // mm, about the figure column of the PDF
constexpr int Aufloesung = 96; // SVG user units per inch, as browsers take them

} // namespace

std::optional<std::string> SchreibeSvgs(const std::string& verzeichnis,
                                        const std::vector<BlattAufgabe>& aufgaben,
                                        Ausgabesatz& satz) {
    if (auto fehler = LegeVerzeichnisAn(verzeichnis)) {
        return fehler;
    }
    for (std::size_t i = 0; i < aufgaben.size(); ++i) {
        if (aufgaben[i].Figuren.empty()) {
            continue;
        }
        const std::string name =
            verzeichnis + "/" +
            QString("aufgabe-%1.svg").arg(i + 1, 3, 10, QChar('0')).toStdString();
        const auto fehler = SchreibeInSatz(satz, name, [&](QIODevice& datei) {
            // Measured on the generator itself, so labels fit the text it writes.
            QSvgGenerator svg;
            svg.setResolution(Aufloesung);
            svg.setOutputDevice(&datei);
            svg.setTitle(QString("Aufgabe %1").arg(i + 1));
            const Zeichenflaeche z = Zeichenflaeche::Fuer(&svg);
            const double hoehe = FigurenHoehe(aufgaben[i], z.Mm(Breite), z);
            const QSize groesse(static_cast<int>(std::ceil(z.Mm(Breite))),
                                static_cast<int>(std::ceil(hoehe)));
            svg.setSize(groesse);
            svg.setViewBox(QRect(QPoint(0, 0), groesse));
            QPainter p(&svg);
            MaleFiguren(p, aufgaben[i], QRectF(0, 0, z.Mm(Breite), hoehe), z);
        });
        if (fehler) {
            return fehler;
        }
    }
    return std::nullopt;
}

} // namespace kalotri::blatt
