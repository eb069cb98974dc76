// SPDX-License-Identifier: GPL-3.0-or-later
#include "arbeitsblatt.h"

#include "sachblatt.h"

#include <variant>

namespace kalotri::blatt {

GeloesteAufgabe Loese(const Quellzeile& zeile) {
    GeloesteAufgabe a;
    a.Zeile = &zeile;
    const Aufgabenzeile felder = Zerlege(zeile);
    if (const auto* eingabe = std::get_if<Eingabe>(&felder)) {
        a.IstAufgabe = true;
        a.Ergebnis = Berechne(*eingabe);
    }
    return a;
}

BlattAufgabe Bearbeite(const GeloesteAufgabe& aufgabe, const Darstellung& darstellung) {
    if (aufgabe.Zeile->Sach) {
        return SachBlattAufgabe(*aufgabe.Zeile->Sach, aufgabe.Ergebnis, darstellung);
    }
    const Aufgabenzeile felder = Zerlege(*aufgabe.Zeile);
    if (const auto* eingabe = std::get_if<Eingabe>(&felder)) {
        return Bearbeite(*eingabe, aufgabe.Ergebnis, darstellung);
    }
    return UnlesbareZeile(ZeilenText(*aufgabe.Zeile), std::get<std::string>(felder));
}

void LoeseJede(const std::vector<Quellzeile>& gruppe,
               const std::function<void(const GeloesteAufgabe&, int)>& tun) {
    int nummer = 0;
    for (const Quellzeile& zeile : gruppe) {
        tun(Loese(zeile), ++nummer);
    }
}

Arbeitsblatt::Arbeitsblatt(const Aufgabenliste& liste) : liste_(liste) {
    for (const std::vector<Quellzeile>& gruppe : liste.Gruppen) {
        std::vector<GeloesteAufgabe>& geloest = aufgaben_.emplace_back();
        geloest.reserve(gruppe.size());
        LoeseJede(gruppe, [&](const GeloesteAufgabe& a, int) { geloest.push_back(a); });
    }
}

} // namespace kalotri::blatt
