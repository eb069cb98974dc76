// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arbeitsblatt.h"

#include <QByteArray>

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

// Answers in the quiz have at least so many decimals, whatever the sheet's count.
inline constexpr int MindestDezimalen = 2;

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
