// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausgabe.h"

#include "fehler.h"
#include "sichtbar.h"
#include "symbol.h"
#include "utf8.h"

#include <array>

namespace kalotri::rechne {

namespace {

// The boxes by the names the window gives them, so that "fokus" reads as in the program.
constexpr std::array<const char*, 6> BoxNamen = {"eA", "eB", "eC", "eAlpha", "eBeta", "eGamma"};

// The hex digits of "\u" escapes in lower case, as the tool has always written them.
void KleineHexziffern(char* anfang, char* ende) {
    for (char* p = anfang; p != ende; ++p) {
        if (*p != '\\') {
            continue;
        }
        ++p; // the escaped character: another backslash is not the start of an escape
        if (*p == 'u') {
            for (char* h = p + 1; h != p + 5; ++h) {
                if (*h >= 'A' && *h <= 'F') {
                    *h = static_cast<char>(*h - 'A' + 'a');
                }
            }
        }
    }
}

} // namespace

void HaengeTextAn(std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang) {
    for (const ScriptZeile& zeile : script.Zeilen()) {
        HaengeSichtbarAn(ziel,
                         zeile.Schrift == SchriftSymbol ? SymbolZuUnicode(zeile.Text) : zeile.Text);
        ziel += '\n';
    }
    if (ausgang.Meldung) {
        ziel.append("Meldung: ").append(*ausgang.Meldung) += '\n';
    }
    if (ausgang.Fehler) {
        ziel.append("Fehler: ").append(FehlerAnzeigeText(*ausgang.Fehler)) += '\n';
    }
    ziel += '\n';
}

void JsonAusgabe::Text(std::string_view text) {
    const std::string_view gueltig = GueltigesUtf8(text, ersatz_);
    writer_.String(gueltig.data(), static_cast<rapidjson::SizeType>(gueltig.size()));
}

void JsonAusgabe::TextOderNull(const std::optional<std::string>& text) {
    if (text) {
        Text(*text);
    } else {
        writer_.Null();
    }
}

void JsonAusgabe::HaengeAn(std::string& ziel, const ScriptProtokoll& script,
                           const Ausgang& ausgang) {
    puffer_.Clear();
    writer_.Reset(puffer_);
    // The keys in the documented order.
    writer_.StartObject();
    writer_.Key("zeilen");
    writer_.StartArray();
    for (const ScriptZeile& zeile : script.Zeilen()) {
        writer_.StartObject();
        writer_.Key("schrift");
        Text(zeile.Schrift);
        writer_.Key("text");
        Text(zeile.Text);
        writer_.EndObject();
    }
    writer_.EndArray();
    writer_.Key("meldung");
    TextOderNull(ausgang.Meldung);
    writer_.Key("fokus");
    if (ausgang.Fokus) {
        writer_.String(BoxNamen[static_cast<std::size_t>(*ausgang.Fokus)]);
    } else {
        writer_.Null();
    }
    writer_.Key("fehler");
    TextOderNull(ausgang.Fehler);
    writer_.EndObject();

    const std::size_t anfang = ziel.size();
    ziel.append(puffer_.GetString(), puffer_.GetSize());
    if (ziel.find('\\', anfang) != std::string::npos) {
        KleineHexziffern(ziel.data() + anfang, ziel.data() + ziel.size());
    }
    ziel += '\n';
}

} // namespace kalotri::rechne
