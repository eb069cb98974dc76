// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kalotri {

inline constexpr const char* SchriftStandard = "MS Sans Serif"; // the Script box's own face
inline constexpr const char* SchriftSymbol = "Symbol";
inline constexpr const char* SchriftArial = "Arial";

// Where the calculation writes its worked solution, one whole line at a time.
// Implementations may throw KalotriFehler (for instance when the Script is full).
class ScriptSink {
  public:
    virtual ~ScriptSink() = default;
    // Appends the line (UTF-8, without line break) at the end, in the current face.
    virtual void ZeileAnfuegen(const std::string& zeile) = 0;
    // Sets the face the next lines take ("Symbol" or "Arial").
    virtual void SchriftSetzen(const std::string& schrift) = 0;
};

} // namespace kalotri
