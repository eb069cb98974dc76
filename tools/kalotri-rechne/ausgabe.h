// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rechner.h"
#include "scriptprotokoll.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <optional>
#include <string>
#include <string_view>

namespace kalotri::rechne {

// The result of one exercise in the two output forms, each appended to `ziel` and ending
// with a line break.

// Script lines as shown (Symbol lines as Greek letters), then "Meldung: ..." or
// "Fehler: ..." and an empty line. Control characters from the input are shown escaped.
void HaengeTextAn(std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang);

// One JSON object per result on one line; texts as written to the Script, error without
// full stop. Holds the writer, so that nothing is allocated anew for every line.
class JsonAusgabe {
  public:
    void HaengeAn(std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang);

  private:
    void Text(std::string_view text);
    void TextOderNull(const std::optional<std::string>& text);

    rapidjson::StringBuffer puffer_;
    rapidjson::Writer<rapidjson::StringBuffer> writer_{puffer_};
    std::string ersatz_; // a text repaired to valid UTF-8
};

} // namespace kalotri::rechne
