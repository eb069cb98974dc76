// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechenweg_zahl.h"

#include "gleitkomma.h"
#include "rundformat.h"
#include "zahlform.h"
#include "zahlform_lang.h"

#include <cmath>

namespace kalotri::weg {

namespace {

// The value of a text of digits with one separator and perhaps an exponent ("4,27E18",
// as the fixed form writes large numbers), read without the C library, whose decimal
// point follows a locale the window may have set. `dezimalen`: the digits after the
// separator, or -1 for a text with an exponent, whose decimals say nothing of its size.
long double Lies(std::string_view text, std::string_view trenner, int& dezimalen) {
    long double ganz = 0;
    dezimalen = 0;
    bool nachTrenner = false;
    bool negativ = false;
    long exponent = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == 'E' || c == 'e') {
            const bool minus = i + 1 < text.size() && text[i + 1] == '-';
            for (std::size_t k = i + 1; k < text.size(); ++k) {
                if (text[k] >= '0' && text[k] <= '9' && exponent < 100000) {
                    exponent = exponent * 10 + (text[k] - '0');
                }
            }
            exponent = minus ? -exponent : exponent;
            break;
        }
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
    // Scaling by one exact power of ten where it can (up to 10^27) rounds once.
    const long zehner = exponent - dezimalen;
    const long double potenz =
        std::pow(10.0L, static_cast<long double>(zehner < 0 ? -zehner : zehner));
    // Through Lang: the value the native program reads, also where long double is wider.
    const long double wert = static_cast<long double>(zehner < 0 ? Lang{ganz} / Lang{potenz}
                                                                 : Lang{ganz} * Lang{potenz});
    dezimalen = exponent != 0 ? -1 : dezimalen;
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

Zahl Wissenschaftlich(long double x, std::string_view trenner) {
    Zahl z;
    z.Text = WissenschaftlichLang(x, trenner);
    z.Wert = Lies(z.Text, trenner, z.Dezimalen);
    return z;
}

Zahl Gelesen(const std::string& text, std::string_view trenner) {
    Zahl z{text, 0, 0};
    z.Wert = Lies(text, trenner, z.Dezimalen);
    return z;
}

Zahl Allgemein(double wert, std::string_view trenner) {
    // The value is the text's, exponent and all: a step computes with what it shows.
    Zahl z{AllgemeineForm(wert, trenner), wert, -1};
    if (std::isfinite(wert)) {
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
