// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arbeitsblatt.h"

#include "rechenweg.h"

#include <QByteArray>
#include <QImage>

#include <optional>
#include <string>
#include <vector>

namespace kalotri::blatt {

// A picture that travels inside the quiz file, referred to as @@PLUGINFILE@@/Name.
struct Bilddatei {
    std::string Name;
    QByteArray Png;
};

// One exercise as a Cloze question: HTML texts (not yet XML), the pictures each refers to
// and the number of gaps, which is also its mark.
struct MoodleFrage {
    std::string Name;
    std::string Fragetext;
    std::vector<Bilddatei> FrageBilder;
    std::string Rueckmeldung; // general feedback: the worked steps and the figure to scale
    std::vector<Bilddatei> RueckmeldungsBilder;
    int Luecken = 0;
    int Dezimalen = 0; // of the answers asked for
};

// Moodle reads a point as the decimal point in every language; a comma only where the
// language has it (in English "7,543" is 7543), and "1.234,5" nowhere as meant.
inline constexpr const char* PunktAnweisung =
    "Tippe Dezimalzahlen mit Punkt und ohne Tausendertrennzeichen, etwa 1234.5.";

// Answers in the quiz have at least so many decimals, whatever the sheet's count.
inline constexpr int MindestDezimalen = 2;

// The pieces a question is made of, for the kinds of question built elsewhere.
// Pixels per millimetre of the pictures: sharp on a school board's projector, small
// enough for a quiz of a hundred questions.
inline constexpr double PixelProMm = 5;
// The solution's figures as one picture, or none where they would say nothing.
std::optional<QImage> FigurBild(const BlattAufgabe& a);
// <img> of a picture travelling in the quiz file.
std::string Bild(const std::string& datei, const QImage& bild, const std::string& alt);
std::string Verbunden(const std::vector<std::string>& teile, const std::string& zwischen);
// The worked steps as HTML: headings bold, notes in italics, one equation a line.
std::string RechenwegHtml(const Rechenweg& weg);

// The exercise as a question, or nothing for one without a solution worth asking for
// (the check before has told the user about it). datei: the pictures' name stem, plain
// ASCII. toleranz: the same absolute tolerance
// for every gap instead of the one the worked steps allow. An exercise the check before
// let through but whose numbers no gap can hold (a tolerance beyond the largest double)
// also gives nothing, with the reason in `grund`.
std::optional<MoodleFrage> BaueFrage(const GeloesteAufgabe& aufgabe, const Darstellung& darstellung,
                                     const std::string& name, const std::string& datei,
                                     const std::optional<double>& toleranz,
                                     std::string* grund = nullptr);

} // namespace kalotri::blatt
