// SPDX-License-Identifier: GPL-3.0-or-later
#include "uebungsaufgabe.h"

namespace kalotri::uebung {

Uebungsaufgabe UebungsaufgabeAus(frage::Frage modell, const Eingabe& felder) {
    Uebungsaufgabe a;
    a.Text = modell.Text;
    a.Felder = felder;
    a.Ergebnis = modell.Ergebnis;
    a.Dezimalen = modell.Anweisung.Rundung.Ergebnis;
    for (const frage::Antwortfeld& f : modell.Felder) {
        const Frageart art = f.Art == frage::Feldart::Anzahl  ? Frageart::Anzahl
                             : f.Art == frage::Feldart::Sache ? Frageart::Sache
                                                              : Frageart::Wert;
        a.Fragen.push_back(
            {art, f.Groesse, f.Dreieck, f.Buchstabe.empty() ? f.Worte : f.Buchstabe});
    }
    a.Modell = std::move(modell);
    return a;
}

std::optional<Uebungsaufgabe> UebungsaufgabeAus(std::string text, const Eingabe& felder,
                                                const std::optional<std::vector<Feld>>& gefragt) {
    std::optional<frage::Frage> modell =
        frage::FrageAus(Berechne(felder), std::move(text), Dezimalen, gefragt);
    if (!modell) {
        return std::nullopt;
    }
    return UebungsaufgabeAus(std::move(*modell), felder);
}

std::string AufgabenText(const Loesung& loesung, const Eingabe& felder) {
    std::string text = frage::GegebenText(loesung, felder) + " ";
    text += loesung.Typ == Aufgabentyp::SSW
                ? "Wie viele Dreiecke gibt es? Berechne dann die fehlenden Größen jedes Dreiecks."
                : "Berechne die fehlenden Größen.";
    return text;
}

} // namespace kalotri::uebung
