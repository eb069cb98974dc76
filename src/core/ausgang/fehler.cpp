// SPDX-License-Identifier: GPL-3.0-or-later
#include "fehler.h"

#include <array>

namespace kalotri {

namespace {

struct CodeZeile {
    Code Wert;
    const char* Name;
    const char* Text; // empty for the codes without a text of their own
};

constexpr std::array<CodeZeile, 17> Codes = {{
    {Code::Geloest, "geloest", ""},
    {Code::Fehlerhaft, "fehlerhaft", "Fehlerhafte Eingabe!"},
    {Code::Null, "null", "Der Wert 0 ergibt kein Dreieck!"},
    {Code::Negativ, "negativ", "Negative Werte ergeben kein Dreieck!"},
    {Code::Ueberbestimmt, "ueberbestimmt", "Überbestimmt!"},
    {Code::UeberbestimmtSSSW, "ueberbestimmt_sssw", "Überbestimmt SSS+W!"},
    {Code::UeberbestimmtSSWW, "ueberbestimmt_ssww", "Überbestimmt SS+WW!"},
    {Code::UeberbestimmtSWWW, "ueberbestimmt_swww", "Überbestimmt S+WWW!"},
    {Code::Unvollstaendig, "unvollstaendig", "Eingabe unvollständig!"},
    {Code::KeinDreieck, "kein_dreieck", "Kein Dreieck!"},
    {Code::WinkelZuGross, "winkel_zu_gross", "Winkel zu groß!"},
    {Code::Winkelsumme, "winkelsumme", "Winkelsumme im Dreieck überschritten!"},
    {Code::Ungueltig, "ungueltig", "Ungültige Gleitkommaoperation"},
    {Code::Division, "division", "Gleitkommadivision durch Null"},
    {Code::Ueberlauf, "ueberlauf", "Gleitkommaüberlauf"},
    {Code::FormatZuLang, "format_zu_lang", "Format-String zu lang"},
    {Code::Anderer, "anderer", ""},
}};

} // namespace

const char* CodeText(Code code) {
    return Codes[static_cast<std::size_t>(code)].Text;
}

const char* CodeName(Code code) {
    return Codes[static_cast<std::size_t>(code)].Name;
}

bool IstMeldung(Code code) {
    return code >= Code::Fehlerhaft && code <= Code::Winkelsumme;
}

std::string FehlerAnzeigeText(const std::string& text) {
    // Bytes of a UTF-8 sequence are all above '.', so comparing the last byte treats a
    // trailing umlaut like any letter.
    if (!text.empty() && static_cast<unsigned char>(text.back()) <= '.') {
        return text;
    }
    return text + ".";
}

} // namespace kalotri
