// SPDX-License-Identifier: GPL-3.0-or-later
#include "cloze.h"

#include "zahlform.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kalotri::blatt {

std::string ClozeHtml(std::string_view text) {
    std::string html;
    html.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '\'':
            html += "&#39;";
            break;
        // The gap syntax's own characters: a reference carries none of them but "#",
        // which Moodle reads as a feedback mark only after an answer, never after "&".
        case '"':
            html += "&#34;";
            break;
        case '#':
            html += "&#35;";
            break;
        case '/':
            html += "&#47;";
            break;
        case '\\':
            html += "&#92;";
            break;
        case '{':
            html += "&#123;";
            break;
        case '}':
            html += "&#125;";
            break;
        case '~':
            html += "&#126;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

std::string ClozeRueckmeldung(std::string_view text) {
    std::string rueckmeldung;
    for (const char c : ClozeHtml(text)) {
        rueckmeldung += c == '&' ? std::string("&amp;") : std::string(1, c);
    }
    return rueckmeldung;
}

std::string ClozeZahl(double wert) {
    // A teacher reads the gaps in the question editor: 0.0005 rather than 5e-04 where the
    // plain form stays short.
    if (const double betrag = std::abs(wert); betrag >= 1e-6 && betrag < 1e15) {
        std::array<char, 64> text{};
        const auto [ende, fehler] =
            std::to_chars(text.data(), text.data() + text.size(), wert, std::chars_format::fixed);
        if (fehler == std::errc()) {
            return std::string(text.data(), ende);
        }
    }
    return RundreiseForm(wert);
}

namespace {

// What a gap's reader makes of the text; beyond the largest double, infinity (from_chars
// would leave the number untouched, and the rounding below would never end).
double Gelesen(const std::string& text) {
    double y = 0;
    const auto ergebnis = std::from_chars(text.data(), text.data() + text.size(), y);
    return ergebnis.ec == std::errc::result_out_of_range ? std::numeric_limits<double>::infinity()
                                                         : y;
}

} // namespace

double AufgerundeteToleranz(double toleranz) {
    if (!(toleranz > 0) || !std::isfinite(toleranz)) {
        return toleranz;
    }
    // Two digits and an exponent, read back as a gap's reader would, whatever the C locale
    // says; the digits go up until the number read is not below the one computed.
    const int exponent = static_cast<int>(std::floor(std::log10(toleranz))) - 1;
    auto ziffern = static_cast<long long>(std::ceil(toleranz / std::pow(10.0, exponent)));
    double wert = Gelesen(std::to_string(ziffern) + "e" + std::to_string(exponent));
    // The text is within a unit of its last digit from the number; a step or two is enough.
    for (int schritt = 0; wert < toleranz && schritt < 100; ++schritt) {
        wert = Gelesen(std::to_string(++ziffern) + "e" + std::to_string(exponent));
    }
    return wert >= toleranz ? wert : std::numeric_limits<double>::infinity();
}

std::string NumerischeLuecke(double wert, double toleranz, std::string_view richtig,
                             std::string_view falsch) {
    return "{1:NUMERICAL:=" + ClozeZahl(wert) + ":" + ClozeZahl(toleranz) + "#" +
           ClozeRueckmeldung(richtig) + "~*#" + ClozeRueckmeldung(falsch) + "}";
}

std::string ClozeDezimal(long double wert, int stellen) {
    std::string text(80 + static_cast<std::size_t>(std::max(stellen, 0)), '\0');
    const auto [ende, fehler] = std::to_chars(text.data(), text.data() + text.size(), wert,
                                              std::chars_format::fixed, std::max(stellen, 0));
    if (fehler != std::errc()) {
        return RundreiseForm(static_cast<double>(wert));
    }
    text.resize(static_cast<std::size_t>(ende - text.data()));
    return text;
}

std::string FeldLuecke(const frage::Antwortfeld& feld, std::string_view richtig,
                       std::string_view falsch) {
    const int dezimalen = feld.Dezimalen;
    const frage::Bereich& b = frage::Richtig(feld);
    // Below a few units of the double's last place no typed number could hit it.
    const long double boden = std::abs(feld.Wert) * 4 * std::numeric_limits<double>::epsilon();
    const auto alternative = [&](const std::string& wert, long double toleranz) {
        const std::string t = toleranz >= boden
                                  ? ClozeDezimal(toleranz, dezimalen + 1)
                                  : ClozeZahl(AufgerundeteToleranz(static_cast<double>(boden)));
        return "=" + wert + ":" + t + "#" + ClozeRueckmeldung(richtig);
    };
    const long double halbeEinheit = 0.5L * std::pow(10.0L, static_cast<long double>(-dezimalen));
    std::string luecke = "{1:NUMERICAL:";
    // Moodle takes the first alternative that holds an answer: the numbers inside the
    // accepted interval that no route gives (one decimal fewer) come first, for no marks.
    for (const frage::Bereich& aus : feld.Bereiche) {
        if (&aus == &b) {
            break;
        }
        const std::string warum =
            "Zu wenige Nachkommastellen: runde " + routen::Stellenworte(dezimalen) + ".";
        luecke += "%0%" + ClozeDezimal(aus.Unten, dezimalen) + ":" +
                  ClozeDezimal(halbeEinheit / 5, dezimalen + 1) + "#" + ClozeRueckmeldung(warum) +
                  "~";
    }
    luecke += alternative(ClozeDezimal(feld.Gerundet, dezimalen), halbeEinheit);
    if (b.Unten < feld.Gerundet - halbeEinheit || b.Oben > feld.Gerundet + halbeEinheit) {
        luecke += "~" + alternative(ClozeDezimal((b.Unten + b.Oben) / 2, dezimalen + 1),
                                    (b.Oben - b.Unten) / 2);
    }
    return luecke + "~*#" + ClozeRueckmeldung(falsch) + "}";
}

std::string AuswahlLuecke(const std::vector<std::string>& wahl, std::size_t richtig,
                          std::string_view rueckmeldung) {
    std::string luecke = "{1:MULTICHOICE:";
    for (std::size_t i = 0; i < wahl.size(); ++i) {
        luecke += i > 0 ? "~" : "";
        if (i == richtig) {
            luecke += "=" + ClozeRueckmeldung(wahl[i]) + "#" + ClozeRueckmeldung(rueckmeldung);
        } else {
            luecke += ClozeRueckmeldung(wahl[i]);
        }
    }
    return luecke + "}";
}

} // namespace kalotri::blatt
