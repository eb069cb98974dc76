// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rechner.h"
#include "scriptprotokoll.h"

#include <memory>
#include <string>

namespace kalotri::rechne {

// The result of one exercise as one JSON object on one line, appended to `ziel`; texts as
// written to the Script, error without full stop. Holds the writer, so that nothing is
// allocated anew for every line.
class JsonAusgabe {
  public:
    JsonAusgabe();
    ~JsonAusgabe();
    void HaengeAn(std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang);

  private:
    struct Zustand; // the writer and its buffer: RapidJSON stays inside jsonausgabe.cpp
    std::unique_ptr<Zustand> zustand_;
};

} // namespace kalotri::rechne
