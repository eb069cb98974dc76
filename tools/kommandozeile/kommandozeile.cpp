// SPDX-License-Identifier: GPL-3.0-or-later
#include "kommandozeile.h"

#include "dezimalen.h"
#include "sichtbar.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iomanip>
#include <locale>
#include <sstream>
#include <sys/stat.h>

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
    // The window takes more and then fails at every value with "Format-String zu lang";
    // a tool would blame every exercise for what is the option's fault.
    if (stellen->Anzahl() > HoechsteDezimalen) {
        return "Das Script zeigt höchstens " + std::to_string(HoechsteDezimalen) +
               " Dezimalen, nicht '" + Sichtbar(text) + "'";
    }
    return std::nullopt;
}

namespace {

// The shortest text that reads back as the number: 0.0005 rather than 5e-04. Streams in
// the classic locale rather than to_chars, which the browser build's library lacks for
// floating point.
std::string Kurz(double zahl) {
    const bool fest = std::abs(zahl) >= 1e-6 && std::abs(zahl) < 1e15;
    std::string text;
    for (int stellen = fest ? 0 : 1; stellen <= 40; ++stellen) {
        std::ostringstream aus;
        aus.imbue(std::locale::classic());
        if (fest) {
            aus << std::fixed;
        }
        aus << std::setprecision(stellen) << zahl;
        text = aus.str();
        std::istringstream ein(text);
        ein.imbue(std::locale::classic());
        double zurueck = 0;
        if (ein >> zurueck && zurueck == zahl) {
            break;
        }
    }
    return text;
}

} // namespace

std::optional<std::string> ToleranzFehler(double toleranz, const Dezimalen& stellen) {
    if (!std::isfinite(toleranz) || !(toleranz > 0)) {
        return "--toleranz braucht eine Zahl größer als 0, etwa 0.01";
    }
    // A pupil who writes the value rounded as the solution shows it is off by up to half
    // its last decimal; a gap narrower than that marks the right answer wrong.
    const double halbe = stellen.HalbeEinheit();
    if (toleranz < halbe * (1 - 1e-12)) {
        return "--toleranz " + Kurz(toleranz) + " ist kleiner als die halbe letzte Stelle von " +
               std::to_string(stellen.Geschrieben()) + " Dezimalen (" + Kurz(halbe) +
               "); die richtig gerundete Antwort wäre "
               "falsch";
    }
    // Far beyond any value of an exercise, and still written back exactly in a gap.
    if (toleranz > HoechsteToleranz) {
        return "--toleranz braucht eine Zahl bis 1e15, nicht " + Kurz(toleranz);
    }
    return std::nullopt;
}

std::string OptionsName(std::string_view argument) {
    return std::string(argument.substr(0, argument.find('=')));
}

std::optional<std::string> MerkeOption(std::vector<std::string>& gegeben, const std::string& name,
                                       bool einWert) {
    const bool schon = std::find(gegeben.begin(), gegeben.end(), name) != gegeben.end();
    if (schon && einWert) {
        return "Die Option " + name + " ist mehrfach angegeben; sie nimmt nur einen Wert";
    }
    if (!schon) {
        gegeben.push_back(name);
    }
    return std::nullopt;
}

bool GleichesZiel(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    if (a == "-" || b == "-") {
        return false;
    }
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0) {
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    }
    // Not both there yet: the paths as they would be resolved.
    const auto aufgeloest = [](const std::string& pfad) {
        std::error_code fehler;
        auto weg =
            std::filesystem::weakly_canonical(std::filesystem::absolute(pfad, fehler), fehler);
        return fehler ? std::filesystem::path(pfad) : weg;
    };
    return aufgeloest(a) == aufgeloest(b);
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
