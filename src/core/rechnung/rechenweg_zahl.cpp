// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechenweg_zahl.h"

#include "rundformat.h"
#include "zahlform.h"
#include "zahlform_lang.h"

#include <cmath>

namespace kalotri::weg {

namespace {

// The value of a text of digits with one separator, read without the C library, whose
// decimal point follows a locale the window may have set.
long double Lies(std::string_view text, std::string_view trenner, int& dezimalen) {
    long double ganz = 0;
    dezimalen = 0;
    bool nachTrenner = false;
    bool negativ = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-') {
            negativ = true;
        } else if (c >= '0' && c <= '9') {
            ganz = ganz * 10 + (c - '0');
            dezimalen += nachTrenner ? 1 : 0;
        } else if (!trenner.empty() && text.substr(i, trenner.size()) == trenner) {
            nachTrenner = true;
            i += trenner.size() - 1;
        }
    }
    // Dividing by the exact power of ten rounds once.
    const long double wert = ganz / std::pow(10.0L, static_cast<long double>(dezimalen));
    return negativ ? -wert : wert;
}

} // namespace

Zahl Gerundet(long double x, int dezimalen, std::string_view trenner) {
    Zahl z;
    z.Text = FesteFormLang(x, MaskeFuerAnzahl(dezimalen), trenner);
    int gelesen = 0;
    z.Wert = Lies(z.Text, trenner, gelesen);
    z.Dezimalen = gelesen;
    return z;
}

Zahl Gelesen(const std::string& text, std::string_view trenner) {
    Zahl z{text, 0, 0};
    z.Wert = Lies(text, trenner, z.Dezimalen);
    return z;
}

Zahl Allgemein(double wert, std::string_view trenner) {
    Zahl z{AllgemeineForm(wert, trenner), wert, -1};
    if (z.Text.find_first_of("eE") == std::string::npos) {
        z.Wert = Lies(z.Text, trenner, z.Dezimalen);
    }
    return z;
}

Zahl Getippt(std::string_view text, double wert, std::string_view trenner) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::string ganz;
    std::string bruch;
    bool punkt = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            (punkt ? bruch : ganz) += c;
        } else if ((c == ',' || c == '.') && !punkt) {
            punkt = true;
        } else {
            return Allgemein(wert, trenner); // an exponent, a sign inside, …
        }
    }
    const auto erste = ganz.find_first_not_of('0');
    ganz = erste == std::string::npos ? "0" : ganz.substr(erste);
    Zahl z;
    z.Text = bruch.empty() ? ganz : ganz + std::string(trenner) + bruch;
    z.Wert = Lies(z.Text, trenner, z.Dezimalen);
    // Digits beyond what long double holds would not be the value computed with.
    if (ganz.size() + bruch.size() > 18 || static_cast<double>(z.Wert) != wert) {
        return Allgemein(wert, trenner);
    }
    return z;
}

} // namespace kalotri::weg
