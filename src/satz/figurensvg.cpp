// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurensvg.h"

#include "figurmaler.h"
#include "xmlzeichen.h"

#include <QBuffer>
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

QByteArray FigurenSvg(const BlattAufgabe& roh, int nummer) {
    const BlattAufgabe aufgabe = XmlTauglich(roh);
    QByteArray bytes;
    if (aufgabe.Figuren.empty()) {
        return bytes;
    }
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    // Measured on the generator itself, so labels fit the text it writes.
    QSvgGenerator svg;
    svg.setResolution(Aufloesung);
    svg.setOutputDevice(&puffer);
    svg.setTitle(QString("Aufgabe %1").arg(nummer));
    const Zeichenflaeche z = Zeichenflaeche::Fuer(&svg);
    // Whole user units, so that width and height in mm and the viewBox agree exactly and
    // a millimetre in the file is a millimetre on paper.
    const double breite = std::ceil(z.Mm(FigurRahmenBreite));
    const double hoehe =
        std::ceil(std::clamp(FigurenHoehe(aufgabe, breite, z), 1.0, z.Mm(HoechstensMm)));
    // What the PDF tells a screen reader of the same figures. Qt writes it as it is, so
    // it is escaped here (its texts are XML's already).
    svg.setDescription(
        QString::fromStdString(FigurenBeschreibung(aufgabe, breite, z)).toHtmlEscaped());
    const QSize groesse(static_cast<int>(breite), static_cast<int>(hoehe));
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    {
        QPainter p(&svg);
        MaleFiguren(p, aufgabe, QRectF(0, 0, breite, hoehe), z);
    }
    return bytes;
}

} // namespace kalotri::blatt
