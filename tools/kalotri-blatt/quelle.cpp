// SPDX-License-Identifier: GPL-3.0-or-later
#include "quelle.h"

#include "aufgabenzeile.h"
#include "pruef.h"
#include "zeilenleser.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <variant>

namespace kalotri::blatt {

namespace {

// False after a read error, which liste.Fehler then describes.
bool LiesStrom(int eingabe, const std::string& name, Aufgabenliste& liste) {
    // No field need be longer than the longest box text; a longer one is cut while
    // reading, so one line costs at most twelve times that.
    Zeilenleser leser(eingabe, MaxTextLaenge + 1);
    for (long nummer = 1;; ++nummer) {
        const auto stand = leser.Naechste();
        if (stand == Zeilenleser::Stand::Ende) {
            return true;
        }
        if (stand == Zeilenleser::Stand::Lesefehler) {
            liste.Fehler = "Fehler beim Lesen " +
                           (name == "Standardeingabe" ? "der " + name : "von " + name) + ": " +
                           std::strerror(leser.Fehlernummer());
            return false;
        }
        std::string& erstes = leser.Felder()[0];
        if (nummer == 1) {
            erstes.erase(0, erstes.size() - OhneBom(erstes).size());
        }
        // Lines of blanks and TABs only are left out, like empty ones.
        const auto& felder = leser.Felder();
        if (leser.Anzahl() <= felder.size() &&
            std::all_of(felder.begin(), felder.end(), [](const std::string& f) {
                return f.find_first_not_of(' ') == std::string::npos;
            })) {
            continue;
        }
        const std::string wo = name + ", Zeile " + std::to_string(nummer) + ": ";
        if (leser.ZuLang()) {
            liste.Unlesbar.push_back(wo + "ein Feld ist länger als " +
                                     std::to_string(MaxTextLaenge) + " Bytes");
            continue;
        }
        const Aufgabenzeile aufgabe = AusFeldern(leser.Felder(), leser.Anzahl());
        if (const auto* eingabe = std::get_if<Eingabe>(&aufgabe)) {
            liste.Aufgaben.push_back(*eingabe);
        } else {
            liste.Unlesbar.push_back(wo + std::get<std::string>(aufgabe));
        }
    }
}

} // namespace

Aufgabenliste LiesAufgaben(const std::vector<std::string>& dateien) {
    Aufgabenliste liste;
    const std::vector<std::string> quellen =
        dateien.empty() ? std::vector<std::string>{"-"} : dateien;
    for (const std::string& datei : quellen) {
        if (datei == "-") {
            if (!LiesStrom(STDIN_FILENO, "Standardeingabe", liste)) {
                return liste;
            }
            continue;
        }
        // The name goes to the system as given, byte for byte.
        const int eingabe = ::open(datei.c_str(), O_RDONLY | O_CLOEXEC);
        if (eingabe < 0) {
            liste.Fehler =
                "Die Datei \"" + datei + "\" lässt sich nicht lesen: " + std::strerror(errno);
            return liste;
        }
        const bool gut = LiesStrom(eingabe, "\"" + datei + "\"", liste);
        ::close(eingabe);
        if (!gut) {
            return liste;
        }
    }
    return liste;
}

} // namespace kalotri::blatt
