// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausgabe.h"

#include "fehler.h"
#include "sichtbar.h"
#include "symbol.h"

#include <nlohmann/json.hpp>

#include <array>

namespace kalotri::rechne {

namespace {

// The boxes by the names the window gives them, so that "fokus" reads as in the program.
constexpr std::array<const char*, 6> BoxNamen = {"eA", "eB", "eC", "eAlpha", "eBeta", "eGamma"};

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

void HaengeJsonAn(std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang) {
    // ordered_json keeps the keys in the documented order instead of sorting them.
    using Json = nlohmann::ordered_json;
    Json zeilen = Json::array();
    for (const ScriptZeile& zeile : script.Zeilen()) {
        zeilen.push_back(Json{{"schrift", zeile.Schrift}, {"text", zeile.Text}});
    }

    auto oderNull = [](const std::optional<std::string>& wert) {
        return wert ? Json(*wert) : Json(nullptr);
    };
    Json objekt;
    objekt["zeilen"] = std::move(zeilen);
    objekt["meldung"] = oderNull(ausgang.Meldung);
    objekt["fokus"] =
        ausgang.Fokus ? Json(BoxNamen[static_cast<std::size_t>(*ausgang.Fokus)]) : Json(nullptr);
    objekt["fehler"] = oderNull(ausgang.Fehler);
    // Boxes and letters are passed through as typed, so invalid UTF-8 can reach the Script.
    ziel += objekt.dump(-1, ' ', false, Json::error_handler_t::replace);
    ziel += '\n';
}

} // namespace kalotri::rechne
