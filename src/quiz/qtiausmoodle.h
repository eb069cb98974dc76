// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "moodlefrage.h"
#include "qtiitem.h"

namespace kalotri::blatt {

// The Moodle question as an item: the same text, pictures and worked steps, each Cloze
// gap as a QTI gap accepting the same intervals. kennung: the item's identifier.
QtiFrage QtiAusMoodle(const MoodleFrage& frage, const std::string& kennung);

} // namespace kalotri::blatt
