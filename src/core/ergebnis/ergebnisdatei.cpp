// SPDX-License-Identifier: GPL-3.0-or-later
#include "ergebnisdatei.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <sstream>

namespace kalotri::ergebnis {

namespace {

constexpr std::string_view Kopf = "Kalotri-Ergebnis 1";
constexpr std::string_view Pruefzeile = "Prüfsumme: ";

std::uint32_t Crc32(std::string_view text) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char z : text) {
        crc ^= static_cast<unsigned char>(z);
        for (int i = 0; i < 8; ++i) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

std::string Hex(std::uint32_t wert) {
    std::array<char, 9> text{};
    std::snprintf(text.data(), text.size(), "%08x", static_cast<unsigned>(wert));
    return text.data();
}

// One line of plain text: control characters (a line break in a name) become blanks.
std::string Einzeilig(std::string_view text, std::size_t hoechstens) {
    std::string aus;
    for (const char z : text) {
        aus += static_cast<unsigned char>(z) < 0x20 || z == 0x7F ? ' ' : z;
    }
    if (aus.size() > hoechstens) {
        aus.resize(hoechstens);
        while (!aus.empty() && (static_cast<unsigned char>(aus.back()) & 0xC0) == 0x80) {
            aus.pop_back();
        }
        if (!aus.empty() && static_cast<unsigned char>(aus.back()) >= 0xC0) {
            aus.pop_back();
        }
    }
    return aus;
}

bool Zahl(std::string_view text, int& wert) {
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    return fehler == std::errc() && ende == text.data() + text.size() && wert >= 0;
}

// "Aufgabe 3: punkte=3 hoechstens=4 hinweise=1 abzug=1 noten=rf"
bool LiesAufgabe(std::string_view zeile, std::size_t nummer, Aufgabenergebnis& a) {
    const std::string vorn = "Aufgabe " + std::to_string(nummer) + ": ";
    if (zeile.substr(0, vorn.size()) != vorn) {
        return false;
    }
    std::istringstream teile{std::string(zeile.substr(vorn.size()))};
    std::string teil;
    int gelesen = 0;
    while (teile >> teil) {
        const auto gleich = teil.find('=');
        const std::string name = teil.substr(0, gleich);
        const std::string_view wert = std::string_view(teil).substr(gleich + 1);
        if (gleich == std::string::npos) {
            return false;
        }
        if (name == "noten") {
            for (const char z : wert) {
                const auto note = NoteAusZeichen(z);
                if (!note) {
                    return false;
                }
                a.Noten.push_back(*note);
            }
        } else if (!((name == "punkte" && Zahl(wert, a.Punkte)) ||
                     (name == "hoechstens" && Zahl(wert, a.Hoechstens)) ||
                     (name == "hinweise" && Zahl(wert, a.Hinweise)) ||
                     (name == "abzug" && Zahl(wert, a.Abzug)))) {
            return false;
        }
        ++gelesen;
    }
    // Points that cannot come from the marks are no result of this page: a box counts at
    // most what its mark is worth (some count less, an intermediate value nothing).
    int roh = 0;
    for (const uebung::Note n : a.Noten) {
        roh += uebung::Punkte(n);
    }
    return gelesen == 5 &&
           a.Hoechstens <= uebung::PunkteJeFrage * static_cast<int>(a.Noten.size()) &&
           a.Punkte <= std::min(a.Hoechstens, std::max(0, roh - a.Abzug));
}

} // namespace

Ergebnis ErgebnisAus(std::string name, std::string datum, const Satzstand& stand) {
    Ergebnis e{std::move(name), stand.Code, std::move(datum), {}};
    for (const Aufgabenstand& a : stand.Aufgaben) {
        e.Aufgaben.push_back(
            {Punkte(a), Hoechstens(a), static_cast<int>(a.Gekauft.size()), Abzug(a), a.Noten});
    }
    return e;
}

std::string SchreibeErgebnis(const Ergebnis& e) {
    std::string text(Kopf);
    text += "\nName: " + Einzeilig(e.Name, NameHoechstens) + "\nCode: " + Einzeilig(e.Code, 40) +
            "\nDatum: " + Einzeilig(e.Datum, 20) + "\n";
    for (std::size_t i = 0; i < e.Aufgaben.size(); ++i) {
        const Aufgabenergebnis& a = e.Aufgaben[i];
        text += "Aufgabe " + std::to_string(i + 1) + ": punkte=" + std::to_string(a.Punkte) +
                " hoechstens=" + std::to_string(a.Hoechstens) +
                " hinweise=" + std::to_string(a.Hinweise) + " abzug=" + std::to_string(a.Abzug) +
                " noten=";
        for (const uebung::Note n : a.Noten) {
            text += NotenZeichen(n);
        }
        text += "\n";
    }
    return text + std::string(Pruefzeile) + Hex(Crc32(text)) + "\n";
}

std::variant<Ergebnis, std::string> LiesErgebnis(std::string_view text) {
    if (text.substr(0, Kopf.size()) != Kopf) {
        return std::string("keine Ergebnisdatei von Kalotri");
    }
    const auto pruef = text.rfind(Pruefzeile);
    if (pruef == std::string_view::npos || (pruef > 0 && text[pruef - 1] != '\n')) {
        return std::string("unvollständig: die Prüfsumme fehlt");
    }
    std::string_view summe = text.substr(pruef + Pruefzeile.size());
    while (!summe.empty() && (summe.back() == '\n' || summe.back() == '\r')) {
        summe.remove_suffix(1);
    }
    if (summe != Hex(Crc32(text.substr(0, pruef)))) {
        return std::string("beschädigt: die Prüfsumme stimmt nicht");
    }
    Ergebnis e;
    std::istringstream zeilen{std::string(text.substr(0, pruef))};
    std::string zeile;
    std::getline(zeilen, zeile);
    const std::array<std::pair<const char*, std::string*>, 3> felder = {
        {{"Name: ", &e.Name}, {"Code: ", &e.Code}, {"Datum: ", &e.Datum}}};
    for (const auto& [vorn, ziel] : felder) {
        const std::string_view v(vorn);
        if (!std::getline(zeilen, zeile) || zeile.compare(0, v.size(), v) != 0) {
            return "die Zeile \"" + std::string(v.substr(0, v.size() - 2)) + "\" fehlt";
        }
        *ziel = zeile.substr(v.size());
    }
    while (std::getline(zeilen, zeile)) {
        Aufgabenergebnis a;
        if (!LiesAufgabe(zeile, e.Aufgaben.size() + 1, a)) {
            return "Aufgabe " + std::to_string(e.Aufgaben.size() + 1) + " ist nicht lesbar";
        }
        e.Aufgaben.push_back(std::move(a));
    }
    if (e.Aufgaben.empty()) {
        return std::string("keine Aufgaben");
    }
    return e;
}

} // namespace kalotri::ergebnis
