// SPDX-License-Identifier: GPL-3.0-or-later
#include "kommandozeile.h"

#include "sichtbar.h"

namespace kalotri {

bool NimmWert(const std::vector<std::string>& argumente, std::size_t& i, std::string_view name,
              std::optional<std::string>& wert, std::optional<std::string>& fehler) {
    const std::string& arg = argumente[i];
    if (arg == name) {
        if (i + 1 >= argumente.size()) {
            fehler = "Option " + std::string(name) + " braucht einen Wert";
        } else {
            wert = argumente[++i];
        }
        return true;
    }
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
        arg[name.size()] == '=') {
        wert = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

namespace {

bool TaugtAlsTrennzeichen(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || b == ' ' || b == '+' || b == '-' || (b >= '0' && b <= '9')) {
            return false;
        }
    }
    for (const std::string_view leerzeichen : {"\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x87"}) {
        if (text.find(leerzeichen) != std::string_view::npos) {
            return false;
        }
    }
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\xC2' && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> TrennzeichenFehler(std::string_view text) {
    // Without a separator "3,000" would read as three thousand.
    if (text.empty()) {
        return "Das Dezimaltrennzeichen darf nicht leer sein";
    }
    if (!TaugtAlsTrennzeichen(text)) {
        return "Das Dezimaltrennzeichen darf keine Ziffer, kein Vorzeichen, kein Leer- und kein "
               "Steuerzeichen enthalten";
    }
    return std::nullopt;
}

std::string UnbekannteOption(std::string_view argument) {
    std::string text = "Unbekannte Option '";
    HaengeSichtbarAn(text, argument);
    return text + "'";
}

std::string OptionsFehlerMeldung(std::string_view programm, const std::string& fehler) {
    std::string name(programm);
    return name + ": " + fehler + ".\nHilfe mit: " + name + " --help\n";
}

} // namespace kalotri
