// SPDX-License-Identifier: GPL-3.0-or-later
#include "antwortleser.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <utility>

namespace kalotri::uebung {

namespace {

// Characters a keyboard, a phone or a copied sheet gives in place of the plain ones.
constexpr std::array<std::pair<std::string_view, std::string_view>, 12> Ersatz = {{
    {"\u00A0", " "}, // no-break space
    {"\u202F", " "}, // narrow no-break space, the thousands gap of printed numbers
    {"\u2009", " "}, // thin space
    {"\u2212", "-"}, // minus sign
    {"\u2010", "-"}, // hyphen
    {"\u2011", "-"}, // non-breaking hyphen
    {"\u2012", "-"}, // figure dash
    {"\u2013", "-"}, // en dash
    {"\u2014", "-"}, // em dash
    {"\u00BA", "°"}, // masculine ordinal, next to ° on many keyboards
    {"\u02DA", "°"}, // ring above
    {"\t", " "},
}};

std::string Vereinheitlicht(std::string_view text) {
    std::string aus;
    while (!text.empty()) {
        const auto treffer = std::find_if(Ersatz.begin(), Ersatz.end(), [&](const auto& e) {
            return text.substr(0, e.first.size()) == e.first;
        });
        if (treffer != Ersatz.end()) {
            aus += treffer->second;
            text.remove_prefix(treffer->first.size());
        } else {
            aus += text.front();
            text.remove_prefix(1);
        }
    }
    const auto anfang = aus.find_first_not_of(' ');
    if (anfang == std::string::npos) {
        return {};
    }
    return aus.substr(anfang, aus.find_last_not_of(' ') - anfang + 1);
}

std::string Klein(std::string_view text) {
    std::string aus(text);
    for (char& z : aus) {
        z = z >= 'A' && z <= 'Z' ? static_cast<char>(z - 'A' + 'a') : z;
    }
    return aus;
}

bool Ziffer(char z) {
    return z >= '0' && z <= '9';
}

// Units a pupil might type; one of them where another is asked is told as such.
constexpr std::array<std::string_view, 16> Einheiten = {"°",  "grad", "m",   "cm", "mm", "dm",
                                                        "km", "n",    "kn",  "m²", "m2", "m^2",
                                                        "qm", "cm²",  "km²", "ha"};

bool PasstEinheit(const std::string& typ, const Antwortform& form) {
    if (form.Anzahl) {
        return typ == "dreieck" || typ == "dreiecke";
    }
    const std::string soll = Klein(form.Einheit);
    if (soll == "°") {
        return typ == "°" || typ == "grad";
    }
    if (soll == "m²") {
        return typ == "m²" || typ == "m2" || typ == "m^2" || typ == "qm";
    }
    return !soll.empty() && typ == soll;
}

// The digits of "1.097,64" as "1097.64" with the count of decimals, or why not.
Lesart Ziffernfolge(const std::string& rumpf, std::string& zahl, int& dezimalen, bool dreiStellen) {
    const auto letztes = rumpf.find_last_of(".,");
    const bool punkt = rumpf.find('.') != std::string::npos;
    const bool komma = rumpf.find(',') != std::string::npos;
    const auto wieOft = [&](char z) { return std::count(rumpf.begin(), rumpf.end(), z); };
    std::size_t ende = rumpf.size(); // where the whole part ends
    char gruppe = ' ';
    if (punkt && komma) {
        ende = letztes;
        gruppe = rumpf[letztes] == ',' ? '.' : ',';
        if (wieOft(rumpf[letztes]) > 1) {
            return Lesart::KeineZahl;
        }
    } else if (punkt || komma) {
        const char z = punkt ? '.' : ',';
        if (wieOft(z) > 1) {
            gruppe = z;
        } else {
            ende = letztes;
            // "1.097" would be a thousand on a German sheet and barely more than one on a
            // calculator, unless three decimals are asked; "0.097" and "1,097" are no puzzle.
            const bool drei = rumpf.size() - letztes - 1 == 3;
            if (z == '.' && drei && !dreiStellen && letztes <= 3 && rumpf[0] != '0' &&
                rumpf.find(' ') == std::string::npos) {
                return Lesart::Mehrdeutig;
            }
        }
    }
    // The whole part: the first group of one to three digits, every further one of three.
    std::size_t gruppenlaenge = 0;
    bool gruppiert = false;
    for (std::size_t i = 0; i < ende; ++i) {
        const char z = rumpf[i];
        if (Ziffer(z)) {
            zahl += z;
            ++gruppenlaenge;
        } else if (z == gruppe || z == ' ') {
            if (gruppenlaenge == 0 || gruppenlaenge > 3 || (gruppiert && gruppenlaenge != 3)) {
                return Lesart::KeineZahl;
            }
            gruppiert = true;
            gruppenlaenge = 0;
        } else {
            return Lesart::KeineZahl;
        }
    }
    if (gruppiert && gruppenlaenge != 3) {
        return Lesart::KeineZahl;
    }
    dezimalen = 0;
    if (ende < rumpf.size()) {
        zahl += '.';
        for (std::size_t i = ende + 1; i < rumpf.size(); ++i) {
            if (!Ziffer(rumpf[i])) {
                return Lesart::KeineZahl;
            }
            zahl += rumpf[i];
            ++dezimalen;
        }
    }
    return Lesart::Zahl;
}

std::optional<int> Zahlwort(const std::string& wort) {
    for (const auto& [text, wert] :
         std::array<std::pair<std::string_view, int>, 8>{{{"keine", 0},
                                                          {"kein", 0},
                                                          {"keins", 0},
                                                          {"null", 0},
                                                          {"ein", 1},
                                                          {"eins", 1},
                                                          {"eines", 1},
                                                          {"zwei", 2}}}) {
        if (wort == text) {
            return wert;
        }
    }
    return std::nullopt;
}

} // namespace

GeleseneAntwort LiesAntworttext(std::string_view eingabe, const Antwortform& form) {
    const std::string text = Vereinheitlicht(eingabe);
    if (text.empty()) {
        return {};
    }
    std::size_t i = 0;
    const bool minus = text[0] == '-';
    i += text[0] == '-' || text[0] == '+' ? 1 : 0;
    while (i > 0 && i < text.size() && text[i] == ' ') {
        ++i; // "- 5" as written by hand
    }
    // The number: digits and separators, a blank only between digits.
    const std::size_t anfang = i;
    while (i < text.size() && (Ziffer(text[i]) || text[i] == '.' || text[i] == ',' ||
                               (text[i] == ' ' && i > anfang && Ziffer(text[i - 1]) &&
                                i + 1 < text.size() && Ziffer(text[i + 1])))) {
        ++i;
    }
    const std::string rumpf = text.substr(anfang, i - anfang);
    std::string rest = Klein(text.substr(std::min(text.size(), text.find_first_not_of(' ', i))));
    GeleseneAntwort a;
    if (rumpf.empty() && form.Anzahl && anfang == 0) {
        // "keine", "zwei Dreiecke"
        const auto luecke = rest.find(' ');
        const auto wert = Zahlwort(rest.substr(0, luecke));
        const std::string danach =
            luecke == std::string::npos ? "" : rest.substr(rest.find_first_not_of(' ', luecke));
        if (wert && (danach.empty() || PasstEinheit(danach, form))) {
            a.Art = Lesart::Zahl;
            a.Wert = *wert;
            return a;
        }
    }
    if (std::count_if(rumpf.begin(), rumpf.end(), Ziffer) == 0) {
        a.Art = Lesart::KeineZahl;
        return a;
    }
    if (!rest.empty() && !PasstEinheit(rest, form)) {
        const bool bekannt = std::find(Einheiten.begin(), Einheiten.end(), rest) != Einheiten.end();
        a.Art = bekannt ? Lesart::FremdeEinheit : Lesart::KeineZahl;
        return a;
    }
    std::string zahl = minus ? "-" : "";
    a.Art = Ziffernfolge(rumpf, zahl, a.Dezimalen, form.Dezimalen >= 3);
    if (a.Art == Lesart::Zahl && zahl.size() > 32) {
        a.Art = Lesart::KeineZahl; // no pupil types 30 digits; strtold would take them all
    }
    if (a.Art == Lesart::Zahl) {
        a.Wert = std::strtold(zahl.c_str(), nullptr);
    }
    return a;
}

std::string Lesehinweis(Lesart art, const Antwortform& form) {
    switch (art) {
    case Lesart::KeineZahl:
        if (form.Anzahl) {
            return "keine Zahl: gib die Anzahl als Ziffer ein, etwa 2";
        }
        // The example with the unit the pupil may add, so that no one drops a right unit.
        return "keine Zahl: schreibe sie wie 81,79" + (form.Einheit.empty() ? std::string()
                                                       : form.Einheit == "°"
                                                           ? std::string(" oder 81,79°")
                                                           : " oder 81,79 " + form.Einheit);
    case Lesart::Mehrdeutig:
        return "keine Zahl: ist der Punkt ein Tausenderpunkt oder ein Komma? Schreibe 1097 oder "
               "1,097";
    case Lesart::FremdeEinheit:
        if (form.Anzahl) {
            return "keine Zahl: hier ist nur die Anzahl der Dreiecke gefragt";
        }
        return form.Einheit.empty() ? "keine Zahl: diese Aufgabe hat keine Einheit, gib nur die "
                                      "Zahl ein"
                                    : "keine Zahl: gefragt ist der Wert in " + form.Einheit;
    case Lesart::Zahl:
    case Lesart::Leer:
        break;
    }
    return {};
}

std::string NormaleStriche(std::string_view code) {
    const std::string text = Vereinheitlicht(code);
    std::string aus;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A blank between two parts is a dash; beside a dash it is nothing.
        if (text[i] == ' ') {
            const bool amStrich =
                (!aus.empty() && aus.back() == '-') || (i + 1 < text.size() && text[i + 1] == '-');
            if (!amStrich && !aus.empty() && aus.back() != ' ' && i + 1 < text.size() &&
                text[i + 1] != ' ') {
                aus += '-';
            }
            continue;
        }
        aus += text[i];
    }
    return aus;
}

} // namespace kalotri::uebung
