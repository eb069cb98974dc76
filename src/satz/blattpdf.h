// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arbeitsblatt.h"
#include "blattaufgabe.h"
#include "bloecke.h"
#include "loesungsform.h"
#include "quelle.h"

#include <QPdfWriter>

#include <functional>
#include <string>
#include <vector>

namespace kalotri::blatt {

// What the sheet shows besides the exercises themselves.
struct Blattkopf {
    std::string Titel;
    std::string Schule;
    std::string Klasse;
    std::string Datum; // empty: a line to write on
    bool MitLoesungen = true;
    bool Schluessel = false;
    bool Skizze = false;
    int PlatzCm = 0;
    bool Punkte = false; // each exercise's points on its task and in the key, with the sum
    Loesungsform Form = Loesungsform::Rechenweg;
};

// The solution text column; tests read the solution text from there.
inline constexpr double LoesungstextLinks = mass::TextLinks;
inline constexpr double LoesungstextBreite = mass::TextBreite;

// What the measuring run found: the pages of each part of the sheet.
struct Vorlauf {
    std::vector<int> Seitenzahlen;
    int Seiten = 0;
    std::vector<Loesungssatz> Loesungen; // each solution as set, in the sheet's order
};

// Called with each exercise that cannot be solved as it stands, and the reason.
using Problemmelder = std::function<void(const Quellzeile&, const std::string&)>;

// Lays the worked sheet out without painting it.
Vorlauf VermesseBlatt(const Arbeitsblatt& blatt, const Darstellung& darstellung,
                      const Blattkopf& kopf, const Problemmelder& melde);

// Paints the sheet on A4 pages as measured: per group the exercise pages, then the answer
// table, then per group the solutions. The texts of an exercise are written from its
// result as its block is set, and dropped after it. fortschritt hears of every finished
// page.
// Returns the number of pages.
int SchreibeBlatt(QPdfWriter& pdf, const Arbeitsblatt& blatt, const Darstellung& darstellung,
                  const Blattkopf& kopf, const Vorlauf& vorlauf,
                  const std::function<void(int, int)>& fortschritt);

// The same as a tagged PDF for screen readers (PDF/UA): the structure in reading order,
// each figure described, the page numbers and running heads as decoration. Throws
// std::runtime_error where cairo or qpdf fail.
int SchreibeBlatt(QIODevice& ziel, const Arbeitsblatt& blatt, const Darstellung& darstellung,
                  const Blattkopf& kopf, const Vorlauf& vorlauf,
                  const std::function<void(int, int)>& fortschritt);

} // namespace kalotri::blatt
