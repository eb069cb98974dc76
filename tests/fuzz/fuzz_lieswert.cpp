// SPDX-License-Identifier: GPL-3.0-or-later
// Box texts of any shape against a second reading of the number syntax: a regular
// expression written from the syntax, and the C library's correctly rounded strtod for
// the value. LiesWert must give Status 1 exactly for the empty text, Status 0 with that
// value for every text the expression accepts (Status 2 if the value lies beyond double),
// and Status 2 for every other text and every text beyond MaxTextLaenge bytes. "," and
// "." are the same decimal point.

#include "pruef.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

namespace {

using namespace kalotri;

// Blanks, a sign, a mantissa of digits with at most one point, an exponent; something
// must follow the blanks and the sign.
const std::regex& Zahlsyntax() {
    static const std::regex muster(
        R"(^ *([+-]?)(?=[0-9.eE])([0-9]*)(\.([0-9]*))?([eE][+-]?[0-9]+)?$)");
    return muster;
}

void Erwarte(bool bedingung) {
    if (!bedingung) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const TPruef p = LiesWert(text);
    Erwarte(p.Name.empty());
    if (text.empty()) {
        Erwarte(p.Status == StatusLeer && p.Wert == 0);
        return 0;
    }
    Erwarte(p.Status == StatusGegeben || p.Status == StatusFehlerhaft);
    Erwarte(std::isfinite(p.Wert));

    // "," and "." are the same decimal point, whatever else the text holds.
    const std::string punktText = KommaZuPunkt(text);
    const TPruef q = LiesWert(punktText);
    Erwarte(q.Status == p.Status && std::signbit(q.Wert) == std::signbit(p.Wert) &&
            q.Wert == p.Wert);

    if (groesse > MaxTextLaenge) {
        Erwarte(p.Status == StatusFehlerhaft && p.Wert == 0);
        return 0;
    }
    std::smatch teile;
    if (!std::regex_match(punktText, teile, Zahlsyntax())) {
        Erwarte(p.Status == StatusFehlerhaft && p.Wert == 0);
        return 0;
    }
    // The reference reads sign, digits and exponent as the syntax split them.
    const std::string ganz = teile[2].str();
    const std::string bruch = teile[4].str();
    const std::string referenzText = teile[1].str() + (ganz.empty() ? "0" : ganz) + "." +
                                     (bruch.empty() ? "0" : bruch) + teile[5].str();
    errno = 0;
    const double wert = std::strtod(referenzText.c_str(), nullptr);
    if (std::isinf(wert)) {
        Erwarte(p.Status == StatusFehlerhaft && p.Wert == 0);
        return 0;
    }
    Erwarte(p.Status == StatusGegeben && p.Wert == wert &&
            std::signbit(p.Wert) == std::signbit(wert));
    return 0;
}
