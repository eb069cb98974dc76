// SPDX-License-Identifier: GPL-3.0-or-later
// The whole calculation command on arbitrary box texts and letters. The first byte picks
// the number of decimals; the rest is split at TAB into up to six box texts and six
// letters, as kalotri-rechne reads its lines.

#include "rechner.h"
#include "rundformat.h"
#include "scriptprotokoll.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace kalotri;
    if (groesse < 1) {
        return 0;
    }
    Zahlformat format;
    format.Maske = MaskeFuerAnzahl(daten[0] % 12);
    std::string_view rest(reinterpret_cast<const char*>(daten + 1), groesse - 1);

    Eingabe eingabe;
    for (std::size_t i = 0; i < 12 && !rest.empty(); ++i) {
        const auto tab = rest.find('\t');
        (i < 6 ? eingabe.Texte[i] : eingabe.Buchstaben[i - 6]) = std::string(rest.substr(0, tab));
        rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
    }

    ScriptProtokoll script;
    TRechner rechner(script);
    // Rechne turns the program's own errors into Fehler; anything that escapes it aborts.
    const Ausgang ausgang = rechner.Rechne(eingabe, format);
    // A message comes before any Script line, and only messages move the focus.
    if (ausgang.Meldung && (ausgang.Fehler || !script.Zeilen().empty())) {
        std::abort();
    }
    if (ausgang.Fokus && !ausgang.Meldung) {
        std::abort();
    }
    return 0;
}
