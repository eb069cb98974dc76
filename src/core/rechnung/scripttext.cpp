// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripttext.h"

#include "fehler.h"
#include "symbol.h"

namespace kalotri {

std::vector<std::string> SichtbareZeilen(const ScriptProtokoll& script, const Ausgang& ausgang) {
    std::vector<std::string> text;
    for (const ScriptZeile& zeile : script.Zeilen()) {
        text.push_back(zeile.Schrift == SchriftSymbol ? SymbolZuUnicode(zeile.Text) : zeile.Text);
    }
    if (ausgang.Meldung) {
        text.push_back("Meldung: " + *ausgang.Meldung);
    }
    if (ausgang.Fehler) {
        text.push_back("Fehler: " + FehlerAnzeigeText(*ausgang.Fehler));
    }
    return text;
}

} // namespace kalotri
