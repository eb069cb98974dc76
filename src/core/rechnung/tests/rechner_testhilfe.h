// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the tests of the calculation command: one run on a fresh Script, and
// short ways to write the expected lines with their faces.

#include "rechner.h"
#include "scriptprotokoll.h"

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace kalotri {
// Readable failures: face and text instead of bytes.
inline void PrintTo(const ScriptZeile& z, std::ostream* os) {
    *os << "[" << z.Schrift << "] " << z.Text;
}
} // namespace kalotri

namespace kalotri::test {

inline Eingabe Boxen(std::initializer_list<std::pair<Feld, std::string>> werte) {
    Eingabe e;
    for (const auto& [feld, text] : werte) {
        e.Texte[static_cast<std::size_t>(feld)] = text;
    }
    return e;
}

inline ScriptZeile Sym(std::string text) {
    return {SchriftSymbol, std::move(text)};
}
inline ScriptZeile Ari(std::string text) {
    return {SchriftArial, std::move(text)};
}
inline ScriptZeile Std(std::string text) {
    return {SchriftStandard, std::move(text)};
}

// One calculation of the command on a Script of its own.
struct Lauf {
    explicit Lauf(const Eingabe& eingabe, const Zahlformat& format = {}) {
        ausgang = rechner.Rechne(eingabe, format);
    }

    // The lines after "Berechnet:" (all of them if there is none).
    std::vector<ScriptZeile> Berechnet() const {
        const auto& z = script.Zeilen();
        auto it = std::find_if(z.begin(), z.end(),
                               [](const ScriptZeile& l) { return l.Text == "Berechnet:"; });
        return it == z.end() ? z : std::vector<ScriptZeile>(it + 1, z.end());
    }

    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& l : script.Zeilen()) {
            t.push_back(l.Text);
        }
        return t;
    }

    ScriptProtokoll script;
    TRechner rechner{script};
    Ausgang ausgang;
};

} // namespace kalotri::test
