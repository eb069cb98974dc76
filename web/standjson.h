// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "satzstand.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <optional>
#include <string>

namespace kalotri::web {

// A set's state as the practice page keeps it: {code, aufgabe, fertig, aufgaben: [{antworten,
// hoechstens, noten: [null | {notencode, punkte, ...}], gekauft: [{art, frage, preis}]}]}.
// Marks carry the engine's code and points; written back, also the mark's text.
std::optional<ergebnis::Satzstand> LiesStand(const char* json);
void SchreibeStand(rapidjson::Writer<rapidjson::StringBuffer>& w, const ergebnis::Satzstand& s);

} // namespace kalotri::web
