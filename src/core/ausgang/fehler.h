// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kalotri {

// The program's own error. Its text is German and shown to the user as it stands
// (plus the display's full stop, see FehlerAnzeigeText).
class KalotriFehler : public std::runtime_error {
  public:
    explicit KalotriFehler(const std::string& text) : std::runtime_error(text) {}
};

// Texts of the program's errors.
inline constexpr const char* FehlerUngueltig = "Ungültige Gleitkommaoperation";
inline constexpr const char* FehlerDivision = "Gleitkommadivision durch Null";
inline constexpr const char* FehlerUeberlauf = "Gleitkommaüberlauf";
inline constexpr const char* FehlerFormatZuLang = "Format-String zu lang";

// Texts of the messages about the user's input.
inline constexpr const char* MeldungFehlerhaft = "Fehlerhafte Eingabe!";
inline constexpr const char* MeldungNull = "Der Wert 0 ergibt kein Dreieck!";
inline constexpr const char* MeldungNegativ = "Negative Werte ergeben kein Dreieck!";
inline constexpr const char* MeldungUeberbestimmt = "Überbestimmt!";
inline constexpr const char* MeldungUeberbestimmtSSSW = "Überbestimmt SSS+W!";
inline constexpr const char* MeldungUeberbestimmtSSWW = "Überbestimmt SS+WW!";
inline constexpr const char* MeldungUeberbestimmtSWWW = "Überbestimmt S+WWW!";
inline constexpr const char* MeldungUnvollstaendig = "Eingabe unvollständig!";
inline constexpr const char* MeldungKeinDreieck = "Kein Dreieck!";
inline constexpr const char* MeldungWinkelZuGross = "Winkel zu groß!";
inline constexpr const char* MeldungWinkelsumme = "Winkelsumme im Dreieck überschritten!";

// Every way a calculation can end, one code beside each text above. Geloest: it ran
// through (with or without a triangle); Anderer: an error of a display, not of the engine
// (a full Script, a missing printer).
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

// The code of a message or error text above; Anderer for any other text.
Code CodeFuerText(std::string_view text);
// A stable lower-case ASCII name for programs that read the result ("geloest",
// "fehlerhaft", …, "ueberlauf", "anderer").
const char* CodeName(Code code);
// Messages are about the input; errors are faults of the arithmetic or a display.
bool IstMeldung(Code code);

// The text the general error display shows: a full stop is added unless the last
// character's code is at or below that of "." (so "!" and "." get none).
std::string FehlerAnzeigeText(const std::string& text);

} // namespace kalotri
