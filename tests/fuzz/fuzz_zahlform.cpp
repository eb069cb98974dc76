// SPDX-License-Identifier: GPL-3.0-or-later
// Both number forms on arbitrary doubles (NaN, infinities, denormals included) and masks
// of any length: the only acceptable failure is the "too long" error of an over-long mask.

#include "fehler.h"
#include "rundformat.h"
#include "zahlform.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace kalotri;
    if (groesse < sizeof(double) + 2)
        return 0;
    double x;
    std::memcpy(&x, daten, sizeof x);
    const int anzahl = static_cast<int>(daten[sizeof x]) - 16; // a few negatives, up to 239
    const std::string trennzeichen = (daten[sizeof x + 1] & 1) ? "," : ".";
    const std::string maske = MaskeFuerAnzahl(anzahl);

    try {
        if (FesteForm(x, maske, trennzeichen).empty())
            std::abort();
    } catch (const KalotriFehler&) {
        if (maske.size() <= MaskeMaxLaenge)
            std::abort();
    }
    if (AllgemeineForm(x, trennzeichen).empty())
        std::abort();
    return 0;
}
