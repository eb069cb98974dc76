// SPDX-License-Identifier: GPL-3.0-or-later
#include "textausgabe.h"

#include "fehler.h"
#include "sichtbar.h"
#include "symbol.h"

namespace kalotri::rechne {

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

void HaengeRechenwegAn(std::string& ziel, const Rechenweg& weg) {
    for (const std::string& zeile : RechenwegZeilen(weg)) {
        HaengeSichtbarAn(ziel, zeile);
        ziel += '\n';
    }
    ziel += '\n';
}

} // namespace kalotri::rechne
