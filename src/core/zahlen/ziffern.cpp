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

} // namespace kalotri
