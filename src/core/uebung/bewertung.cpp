// SPDX-License-Identifier: GPL-3.0-or-later
#include "bewertung.h"

#include "routen.h"

namespace kalotri::uebung {

std::string Rundungsanweisung(int dezimalen) {
    return routen::Rundungsanweisung(routen::RundungFuer(dezimalen));
}

const char* NotenText(Note note) {
    switch (note) {
    case Note::Richtig:
        return "richtig";
    case Note::NurRundung:
        return "Wert stimmt, Rundung nicht";
    case Note::Folgefehler:
        return "Folgefehler";
    case Note::Falsch:
        return "falsch";
    case Note::KeineZahl:
        return "keine Zahl";
    case Note::Leer:
        break;
    }
    return "";
}

std::string UrteilText(const frage::Urteil& urteil) {
    std::string text = NotenText(urteil.Wertung);
    if (!urteil.Fehler) {
        return text;
    }
    switch (*urteil.Fehler) {
    case routen::Fehlerart::AndereLoesung:
        return text + ": das ist der Wert des anderen Dreiecks";
    case routen::Fehlerart::Nebenwinkel:
        return text + ": das ist der Nebenwinkel, 180° minus den gesuchten Winkel";
    case routen::Fehlerart::Bogenmass:
        return text +
               ": so rechnet ein Taschenrechner im Bogenmaß (RAD); stelle ihn auf Grad (DEG)";
    case routen::Fehlerart::StelleWeniger:
        return text + ": eine Nachkommastelle zu wenig";
    case routen::Fehlerart::ProzentMehr:
    case routen::Fehlerart::ProzentWeniger:
        break;
    }
    return text;
}

Antwortform FormFuer(const Uebungsaufgabe& aufgabe, std::size_t feld) {
    const frage::Antwortfeld& f = aufgabe.Modell.Felder[feld];
    return {f.Art == frage::Feldart::Anzahl, f.Einheit, f.Dezimalen};
}

frage::Antwort AlsAntwort(std::string_view text, const Antwortform& form) {
    const GeleseneAntwort a = LiesAntworttext(text, form);
    switch (a.Art) {
    case Lesart::Zahl:
        return frage::Antwort::Zahl(a.Wert, a.Dezimalen);
    case Lesart::Leer:
        return {};
    default:
        return {frage::Antwort::Lage::KeineZahl, 0, 0};
    }
}

std::vector<frage::Urteil> Beurteile(const Uebungsaufgabe& aufgabe,
                                     const std::vector<std::string>& antworten) {
    std::vector<frage::Antwort> gelesen;
    for (std::size_t i = 0; i < antworten.size() && i < aufgabe.Modell.Felder.size(); ++i) {
        gelesen.push_back(AlsAntwort(antworten[i], FormFuer(aufgabe, i)));
    }
    return frage::Beurteile(aufgabe.Modell, gelesen);
}

std::vector<Note> Bewerte(const Uebungsaufgabe& aufgabe,
                          const std::vector<std::string>& antworten) {
    std::vector<Note> noten;
    for (const frage::Urteil& u : Beurteile(aufgabe, antworten)) {
        noten.push_back(u.Wertung);
    }
    return noten;
}

} // namespace kalotri::uebung
