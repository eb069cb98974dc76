// SPDX-License-Identifier: GPL-3.0-or-later
#include "fehler.h"

#include <array>

namespace kalotri {

namespace {

struct CodeZeile {
    Code Wert;
    const char* Name;
    const char* Text; // none for the codes without a text of their own
};

constexpr std::array<CodeZeile, 17> Codes = {{
    {Code::Geloest, "geloest", nullptr},
    {Code::Fehlerhaft, "fehlerhaft", MeldungFehlerhaft},
    {Code::Null, "null", MeldungNull},
    {Code::Negativ, "negativ", MeldungNegativ},
    {Code::Ueberbestimmt, "ueberbestimmt", MeldungUeberbestimmt},
    {Code::UeberbestimmtSSSW, "ueberbestimmt_sssw", MeldungUeberbestimmtSSSW},
    {Code::UeberbestimmtSSWW, "ueberbestimmt_ssww", MeldungUeberbestimmtSSWW},
    {Code::UeberbestimmtSWWW, "ueberbestimmt_swww", MeldungUeberbestimmtSWWW},
    {Code::Unvollstaendig, "unvollstaendig", MeldungUnvollstaendig},
    {Code::KeinDreieck, "kein_dreieck", MeldungKeinDreieck},
    {Code::WinkelZuGross, "winkel_zu_gross", MeldungWinkelZuGross},
    {Code::Winkelsumme, "winkelsumme", MeldungWinkelsumme},
    {Code::Ungueltig, "ungueltig", FehlerUngueltig},
    {Code::Division, "division", FehlerDivision},
    {Code::Ueberlauf, "ueberlauf", FehlerUeberlauf},
    {Code::FormatZuLang, "format_zu_lang", FehlerFormatZuLang},
    {Code::Anderer, "anderer", nullptr},
}};

} // namespace

Code CodeFuerText(std::string_view text) {
    for (const CodeZeile& z : Codes) {
        if (z.Text != nullptr && text == z.Text) {
            return z.Wert;
        }
    }
    return Code::Anderer;
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
