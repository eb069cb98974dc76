// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kalotri {

// Every way a calculation can end. Geloest: it ran through (with or without a triangle);
// Anderer: an error of a display, not of the engine (a full Script, a missing printer).
enum class Code {
    Geloest,
    Fehlerhaft,
    Null,
    Negativ,
    Ueberbestimmt,
    UeberbestimmtSSSW,
    UeberbestimmtSSWW,
    UeberbestimmtSWWW,
    Unvollstaendig,
    KeinDreieck,
    WinkelZuGross,
    Winkelsumme,
    Ungueltig,
    Division,
    Ueberlauf,
    FormatZuLang,
    Anderer,
};

// The German text of a code as the message box or error display shows it (the display
// adds its full stop, see FehlerAnzeigeText); empty for Geloest and Anderer.
const char* CodeText(Code code);

// The program's own error: a code of the engine with its text, or, from a display, a
// German text of its own (code Anderer).
class KalotriFehler : public std::runtime_error {
  public:
    explicit KalotriFehler(Code code) : std::runtime_error(CodeText(code)), code_(code) {}
    explicit KalotriFehler(const std::string& text) : std::runtime_error(text) {}
    Code Wert() const { return code_; }

  private:
    Code code_ = Code::Anderer;
};

// A stable lower-case ASCII name for programs that read the result ("geloest",
// "fehlerhaft", …, "ueberlauf", "anderer").
const char* CodeName(Code code);
// Messages are about the input; errors are faults of the arithmetic or a display.
bool IstMeldung(Code code);

// The text the general error display shows: a full stop is added unless the last
// character's code is at or below that of "." (so "!" and "." get none).
std::string FehlerAnzeigeText(const std::string& text);

} // namespace kalotri
