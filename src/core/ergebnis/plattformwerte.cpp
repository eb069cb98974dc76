// SPDX-License-Identifier: GPL-3.0-or-later
#include "plattformwerte.h"

#include "antwortleser.h"
#include "fortsetzung.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <iomanip>
#include <locale>
#include <sstream>

namespace kalotri::ergebnis {

Startentscheid EntscheideStart(const Versuch& v) {
    // A platform opens a finished attempt again for review; only it starts a new one.
    const bool abgeschlossen =
        v.Status == "passed" || v.Status == "failed" || v.Status == "completed";
    auto stand = LiesPause(v.Pause);
    if (v.Modus == "review" || v.Modus == "browse" || v.Wertung == "no-credit" || abgeschlossen) {
        const Beginn art = stand || abgeschlossen ? Beginn::Ansehen : Beginn::Vorschau;
        return {art, std::move(stand)};
    }
    if (stand && v.Eintritt != "ab-initio") {
        return {stand->Fertig ? Beginn::Ansehen : Beginn::Fortsetzen, std::move(stand)};
    }
    return {Beginn::Neu, std::nullopt};
}

std::optional<int> LiesSchwelle(std::string_view text) {
    const auto punkt = text.find('.');
    const std::string_view ganz = text.substr(0, punkt);
    std::string_view bruch = punkt == std::string_view::npos ? "" : text.substr(punkt + 1);
    int wert = 0;
    const auto [ende, fehler] = std::from_chars(ganz.data(), ganz.data() + ganz.size(), wert);
    if (ganz.empty() || fehler != std::errc() || ende != ganz.data() + ganz.size() ||
        bruch.size() > 2 || (punkt != std::string_view::npos && bruch.empty())) {
        return std::nullopt;
    }
    int hundertstel = wert * 100;
    for (std::size_t i = 0; i < 2; ++i) {
        const char z = i < bruch.size() ? bruch[i] : '0';
        if (z < '0' || z > '9') {
            return std::nullopt;
        }
        hundertstel += (z - '0') * (i == 0 ? 10 : 1);
    }
    if (wert < 0 || ganz[0] == '-' || hundertstel > 10000) {
        return std::nullopt;
    }
    return hundertstel;
}

Meldung Melde(int punkte, int hoechstens, bool fertig, std::optional<int> schwelle,
              bool plattformUrteilt) {
    Meldung m;
    if (!fertig) {
        m.Status = "incomplete";
    } else if (!schwelle) {
        m.Status = "completed";
    } else {
        // punkte/hoechstens >= schwelle/10000, in integers: no rounding can tip it.
        const long long links = 10000LL * punkte;
        const long long rechts = static_cast<long long>(*schwelle) * hoechstens;
        m.Status = links >= rechts ? "passed" : "failed";
    }
    if (!fertig && plattformUrteilt) {
        return m;
    }
    const long long hundertstel =
        hoechstens > 0 ? std::clamp(10000LL * punkte / hoechstens, 0LL, 10000LL) : 0;
    const long long rest = hundertstel % 100;
    std::string roh =
        std::to_string(hundertstel / 100) + (rest < 10 ? ".0" : ".") + std::to_string(rest);
    while (roh.back() == '0') {
        roh.pop_back();
    }
    if (roh.back() == '.') {
        roh.pop_back();
    }
    m.Rohwert = roh;
    return m;
}

std::string Zeitspanne(std::int64_t hundertstel) {
    // Four digits of hours at most; a longer session is not one a pupil sits through.
    const std::int64_t h = std::clamp<std::int64_t>(hundertstel, 0, 9999LL * 360000 + 359999);
    std::array<char, 24> text{};
    std::snprintf(text.data(), text.size(), "%04lld:%02lld:%02lld.%02lld",
                  static_cast<long long>(h / 360000), static_cast<long long>(h / 6000 % 60),
                  static_cast<long long>(h / 100 % 60), static_cast<long long>(h % 100));
    return text.data();
}

std::string Uhrzeit(std::int64_t hundertstel) {
    const std::int64_t h = ((hundertstel % 8640000) + 8640000) % 8640000;
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02lld:%02lld:%02lld",
                  static_cast<long long>(h / 360000), static_cast<long long>(h / 6000 % 60),
                  static_cast<long long>(h / 100 % 60));
    return text.data();
}

namespace {

constexpr std::array<const char*, 6> FeldKennung = {"a", "b", "c", "alpha", "beta", "gamma"};

// A pupil's number as a CMIDecimal, as the engine reads it, with the decimals typed: the
// answer's own reading, never a second one.
std::optional<std::string> AlsDezimal(std::string_view antwort) {
    const auto zahl = uebung::LiesAntworttext(antwort, {});
    if (zahl.Art != uebung::Lesart::Zahl) {
        return std::nullopt;
    }
    std::ostringstream aus;
    aus.imbue(std::locale::classic());
    aus << std::fixed << std::setprecision(zahl.Dezimalen) << zahl.Wert;
    return aus.str();
}

std::string Kurz(std::string_view text, std::size_t hoechstens) {
    std::string aus(text.substr(0, hoechstens));
    while (!aus.empty() && (static_cast<unsigned char>(aus.back()) & 0xC0) == 0x80) {
        aus.pop_back(); // not half a character at the cut
    }
    if (!aus.empty() && static_cast<unsigned char>(aus.back()) >= 0xC0) {
        aus.pop_back();
    }
    return aus;
}

} // namespace

Interaktion ZuInteraktion(std::size_t aufgabe, const uebung::Frage& frage, std::string_view antwort,
                          uebung::Note note, std::string_view richtig) {
    Interaktion i;
    const bool anzahl = frage.Art == uebung::Frageart::Anzahl;
    i.Id = "a" + std::to_string(aufgabe + 1) + "_" +
           (anzahl ? std::string("anzahl")
                   : FeldKennung[static_cast<std::size_t>(frage.Groesse)] +
                         (frage.Dreieck > 0 ? "_" + std::to_string(frage.Dreieck + 1) : ""));
    const auto zahl = AlsDezimal(antwort);
    if (anzahl && antwort.size() == 1 && antwort[0] >= '0' && antwort[0] <= '9') {
        i.Typ = "choice";
        i.Antwort = std::string(antwort);
    } else if (!anzahl && zahl) {
        i.Typ = "numeric";
        i.Antwort = *zahl;
    } else {
        i.Typ = "fill-in";
        i.Antwort = Kurz(antwort, 255);
    }
    // One of two points is neither right nor plainly wrong.
    const bool teils = note == uebung::Note::NurRundung || note == uebung::Note::Folgefehler;
    i.Ergebnis = note == uebung::Note::Richtig ? "correct" : teils ? "neutral" : "wrong";
    std::string_view ohneGrad = richtig;
    if (ohneGrad.size() >= 2 && ohneGrad.substr(ohneGrad.size() - 2) == "°") {
        ohneGrad.remove_suffix(2);
    }
    i.Richtig = AlsDezimal(ohneGrad).value_or(std::string(ohneGrad));
    return i;
}

} // namespace kalotri::ergebnis
