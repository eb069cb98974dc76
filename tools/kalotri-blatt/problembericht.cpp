// SPDX-License-Identifier: GPL-3.0-or-later
#include "problembericht.h"

#include "loesung.h"
#include "sichtbar.h"

namespace kalotri::blatt {

void MeldeProblem(const Aufgabenliste& liste, const Quellzeile& zeile, const std::string& grund) {
    // The box is the one the window would put the focus in after the message.
    const Aufgabenzeile aufgabe = Zerlege(zeile);
    if (const auto* eingabe = std::get_if<Eingabe>(&aufgabe)) {
        if (const auto feld = Berechne(*eingabe).Ausgang.Fokus) {
            Melde("kalotri-blatt",
                  Fundstelle(liste, zeile) + ", " + FeldMitText(*eingabe, *feld) + ": " + grund);
            return;
        }
    }
    constexpr std::size_t Zitat = 80;
    std::string text = Fundstelle(liste, zeile) + ": \"";
    const std::string zeilentext = ZeilenText(zeile);
    text += KuerzeText(zeilentext, Zitat);
    if (zeilentext.size() <= Zitat && Gekuerzt(zeile)) {
        text += "…";
    }
    Melde("kalotri-blatt", text + "\": " + grund);
}

} // namespace kalotri::blatt
