// SPDX-License-Identifier: GPL-3.0-or-later
#include "kommandozeile.h"

#include "dezimalen.h"
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

std::optional<std::string> DezimalenFehler(std::string_view text) {
    const std::optional<Dezimalen> stellen = Dezimalen::Lies(text);
    if (!stellen) {
        return Sichtbar(Dezimalen::FehlerText(text));
    }
    // The options dialog takes a negative count for none; on a command line it is far
    // more likely a slip (a missing value before the next option's minus) than a wish.
    if (stellen->Anzahl() < 0) {
        return "Die Anzahl der Dezimalen muss 0 oder mehr sein, nicht '" + Sichtbar(text) + "'";
    }
    return std::nullopt;
}

std::string UnbekannteOption(std::string_view argument) {
    std::string text = "Unbekannte Option '";
    HaengeSichtbarAn(text, argument);
    return text + "'";
}

std::string OptionsFehlerMeldung(std::string_view programm, const std::string& fehler) {
    // Option values, file names and the core's texts that quote them all pass through here.
    std::string name(programm);
    return name + ": " + Sichtbar(fehler) + ".\nHilfe mit: " + name + " --help\n";
}

} // namespace kalotri
