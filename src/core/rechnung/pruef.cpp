// SPDX-License-Identifier: GPL-3.0-or-later
#include "pruef.h"

#include "zeichenwandlung.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace kalotri {

namespace {

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

// Beyond these decimal exponents the value is certainly infinite or zero as a double;
// cutting off there keeps absurd exponents from overflowing our own arithmetic.
constexpr std::int64_t ExponentGrenze = 1'000'000'000;
constexpr std::int64_t UeberlaufAb = 310;
constexpr std::int64_t UnterlaufUnter = -330;

struct Zahlzerlegung {
    bool negativ = false;
    std::string_view ganz;     // digits before the point
    std::string_view bruch;    // digits after the point
    std::int64_t exponent = 0; // saturated at ±ExponentGrenze
};

std::optional<Zahlzerlegung> Zerlege(std::string_view t) {
    Zahlzerlegung z;
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') {
        ++i;
    }
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        z.negativ = t[i] == '-';
        ++i;
    }
    const std::size_t ganzAnfang = i;
    while (i < t.size() && IstZiffer(t[i])) {
        ++i;
    }
    z.ganz = t.substr(ganzAnfang, i - ganzAnfang);
    bool mitPunkt = false;
    if (i < t.size() && t[i] == '.') {
        mitPunkt = true;
        const std::size_t bruchAnfang = ++i;
        while (i < t.size() && IstZiffer(t[i])) {
            ++i;
        }
        z.bruch = t.substr(bruchAnfang, i - bruchAnfang);
    }
    const bool mitMantisse = mitPunkt || !z.ganz.empty();
    bool mitExponent = false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool expNegativ = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            expNegativ = t[i] == '-';
            ++i;
        }
        if (i == t.size() || !IstZiffer(t[i])) {
            return std::nullopt;
        }
        while (i < t.size() && IstZiffer(t[i])) {
            z.exponent = std::min(z.exponent * 10 + (t[i] - '0'), ExponentGrenze);
            ++i;
        }
        if (expNegativ) {
            z.exponent = -z.exponent;
        }
        mitExponent = true;
    }
    // Only blanks, or a lone sign, is not a number; "." and "e5" are (both zero).
    if (i != t.size() || (!mitMantisse && !mitExponent)) {
        return std::nullopt;
    }
    return z;
}

TPruef Fehlerhaft() {
    return TPruef{0, StatusFehlerhaft, {}};
}

TPruef Gegeben(double wert, bool negativ) {
    return TPruef{negativ ? -wert : wert, StatusGegeben, {}};
}

} // namespace

std::string KommaZuPunkt(std::string_view text) {
    std::string ergebnis(text);
    std::replace(ergebnis.begin(), ergebnis.end(), ',', '.');
    return ergebnis;
}

TPruef LiesWert(std::string_view text) {
    if (text.empty()) {
        return TPruef{0, StatusLeer, {}};
    }
    if (text.size() > MaxTextLaenge) {
        return Fehlerhaft();
    }
    const std::string punktText = KommaZuPunkt(text);
    const auto z = Zerlege(punktText);
    if (!z) {
        return Fehlerhaft();
    }

    // Reduce to 0.<ziffern> × 10^stelle with no leading or trailing zeros, so that the
    // conversion below sees a bounded exponent however the text was written.
    std::string ziffern;
    ziffern.reserve(z->ganz.size() + z->bruch.size());
    ziffern.append(z->ganz).append(z->bruch);
    const auto erste = ziffern.find_first_not_of('0');
    if (erste == std::string::npos) {
        return Gegeben(0.0, z->negativ);
    }
    const auto letzte = ziffern.find_last_not_of('0');
    const std::int64_t stelle =
        static_cast<std::int64_t>(z->ganz.size()) - static_cast<std::int64_t>(erste) + z->exponent;
    if (stelle > UeberlaufAb) {
        return Fehlerhaft();
    }
    if (stelle < UnterlaufUnter) {
        return Gegeben(0.0, z->negativ);
    }

    std::string normiert = "0.";
    normiert.append(ziffern, erste, letzte - erste + 1);
    normiert += 'e';
    normiert += std::to_string(stelle);

    const GelesenerWert gelesen = LiesDouble(normiert);
    if (gelesen.Stand == GelesenerWert::Stand::AusserBereich) {
        // Both directions are reported alike; the exponent tells them apart.
        // A value beyond double is refused rather than turned into an overflow fault.
        return stelle > 0 ? Fehlerhaft() : Gegeben(0.0, z->negativ);
    }
    if (gelesen.Stand == GelesenerWert::Stand::Fehlerhaft) {
        return Fehlerhaft();
    }
    return Gegeben(gelesen.Wert, z->negativ);
}

} // namespace kalotri
