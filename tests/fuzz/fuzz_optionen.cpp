// SPDX-License-Identifier: GPL-3.0-or-later
// kalotri-rechne's command line: the input is split at NUL bytes into arguments. Reading
// them must end in options or in one error line that cannot steer a terminal; accepted
// options keep a usable separator and a count text taken from the arguments.

#include "optionen.h"
#include "dezimalen.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Erwarte(bool bedingung) {
    if (!bedingung) {
        std::abort();
    }
}

bool Steuerzeichen(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace kalotri;
    std::vector<std::string> argumente;
    std::string_view rest(reinterpret_cast<const char*>(daten), groesse);
    while (!rest.empty() && argumente.size() < 16) {
        const auto ende = rest.find('\0');
        argumente.emplace_back(rest.substr(0, ende));
        rest = ende == std::string_view::npos ? std::string_view() : rest.substr(ende + 1);
    }

    const rechne::OptionenErgebnis ergebnis = rechne::LiesOptionen(argumente);
    if (ergebnis.Fehler) {
        const std::string& text = *ergebnis.Fehler;
        Erwarte(!text.empty() && text.back() != '.');
        Erwarte(std::none_of(text.begin(), text.end(),
                             [](char c) { return Steuerzeichen(static_cast<unsigned char>(c)); }));
        return 0;
    }
    const rechne::Optionen& o = ergebnis.Werte;
    Erwarte(!o.Json || std::find(argumente.begin(), argumente.end(), "--json") != argumente.end());
    Erwarte(!o.Rechenweg ||
            std::find(argumente.begin(), argumente.end(), "--rechenweg") != argumente.end());
    if (o.Trennzeichen) {
        const std::string& t = *o.Trennzeichen;
        Erwarte(!t.empty());
        Erwarte(std::none_of(t.begin(), t.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return Steuerzeichen(b) || b == ' ' || b == '+' || b == '-' || (b >= '0' && b <= '9');
        }));
    }
    const bool ausArgument =
        o.DezimalenText == "3" ||
        std::any_of(argumente.begin(), argumente.end(), [&](const std::string& a) {
            return a == o.DezimalenText || a == "--dezimalen=" + o.DezimalenText;
        });
    Erwarte(ausArgument);
    const std::optional<Dezimalen> stellen = Dezimalen::Lies(o.DezimalenText);
    Erwarte(!stellen || stellen->Maske().starts_with("0."));
    return 0;
}
