// SPDX-License-Identifier: GPL-3.0-or-later
#include "uebungssatz.h"

#include "erzeuge.h"

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

// The version mark: "V" and digits as the last part.
std::optional<int> Fassungsmarke(const std::string& teil) {
    if (teil.size() < 2 || teil.size() > 4 || teil[0] != 'V') {
        return std::nullopt;
    }
    const auto n = Zahl(teil.substr(1), 0, 999);
    return n ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
}

std::string_view OhneUebung(std::string_view code) {
    for (const std::string_view wort : {"Übung", "übung", "ÜBUNG"}) {
        if (code.substr(0, wort.size()) == wort) {
            code.remove_prefix(wort.size());
        }
    }
    return code;
}

} // namespace

std::vector<Situation> SituationenDerFassung(int fassung) {
    if (fassung == 1) {
        return {Situation::Turmhoehe, Situation::Flussbreite, Situation::Grundstueck,
                Situation::Peilung, Situation::Kraefte};
    }
    return {AlleSituationen.begin(), AlleSituationen.end()};
}

std::optional<std::string> UnbekannteFassung(std::string_view code) {
    const std::vector<std::string> teile = Teile(OhneUebung(code));
    const std::optional<int> fassung = Fassungsmarke(teile.back());
    if (!fassung || (*fassung >= 1 && *fassung <= AktuelleFassung)) {
        return std::nullopt;
    }
    return "Der Code nennt die Fassung V" + std::to_string(*fassung) +
           ", diese Seite kennt nur V1 bis V" + std::to_string(AktuelleFassung) +
           ". Öffne die neueste Übungsseite oder frag nach dem Code.";
}

std::optional<Uebungswahl> LiesUebungscode(std::string_view code) {
    std::vector<std::string> teile = Teile(OhneUebung(code));
    Uebungswahl wahl;
    wahl.Fassung = 1;
    if (const std::optional<int> fassung = Fassungsmarke(teile.back()); fassung) {
        if (*fassung < 1 || *fassung > AktuelleFassung) {
            return std::nullopt;
        }
        wahl.Fassung = *fassung;
        teile.pop_back();
    }
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
    if (wahl.Fassung > 1) {
        code += "-V" + std::to_string(wahl.Fassung);
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
        // The story's own questions, with the triangle's quantities as steps on the way.
        const Sachregeln sachregeln{wahl.Stufe, 1, Zahlformat{}};
        const auto fassungen =
            ErzeugeSachaufgaben(wahl.Anzahl, seed, sachregeln, SituationenDerFassung(wahl.Fassung));
        for (const Sachaufgabe& s : fassungen.front()) {
            if (auto modell = frage::SachfrageAus(s)) {
                satz.Aufgaben.push_back(UebungsaufgabeAus(std::move(*modell), s.Dreieck));
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
