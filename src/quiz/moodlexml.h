// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "moodlefrage.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalotri::blatt {

// Text that XML 1.0 takes as it is: each ill-formed part of the UTF-8 (read as the JSON
// reads it, see LiesUtf8) and each character XML forbids (control
// characters, surrogates, U+FFFE/U+FFFF) become U+FFFD; everything else is kept, right-to-
// left marks and emoji too.
std::string XmlZeichen(std::string_view text);

// Character data with & < > " as entities.
std::string XmlText(std::string_view text);

// A CDATA section holding any text: each "]]>" is split across two sections.
std::string CData(std::string_view text);

// One category of the quiz and the questions in it.
struct Fragenkategorie {
    std::vector<std::string> Pfad; // below the course's top category: {"Kalotri", "Gruppe A"}
    std::vector<MoodleFrage> Fragen;
};

// The whole quiz file: for each category a category entry, then its questions.
std::string MoodleQuiz(const std::vector<Fragenkategorie>& kategorien);

} // namespace kalotri::blatt
