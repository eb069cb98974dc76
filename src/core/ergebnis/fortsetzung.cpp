// SPDX-License-Identifier: GPL-3.0-or-later
#include "fortsetzung.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace kalotri::ergebnis {

namespace {

constexpr std::string_view Kennung = "K1";
constexpr char Teil = '|';
constexpr char Abschnitt = '/';
constexpr char Trenner = '~';

bool Bleibt(char z) {
    return (z >= '0' && z <= '9') || (z >= 'a' && z <= 'z') || (z >= 'A' && z <= 'Z') || z == ',' ||
           z == '.' || z == '+' || z == '-' || z == ' ';
}

void Maskiere(std::string& aus, std::string_view text) {
    constexpr std::string_view Hex = "0123456789ABCDEF";
    for (const char z : text) {
        if (Bleibt(z)) {
            aus += z;
        } else {
            const auto b = static_cast<unsigned char>(z);
            aus += '%';
            aus += Hex[b >> 4];
            aus += Hex[b & 15];
        }
    }
}

std::optional<std::string> Entmaskiere(std::string_view text) {
    std::string aus;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            if (!Bleibt(text[i])) {
                return std::nullopt;
            }
            aus += text[i];
            continue;
        }
        unsigned wert = 0;
        if (i + 2 >= text.size()) {
            return std::nullopt;
        }
        const auto [ende, fehler] =
            std::from_chars(text.data() + i + 1, text.data() + i + 3, wert, 16);
        if (fehler != std::errc() || ende != text.data() + i + 3) {
            return std::nullopt;
        }
        aus += static_cast<char>(wert);
        i += 2;
    }
    return aus;
}

// At most `zeichen` characters of UTF-8, never half of one.
std::string_view Gekuerzt(std::string_view text, std::size_t zeichen) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < text.size(); ++n) {
        if (n == zeichen) {
            break;
        }
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
            ++i;
        }
    }
    return text.substr(0, i);
}

std::string Schreibe(const Satzstand& stand, std::size_t antwortZeichen) {
    std::string aus(Kennung);
    aus += Teil;
    Maskiere(aus, stand.Code);
    aus += Teil + std::to_string(stand.Aufgabe) + Teil + (stand.Fertig ? '1' : '0');
    for (const Aufgabenstand& a : stand.Aufgaben) {
        aus += Teil + std::to_string(a.Hoechstens) + Abschnitt;
        for (std::size_t k = 0; k < a.Noten.size(); ++k) {
            aus += NotenZeichen(a.Noten[k]);
            const int p = k < a.NotenPunkte.size() ? a.NotenPunkte[k] : 0;
            aus += static_cast<char>('0' + std::clamp(p, 0, 9));
        }
        aus += Abschnitt;
        for (const Hinweiskauf& h : a.Gekauft) {
            aus += static_cast<char>('0' + h.Art);
            aus += h.Frage ? static_cast<char>('0' + *h.Frage) : '.';
            aus += static_cast<char>('0' + h.Preis);
        }
        aus += Abschnitt;
        for (std::size_t k = 0; k < a.Antworten.size(); ++k) {
            if (k > 0) {
                aus += Trenner;
            }
            Maskiere(aus, Gekuerzt(a.Antworten[k], antwortZeichen));
        }
    }
    return aus;
}

std::vector<std::string_view> Teile(std::string_view text, char trenner) {
    std::vector<std::string_view> teile;
    while (true) {
        const auto stelle = text.find(trenner);
        teile.push_back(text.substr(0, stelle));
        if (stelle == std::string_view::npos) {
            return teile;
        }
        text.remove_prefix(stelle + 1);
    }
}

std::optional<Aufgabenstand> LiesAufgabe(std::string_view text) {
    auto abschnitte = Teile(text, Abschnitt);
    if (abschnitte.size() != 4 || abschnitte[1].size() % 2 != 0 || abschnitte[2].size() % 3 != 0) {
        return std::nullopt;
    }
    Aufgabenstand a;
    const std::string_view hoechstens = abschnitte[0];
    const auto [ende, fehler] =
        std::from_chars(hoechstens.data(), hoechstens.data() + hoechstens.size(), a.Hoechstens);
    if (fehler != std::errc() || ende != hoechstens.data() + hoechstens.size()) {
        return std::nullopt;
    }
    abschnitte.erase(abschnitte.begin());
    for (std::size_t i = 0; i < abschnitte[0].size(); i += 2) {
        const auto note = NoteAusZeichen(abschnitte[0][i]);
        const char punkte = abschnitte[0][i + 1];
        if (!note || punkte < '0' || punkte > '9') {
            return std::nullopt;
        }
        a.Noten.push_back(*note);
        a.NotenPunkte.push_back(punkte - '0');
    }
    const auto ziffer = [](char z) { return z >= '0' && z <= '9'; };
    for (std::size_t i = 0; i < abschnitte[1].size(); i += 3) {
        const char art = abschnitte[1][i];
        const char frage = abschnitte[1][i + 1];
        const char preis = abschnitte[1][i + 2];
        if (!ziffer(art) || (!ziffer(frage) && frage != '.') || !ziffer(preis)) {
            return std::nullopt;
        }
        a.Gekauft.push_back({art - '0',
                             frage == '.' ? std::nullopt : std::optional<std::size_t>(frage - '0'),
                             preis - '0'});
    }
    for (const std::string_view antwort : Teile(abschnitte[2], Trenner)) {
        auto klar = Entmaskiere(antwort);
        if (!klar) {
            return std::nullopt;
        }
        a.Antworten.push_back(std::move(*klar));
    }
    return a;
}

} // namespace

std::string SchreibePause(const Satzstand& stand) {
    // 40 characters is what the page lets a pupil type into a box.
    for (const std::size_t zeichen : {40, 24, 16, 8, 0}) {
        std::string text = Schreibe(stand, zeichen);
        if (text.size() <= PauseHoechstens) {
            return text;
        }
    }
    return {}; // more exercises than any set has: nothing rather than a cut mark
}

std::optional<Satzstand> LiesPause(std::string_view text) {
    if (text.size() > PauseHoechstens) {
        return std::nullopt;
    }
    const auto teile = Teile(text, Teil);
    if (teile.size() < 4 || teile[0] != Kennung || (teile[3] != "0" && teile[3] != "1")) {
        return std::nullopt;
    }
    Satzstand stand;
    const auto code = Entmaskiere(teile[1]);
    const auto [ende, fehler] =
        std::from_chars(teile[2].data(), teile[2].data() + teile[2].size(), stand.Aufgabe);
    if (!code || fehler != std::errc() || ende != teile[2].data() + teile[2].size()) {
        return std::nullopt;
    }
    stand.Code = *code;
    stand.Fertig = teile[3] == "1";
    for (std::size_t i = 4; i < teile.size(); ++i) {
        auto aufgabe = LiesAufgabe(teile[i]);
        if (!aufgabe) {
            return std::nullopt;
        }
        stand.Aufgaben.push_back(std::move(*aufgabe));
    }
    if (!PasstZuSatz(stand)) {
        return std::nullopt;
    }
    return stand;
}

} // namespace kalotri::ergebnis
