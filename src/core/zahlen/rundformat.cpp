// SPDX-License-Identifier: GPL-3.0-or-later
#include "rundformat.h"

#include "zahlform.h"

#include <cstdint>

namespace kalotri {

namespace {

int HexWert(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::optional<std::int32_t> LiesGanzzahl(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    int basis = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        basis = 16;
        i += 1;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        basis = 16;
        i += 2;
    }
    // Hexadecimal is held to the signed range like decimal: read as two's complement,
    // "-$FFFFFFFF" would come out as +1.
    const std::uint64_t grenze = negativ ? 0x8000'0000u : 0x7FFF'FFFFu;
    if (i == text.size()) {
        return std::nullopt;
    }
    std::uint64_t wert = 0;
    for (; i < text.size(); ++i) {
        const int ziffer = HexWert(text[i]);
        if (ziffer < 0 || ziffer >= basis) {
            return std::nullopt;
        }
        wert = wert * static_cast<std::uint64_t>(basis) + static_cast<std::uint64_t>(ziffer);
        if (wert > grenze) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negativ ? -static_cast<std::int64_t>(wert)
                                             : static_cast<std::int64_t>(wert));
}

std::string MaskeFuerAnzahl(std::int32_t anzahl) {
    // One zero more than the longest accepted mask holds is enough to be refused.
    constexpr std::int32_t hoechstens = static_cast<std::int32_t>(MaskeMaxLaenge) - 1;
    std::string maske = "0.";
    if (anzahl > 0) {
        maske.append(static_cast<std::size_t>(anzahl < hoechstens ? anzahl : hoechstens), '0');
    }
    return maske;
}

} // namespace kalotri
