// SPDX-License-Identifier: GPL-3.0-or-later
#include "ziffern.h"

namespace kalotri {

void ZaehleHoch(std::string& ziffern) {
    for (auto i = ziffern.size(); i-- > 0;) {
        if (ziffern[i] != '9') {
            ++ziffern[i];
            return;
        }
        ziffern[i] = '0';
    }
    ziffern.insert(ziffern.begin(), '1');
}

int DezimalenAusMaske(std::string_view maske) {
    const auto punkt = maske.find('.');
    if (punkt == std::string_view::npos) {
        return 0;
    }
    int n = 0;
    for (auto i = punkt + 1; i < maske.size(); ++i) {
        if (maske[i] == '0') {
            ++n;
        }
    }
    return n;
}

std::string FestGerundet(std::string_view ziffern, int exponent, bool negativ, int n,
                         std::string_view trennzeichen) {
    // gerundet: the digits of round(|x| × 10^n), cut from the expansion.
    std::string gerundet;
    const auto stellen = static_cast<int>(ziffern.size());
    if (stellen > 0) {
        const int behalten = exponent + n + 1;
        if (behalten > 0) {
            gerundet = std::string(ziffern.substr(0, static_cast<std::size_t>(behalten)));
            if (behalten > stellen) {
                gerundet.append(static_cast<std::size_t>(behalten - stellen), '0');
            }
        }
        if (behalten >= 0 && behalten < stellen &&
            ziffern[static_cast<std::size_t>(behalten)] >= '5') {
            ZaehleHoch(gerundet);
        }
    }
    const bool nurNullen = gerundet.find_first_not_of('0') == std::string::npos;
    const auto mindestLaenge = static_cast<std::size_t>(n) + 1;
    if (gerundet.size() < mindestLaenge) {
        gerundet.insert(0, mindestLaenge - gerundet.size(), '0');
    }
    std::string text = negativ && !nurNullen ? "-" : "";
    const auto ganzzahlig = gerundet.size() - static_cast<std::size_t>(n);
    text.append(gerundet, 0, ganzzahlig);
    if (n > 0) {
        text.append(trennzeichen);
        text.append(gerundet, ganzzahlig);
    }
    return text;
}

} // namespace kalotri
