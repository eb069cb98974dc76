// SPDX-License-Identifier: GPL-3.0-or-later
// Box texts and count texts of any shape: LiesWert and LiesGanzzahl must always answer,
// and LiesWert's answer must be one the calculation command can rely on.

#include "pruef.h"
#include "rundformat.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace kalotri;
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);

    const TPruef p = LiesWert(text);
    const bool stimmig = (p.Status == StatusLeer && text.empty() && p.Wert == 0) ||
                         (p.Status == StatusFehlerhaft && !text.empty() && p.Wert == 0) ||
                         (p.Status == StatusGegeben && !text.empty() && std::isfinite(p.Wert));
    if (!stimmig || !p.Name.empty()) {
        std::abort();
    }

    // "," and "." are the same decimal point, whatever else the text holds.
    const TPruef q = LiesWert(KommaZuPunkt(text));
    if (q.Status != p.Status || std::signbit(q.Wert) != std::signbit(p.Wert) ||
        !(q.Wert == p.Wert)) {
        std::abort();
    }

    if (const auto n = LiesGanzzahl(text)) {
        const RundFormatErgebnis ergebnis = RundFormatAusText(text);
        if (ergebnis.Fehler || ergebnis.Maske.substr(0, 2) != "0.") {
            std::abort();
        }
    }
    return 0;
}
