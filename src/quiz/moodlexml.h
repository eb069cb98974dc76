// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "moodlefrage.h"
#include "xmlzeichen.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kalotri::blatt {

// Character data with & < > " as entities.
std::string XmlText(std::string_view text);

// A CDATA section holding any text: each "]]>" is split across two sections.
std::string CData(std::string_view text);

// The quiz file written piece by piece as its questions are made, so that no more than
// one question is held at a time however long the quiz.
class MoodleSchreiber {
  public:
    using Ausgabe = std::function<void(std::string_view)>;
    // Writes the XML declaration and opens the quiz.
    explicit MoodleSchreiber(Ausgabe aus);
    // The category the following questions go in, by its path below the course's top
    // ({"Kalotri", "Gruppe A"}); the categories above it are named too, once each.
    void Kategorie(const std::vector<std::string>& pfad);
    void Frage(const MoodleFrage& frage);
    // Closes the quiz.
    void Ende();

  private:
    Ausgabe aus_;
    std::set<std::string> genannt_;
};

} // namespace kalotri::blatt
