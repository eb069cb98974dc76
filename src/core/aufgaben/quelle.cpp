// SPDX-License-Identifier: GPL-3.0-or-later
#include "quelle.h"

#include "pruef.h"
#include "zeilenleser.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kalotri::blatt {

namespace {

// Blank lines and comments: nothing but blanks, or "#" as the first thing to see.
bool Ueberspringen(const std::array<std::string, Zeilenleser::MaxFelder>& felder,
                   std::size_t anzahl) {
    for (std::size_t i = 0; i < std::min(anzahl, felder.size()); ++i) {
        const auto erstes = felder[i].find_first_not_of(' ');
        if (erstes != std::string::npos) {
            return felder[i][erstes] == '#';
        }
    }
    return anzahl <= felder.size();
}

// False after a read error, which liste.Fehler then describes.
bool LiesStrom(int eingabe, std::uint32_t datei, Aufgabenliste& liste) {
    const std::string& name = liste.Dateien[datei];
    // No field need be longer than the longest box text; a longer one is cut while
    // reading, so one line costs at most twelve times that.
    Zeilenleser leser(eingabe, MaxTextLaenge + 1);
    Quellzeile zeile;
    zeile.Datei = datei;
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
        auto& felder = leser.Felder();
        if (nummer == 1) {
            felder[0].erase(0, felder[0].size() - OhneBom(felder[0]).size());
        }
        if (!leser.ZuLang() && Ueberspringen(felder, leser.Anzahl())) {
            continue;
        }
        zeile.Nummer = nummer;
        zeile.Felder = leser.Anzahl();
        zeile.ZuLang = leser.ZuLang();
        zeile.Text.clear();
        for (std::size_t i = 0; i < std::min(zeile.Felder, felder.size()); ++i) {
            zeile.Text += (i > 0 ? "\t" : "") + felder[i];
        }
        liste.Gruppen.front().push_back(zeile);
    }
}

} // namespace

Aufgabenliste LiesAufgaben(const std::vector<std::string>& dateien) {
    Aufgabenliste liste;
    liste.Gruppen.emplace_back();
    const std::vector<std::string> quellen =
        dateien.empty() ? std::vector<std::string>{"-"} : dateien;
    for (const std::string& datei : quellen) {
        const auto index = static_cast<std::uint32_t>(liste.Dateien.size());
        if (datei == "-") {
            liste.Dateien.emplace_back("Standardeingabe");
            if (!LiesStrom(STDIN_FILENO, index, liste)) {
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
        liste.Dateien.push_back("\"" + datei + "\"");
        const bool gut = LiesStrom(eingabe, index, liste);
        ::close(eingabe);
        if (!gut) {
            return liste;
        }
    }
    return liste;
}

Aufgabenliste AusErzeugten(const std::vector<std::vector<Eingabe>>& fassungen) {
    Aufgabenliste liste;
    liste.Dateien.emplace_back("erzeugt");
    for (const std::vector<Eingabe>& fassung : fassungen) {
        std::vector<Quellzeile>& gruppe = liste.Gruppen.emplace_back();
        for (const Eingabe& e : fassung) {
            Quellzeile zeile;
            zeile.Nummer = static_cast<long>(gruppe.size()) + 1;
            zeile.Felder = 6;
            for (std::size_t i = 0; i < 6; ++i) {
                zeile.Text += (i > 0 ? "\t" : "") + e.Texte[i];
            }
            gruppe.push_back(std::move(zeile));
        }
    }
    return liste;
}

Aufgabenzeile Zerlege(const Quellzeile& zeile) {
    if (zeile.ZuLang) {
        return "ein Feld ist länger als " + std::to_string(MaxTextLaenge) + " Bytes";
    }
    std::array<std::string, Zeilenleser::MaxFelder> felder;
    std::string_view rest = zeile.Text;
    for (std::size_t i = 0; i < felder.size() && i < zeile.Felder; ++i) {
        const auto tab = rest.find('\t');
        felder[i] = std::string(rest.substr(0, tab));
        rest.remove_prefix(tab == std::string_view::npos ? rest.size() : tab + 1);
    }
    // A letter over BuchstabeMax bytes is refused there, as in kalotri-rechne.
    return AusFeldern(felder, zeile.Felder);
}

std::string Fundstelle(const Aufgabenliste& liste, const Quellzeile& zeile) {
    return liste.Dateien[zeile.Datei] + ", Zeile " + std::to_string(zeile.Nummer);
}

} // namespace kalotri::blatt
