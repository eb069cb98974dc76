// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "loesung.h"
#include "rechenweg.h"
#include "rechner.h"
#include "scriptprotokoll.h"

#include <memory>
#include <string>

namespace kalotri::rechne {

// The result of one exercise as one JSON object on one line, appended to `ziel`: the
// Script's lines as written (faces and all), message, focus box and error without full
// stop; then the result as data for programs: outcome code, type, the given values and the
// triangles as numbers, letters as the window shows them. `loesung` is null for a line
// the tool could not read. With `rechenweg` (the worked steps, asked for by --rechenweg)
// a last key holds them. Holds the writer, so that nothing is allocated anew for every
// line.
class JsonAusgabe {
  public:
    JsonAusgabe();
    ~JsonAusgabe();
    void HaengeAn(std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang,
                  const Loesung* loesung, const Rechenweg* rechenweg = nullptr);

  private:
    struct Zustand; // the writer and its buffer: RapidJSON stays inside jsonausgabe.cpp
    std::unique_ptr<Zustand> zustand_;
};

} // namespace kalotri::rechne
