// SPDX-License-Identifier: GPL-3.0-or-later
#include "sachblatt.h"

#include <memory>

namespace kalotri::blatt {

namespace {

Quellzeile SachZeile(const Sachaufgabe& s, long nummer) {
    Quellzeile zeile = AusEingabe(s.Dreieck, nummer);
    zeile.Sach = std::make_shared<const Sachaufgabe>(s);
    return zeile;
}

Quellzeile Dreieckszeile(const Eingabe& e, long nummer) {
    Eingabe dreieck; // the usual letters
    dreieck.Texte = e.Texte;
    return AusEingabe(dreieck, nummer);
}

std::string Einheit(const Gesucht& g) {
    return g.Einheit == "°" ? g.Einheit : " " + g.Einheit;
}

} // namespace

Aufgabenliste MitSachaufgaben(const std::vector<std::vector<Sachaufgabe>>& sach,
                              const std::vector<std::vector<Eingabe>>& dreiecke) {
    Aufgabenliste liste;
    liste.Dateien.emplace_back("erzeugt");
    const std::size_t gruppen = std::max(sach.size(), dreiecke.size());
    for (std::size_t g = 0; g < gruppen; ++g) {
        std::vector<Quellzeile>& gruppe = liste.Gruppen.emplace_back();
        const std::size_t worte = g < sach.size() ? sach[g].size() : 0;
        const std::size_t bloss = g < dreiecke.size() ? dreiecke[g].size() : 0;
        for (std::size_t i = 0, j = 0; i < worte || j < bloss;) {
            const long nummer = static_cast<long>(gruppe.size()) + 1;
            if (i < worte && (i <= j || j >= bloss)) {
                gruppe.push_back(SachZeile(sach[g][i++], nummer));
            } else {
                gruppe.push_back(Dreieckszeile(dreiecke[g][j++], nummer));
            }
        }
    }
    return liste;
}

std::string SachSchluessel(const Sachaufgabe& s) {
    std::string zeile;
    for (const Gesucht& g : s.Gesuchte) {
        zeile += (zeile.empty() ? "" : ", ") + g.Name + " ≈ " + g.Text + Einheit(g);
    }
    return zeile;
}

BlattAufgabe SachBlattAufgabe(const Sachaufgabe& s, const Loesung& ergebnis,
                              const Darstellung& darstellung) {
    Darstellung d = darstellung;
    d.Einheit = s.Einheit;
    BlattAufgabe a = Bearbeite(s.Dreieck, ergebnis, d);
    a.Gegeben = s.Text;
    for (const std::string& frage : s.Fragen) {
        a.Auftrag += (a.Auftrag.empty() ? "" : " ") + frage;
    }
    a.Sachskizze = std::make_shared<const Sachskizze>(s.Skizze);
    if (darstellung.Form == Loesungsform::Rechenweg) {
        a.Rechenweg.clear();
        for (const Rechenschritt& schritt : s.Loesungsweg) {
            const Wegzeile::Stil stil =
                schritt.Art == SchrittArt::Ueberschrift ? Wegzeile::Stil::Fett
                : schritt.Art == SchrittArt::Rechnung   ? Wegzeile::Stil::Normal
                                                        : Wegzeile::Stil::Kursiv;
            for (std::string& text : SchrittZeilen(schritt)) {
                a.Rechenweg.push_back({std::move(text), stil});
            }
        }
    }
    // The Script knows the triangle only; the answer says what it means.
    std::string antwort = "Antwort:";
    for (const std::string& satz : s.Antwort) {
        antwort += " " + satz;
    }
    a.Loesungsweg.push_back(antwort);
    a.Schluessel = {SachSchluessel(s)};
    return a;
}

} // namespace kalotri::blatt
