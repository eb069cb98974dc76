// SPDX-License-Identifier: GPL-3.0-or-later
#include "symbol.h"

#include <array>

namespace kalotri {

namespace {

// The Adobe Symbol encoding for the printable ASCII codes that it changes; digits,
// the blank, ':' and the remaining punctuation look the same in both faces.
constexpr std::array<const char*, 128> SymbolTabelle = [] {
    std::array<const char*, 128> t{};
    t['"'] = "∀";
    t['$'] = "∃";
    t['\''] = "∋";
    t['*'] = "∗";
    t['-'] = "−";
    t['@'] = "≅";
    t['\\'] = "∴";
    t['^'] = "⊥";
    t['`'] = "‾";
    t['~'] = "∼";
    const char* gross[26] = {"Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι", "ϑ", "Κ", "Λ", "Μ",
                             "Ν", "Ο", "Π", "Θ", "Ρ", "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
    const char* klein[26] = {"α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
                             "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};
    for (int i = 0; i < 26; ++i) {
        t[static_cast<std::size_t>('A' + i)] = gross[i];
        t[static_cast<std::size_t>('a' + i)] = klein[i];
    }
    return t;
}();

} // namespace

std::string SymbolZuUnicode(std::string_view text) {
    std::string ergebnis;
    ergebnis.reserve(text.size() * 2);
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < SymbolTabelle.size() && SymbolTabelle[code] != nullptr) {
            ergebnis += SymbolTabelle[code];
        } else {
            ergebnis += c;
        }
    }
    return ergebnis;
}

} // namespace kalotri
