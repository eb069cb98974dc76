// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scriptsink.h"

#include <string>
#include <vector>

namespace kalotri {

struct ScriptZeile {
    std::string Schrift;
    std::string Text;
    bool operator==(const ScriptZeile&) const = default;
};

// A Script that only records: the lines with the face each was written in. Starts in
// the box's own face, like a fresh Script.
class ScriptProtokoll : public ScriptSink {
  public:
    void ZeileAnfuegen(const std::string& zeile) override;
    void SchriftSetzen(const std::string& schrift) override;

    const std::vector<ScriptZeile>& Zeilen() const { return zeilen_; }
    const std::string& Schrift() const { return schrift_; }
    void Leeren();

  private:
    std::vector<ScriptZeile> zeilen_;
    std::string schrift_ = SchriftStandard;
};

} // namespace kalotri
