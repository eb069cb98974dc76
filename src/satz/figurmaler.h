// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blattaufgabe.h"
#include "figur.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

#include <memory>

namespace kalotri::blatt {

// The faces of a sheet, and the device they are measured on.
struct Zeichenflaeche {
    QPaintDevice* Geraet = nullptr; // Qt measures fonts on a non-const device
    double ProMm = 1;               // device units per millimetre
    QFont Text;                     // exercise and solution lines
    QFont Klein;                    // figure labels, captions, derived quantities
    QFont Fett;                     // numbers of the exercises
    QFont Titel;

    static Zeichenflaeche Fuer(QPaintDevice* geraet);
    double Mm(double mm) const { return mm * ProMm; }
};

// The column beside a solution: for each triangle a caption where one is needed ("1.
// Lösung", a flat triangle), its figure to scale with the scale and a legend of the values
// that found no room beside it, and with --mehr the derived quantities. The column is
// laid out in millimetres with text measured alike for every device, so the PDF and the
// SVG files decide alike; its height needs its width.
// Figures are laid out in a frame at most this wide (mm), the SVG files are this wide, so
// that a figure has the same scale on paper and in its file.
inline constexpr double FigurRahmenBreite = 75;

double FigurenHoehe(const BlattAufgabe& aufgabe, double breite, const Zeichenflaeche& z);
// What the figures show, in words: each triangle's description as the PDF gives it.
std::string FigurenBeschreibung(const BlattAufgabe& aufgabe, double breite,
                                const Zeichenflaeche& z);
void MaleFiguren(QPainter& p, const BlattAufgabe& aufgabe, const QRectF& spalte,
                 const Zeichenflaeche& z);

// The column laid out once, in millimetres from its top left corner, for measuring and
// painting alike: placing the labels is the dearest part of a solution's page.
struct Figurenplan {
    struct Zeile {
        std::string Text;
        double Y = 0;
        double Hoehe = 0;
    };
    struct Bild {
        std::size_t Figur = 0; // of the exercise's figures
        kalotri::Figur Lage;
        double Y = 0;
        std::string Beschreibung; // for those who cannot see it
    };
    std::vector<Zeile> Zeilen;
    std::vector<Bild> Bilder;
    double Hoehe = 0;
};
// `breite` in the device's units, as the column's.
std::shared_ptr<const Figurenplan> PlaneFiguren(const BlattAufgabe& aufgabe, double breite,
                                                const Zeichenflaeche& z);
void MaleFiguren(QPainter& p, const BlattAufgabe& aufgabe, const Figurenplan& plan,
                 const QRectF& spalte, const Zeichenflaeche& z);

} // namespace kalotri::blatt
