// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "satzstand.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <optional>
#include <string>

namespace kalotri::web {

// A set's state as the practice page keeps it: {code, aufgabe, fertig, aufgaben: [{antworten,
// noten: [null | {note, text, punkte}], gekauft: [{art, frage}]}]}. Marks carry the
// engine's code ("note") and, written back, its text and points.
std::optional<ergebnis::Satzstand> LiesStand(const char* json);
void SchreibeStand(rapidjson::Writer<rapidjson::StringBuffer>& w, const ergebnis::Satzstand& s);

} // namespace kalotri::web
