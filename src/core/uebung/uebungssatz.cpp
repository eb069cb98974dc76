// SPDX-License-Identifier: GPL-3.0-or-later
#include "uebungssatz.h"

#include "antwortleser.h"

#include "erzeuge.h"
#include "sachaufgabe.h"

#include <cctype>

namespace kalotri::uebung {

namespace {

std::vector<std::string> Teile(std::string_view code) {
    std::vector<std::string> teile(1);
    for (const char z : code) {
        if (z == '-') {
            teile.emplace_back();
        } else if (z != ' ' && z != '\t') {
            teile.back() += static_cast<char>(std::toupper(static_cast<unsigned char>(z)));
        }
    }
    return teile;
}

std::optional<std::uint32_t> Zahl(const std::string& text, std::uint32_t von, std::uint32_t bis) {
    if (text.empty() || text.size() > 6) {
        return std::nullopt;
    }
    std::uint32_t n = 0;
    for (const char z : text) {
        if (z < '0' || z > '9') {
            return std::nullopt;
        }
        n = n * 10 + static_cast<std::uint32_t>(z - '0');
    }
    if (n < von || n > bis) {
        return std::nullopt;
    }
    return n;
}

} // namespace

std::optional<Uebungswahl> LiesUebungscode(std::string_view code) {
    for (const std::string_view wort : {"Übung", "übung", "ÜBUNG"}) {
        if (code.substr(0, wort.size()) == wort) {
            code.remove_prefix(wort.size());
        }
    }
    std::vector<std::string> teile = Teile(NormaleStriche(code));
    Uebungswahl wahl;
    if (teile.size() < 2 || teile.size() > 4) {
        return std::nullopt;
    }
    const auto stufe = Zahl(teile[0], 1, 3);
    if (!stufe) {
        return std::nullopt;
    }
    wahl.Stufe = static_cast<int>(*stufe);
    std::size_t i = 1;
    if (teile[i] == "SACH") {
        wahl.Sach = true;
        ++i;
    } else if (const auto typ = TypAusText(teile[i])) {
        wahl.Typ = typ;
        ++i;
    }
    if (i >= teile.size()) {
        return std::nullopt;
    }
    const auto nummer = Zahl(teile[i], 1, GroessteNummer);
    if (!nummer) {
        return std::nullopt;
    }
    wahl.Nummer = *nummer;
    if (++i < teile.size()) {
        const auto anzahl = Zahl(teile[i], KleinsterSatz, GroessterSatz);
        if (!anzahl) {
            return std::nullopt;
        }
        wahl.Anzahl = static_cast<int>(*anzahl);
        ++i;
    }
    if (i != teile.size() || (wahl.Stufe == 1 && wahl.Typ == Aufgabentyp::SSW)) {
        return std::nullopt;
    }
    return wahl;
}

std::string Uebungscode(const Uebungswahl& wahl) {
    std::string code = std::to_string(wahl.Stufe) + "-";
    if (wahl.Sach) {
        code += "SACH-";
    } else if (wahl.Typ) {
        code += std::string(TypText(*wahl.Typ)) + "-";
    }
    code += std::to_string(wahl.Nummer);
    if (wahl.Anzahl != UeblicherSatz) {
        code += "-" + std::to_string(wahl.Anzahl);
    }
    return code;
}

Uebungssatz ErstelleUebungssatz(const Uebungswahl& wahl) {
    // The whole code goes into the seed: the same number on another level or kind is
    // another set, not the same numbers reshuffled.
    const std::uint64_t typ = wahl.Sach  ? 15
                              : wahl.Typ ? static_cast<std::uint64_t>(*wahl.Typ) + 1
                                         : 0;
    const std::uint64_t seed = (static_cast<std::uint64_t>(wahl.Nummer) << 16U) |
                               (static_cast<std::uint64_t>(wahl.Stufe) << 8U) | (typ << 4U) |
                               static_cast<std::uint64_t>(wahl.Anzahl);
    Uebungssatz satz{wahl, {}};
    if (wahl.Sach) {
        // The page asks the triangle's boxes; the situation's own answers (height, width,
        // area) follow from them in the text's words and are left to the sheet and quiz.
        const Sachregeln sachregeln{wahl.Stufe, 1, Zahlformat{}};
        const auto fassungen = ErzeugeSachaufgaben(wahl.Anzahl, seed, sachregeln);
        for (const Sachaufgabe& s : fassungen.front()) {
            std::string text = s.Text;
            for (const std::string& frage : s.Fragen) {
                text += " " + frage;
            }
            // The boxes ask the triangle, not the situation's questions; say which one.
            std::string ecken;
            for (std::size_t i = 0; i < 3; ++i) {
                for (const char z : s.Dreieck.Buchstaben[i]) {
                    ecken += static_cast<char>(std::toupper(static_cast<unsigned char>(z)));
                }
            }
            text += " Gefragt sind hier die Größen im Dreieck " + ecken +
                    ", aus denen die Antworten folgen.";
            if (auto a = UebungsaufgabeAus(text, s.Dreieck, s.Dreiecksfragen)) {
                a->Einheit = s.Einheit;
                a->Skizze = s.Skizze;
                a->Sachweg = s.Loesungsweg;
                satz.Aufgaben.push_back(std::move(*a));
            }
        }
        return satz;
    }
    Erzeugungsregeln regeln;
    regeln.Stufe = wahl.Stufe;
    std::vector<Aufgabentyp> typen;
    if (wahl.Typ) {
        typen.push_back(*wahl.Typ);
    }
    const auto fassungen = ErzeugeFassungen(wahl.Anzahl, typen, seed, regeln);
    for (const ErzeugteAufgabe& e : fassungen.front()) {
        const Loesung l = Berechne(e.Felder);
        if (auto a = UebungsaufgabeAus(AufgabenText(l, e.Felder), e.Felder)) {
            satz.Aufgaben.push_back(std::move(*a));
        }
    }
    return satz;
}

} // namespace kalotri::uebung
