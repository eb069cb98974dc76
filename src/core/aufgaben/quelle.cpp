// SPDX-License-Identifier: GPL-3.0-or-later
#include "quelle.h"

#include "aufgabenleser.h"
#include "pruef.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sstream>
#include <unistd.h>
#include <utility>

namespace kalotri::blatt {

namespace {

// The points of "# Punkte: 4" (blanks anywhere around its words), or none.
std::optional<int> PunkteAusKommentar(const std::string& feld) {
    std::istringstream zeile(feld);
    std::string raute, wort, rest;
    int punkte = 0;
    if (zeile >> raute >> wort >> punkte && raute == "#" && wort == "Punkte:" && !(zeile >> rest) &&
        punkte >= 1 && punkte <= 1000) {
        return punkte;
    }
    return std::nullopt;
}

// False after a read error, which liste.Fehler then describes.
bool LiesStrom(int eingabe, const std::string& datei, Aufgabenliste& liste) {
    const auto index = static_cast<std::uint32_t>(liste.Dateien.size() - 1);
    Aufgabenleser leser(eingabe);
    std::optional<int> punkte; // from the comment line just before an exercise
    for (;;) {
        const auto stand = leser.Naechste();
        if (stand == Aufgabenleser::Stand::Ende) {
            return true;
        }
        if (stand == Aufgabenleser::Stand::Lesefehler) {
            liste.Fehler = LesefehlerText(datei, leser.Fehlernummer());
            return false;
        }
        if (leser.Leer()) {
            punkte = leser.Anzahl() == 1 && !leser.Felder().empty()
                         ? PunkteAusKommentar(leser.Felder().front())
                         : std::nullopt;
            continue;
        }
        Quellzeile& zeile = liste.Gruppen.front().emplace_back();
        zeile.Datei = index;
        zeile.Nummer = leser.Nummer();
        zeile.Anzahl = leser.Anzahl();
        zeile.Felder = leser.Felder();
        zeile.Punkte = std::exchange(punkte, std::nullopt);
    }
}

} // namespace

Aufgabenliste LiesAufgaben(const std::vector<std::string>& dateien) {
    Aufgabenliste liste;
    liste.Gruppen.emplace_back();
    const std::vector<std::string> quellen =
        dateien.empty() ? std::vector<std::string>{"-"} : dateien;
    for (const std::string& datei : quellen) {
        if (datei == "-") {
            liste.Dateien.emplace_back("Standardeingabe");
            if (!LiesStrom(STDIN_FILENO, datei, liste)) {
                return liste;
            }
            continue;
        }
        // The name goes to the system as given, byte for byte.
        const int eingabe = ::open(datei.c_str(), O_RDONLY | O_CLOEXEC);
        if (eingabe < 0) {
            liste.Fehler = NichtLesbarText(datei, errno);
            return liste;
        }
        liste.Dateien.push_back("\"" + datei + "\"");
        const bool gut = LiesStrom(eingabe, datei, liste);
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
            gruppe.push_back(AusEingabe(e, static_cast<long>(gruppe.size()) + 1));
        }
    }
    return liste;
}

Quellzeile AusEingabe(const Eingabe& eingabe, long nummer) {
    Quellzeile zeile;
    zeile.Nummer = nummer;
    zeile.Anzahl = 12;
    zeile.Felder.assign(eingabe.Texte.begin(), eingabe.Texte.end());
    zeile.Felder.insert(zeile.Felder.end(), eingabe.Buchstaben.begin(), eingabe.Buchstaben.end());
    return zeile;
}

Aufgabenzeile Zerlege(const Quellzeile& zeile) {
    std::array<std::string, Zeilenleser::MaxFelder> felder;
    std::copy(zeile.Felder.begin(), zeile.Felder.end(), felder.begin());
    return AusFeldern(felder, zeile.Anzahl);
}

std::string ZeilenText(const Quellzeile& zeile) {
    std::string text;
    for (std::size_t i = 0; i < zeile.Felder.size(); ++i) {
        text += (i > 0 ? "\t" : "") + zeile.Felder[i];
    }
    return text;
}

bool Gekuerzt(const Quellzeile& zeile) {
    return zeile.Anzahl > zeile.Felder.size() ||
           std::any_of(zeile.Felder.begin(), zeile.Felder.end(),
                       [](const std::string& f) { return f.size() > MaxTextLaenge; });
}

std::string Fundstelle(const Aufgabenliste& liste, const Quellzeile& zeile) {
    return liste.Dateien[zeile.Datei] + ", Zeile " + std::to_string(zeile.Nummer);
}

} // namespace kalotri::blatt
