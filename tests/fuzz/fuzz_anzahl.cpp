// SPDX-License-Identifier: GPL-3.0-or-later
// The count text of the options dialog (and of kalotri-rechne --dezimalen) against a
// regular expression written from its syntax and strtoll for the value: a valid text
// gives the mask of its count, any other the error text and the mask "0.".

#include "dezimalen.h"
#include "rundformat.h"
#include "zahlform.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

namespace {

using namespace kalotri;

void Erwarte(bool bedingung) {
    if (!bedingung) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    // Longer texts only repeat what these show, and std::regex recurses per character.
    if (groesse > 256) {
        return 0;
    }
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    const std::optional<Dezimalen> stellen = Dezimalen::Lies(text);

    static const std::regex muster(R"(^ *([+-]?)(?:(?:\$|0x|0X|x|X)([0-9a-fA-F]+)|([0-9]+))$)");
    std::smatch teile;
    bool gueltig = std::regex_match(text, teile, muster);
    long long anzahl = 0;
    if (gueltig) {
        const bool hex = teile[2].matched;
        errno = 0;
        anzahl = std::strtoll((teile[1].str() + (hex ? teile[2] : teile[3]).str()).c_str(), nullptr,
                              hex ? 16 : 10);
        gueltig = errno == 0 && anzahl >= INT32_MIN && anzahl <= INT32_MAX;
    }
    Erwarte(LiesGanzzahl(text) == (gueltig ? std::optional<std::int32_t>(anzahl) : std::nullopt));
    if (!gueltig) {
        Erwarte(!stellen &&
                Dezimalen::FehlerText(text) == "'" + text + "' ist kein gültiger Integerwert");
        return 0;
    }
    // Counts beyond what a mask may hold need only be too long, not gigabytes long.
    const std::size_t nullen = anzahl <= 0 ? 0 : std::min<long long>(anzahl, MaskeMaxLaenge - 1);
    Erwarte(stellen && stellen->Maske() == "0." + std::string(nullen, '0') &&
            stellen->Geschrieben() == static_cast<int>(nullen));
    return 0;
}
