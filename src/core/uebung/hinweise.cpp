// SPDX-License-Identifier: GPL-3.0-or-later
#include "hinweise.h"

#include "rechenweg.h"
#include "rundformat.h"

namespace kalotri::uebung {

namespace {

std::string LinkeSeite(const std::string& gleichung) {
    return gleichung.substr(0, gleichung.find(" = "));
}

void Anhaengen(std::vector<std::string>& ziel, const std::vector<std::string>& zeilen) {
    ziel.insert(ziel.end(), zeilen.begin(), zeilen.end());
}

// A value step without an equation of its own (an SSW angle from its sine) leans on
// the intermediate step before it.
FragenHinweise FuerWert(const Rechenweg& weg, const Frage& f) {
    FragenHinweise h;
    const Rechenschritt* zwischen = nullptr;
    for (const Rechenschritt& s : weg) {
        if (s.Art != SchrittArt::Rechnung) {
            continue;
        }
        if (!s.Groesse) {
            zwischen = &s;
            continue;
        }
        if (*s.Groesse != f.Groesse || s.Dreieck != f.Dreieck) {
            continue;
        }
        const Rechenschritt& mit = s.Formel.empty() && zwischen ? *zwischen : s;
        h.Formel = mit.Formel.empty() ? mit.Ergebnis : mit.Formel;
        h.Zahlen = mit.Einsetzung.empty() ? mit.Ergebnis : mit.Einsetzung;
        if (&mit != &s) {
            Anhaengen(h.Schritt, SchrittZeilen(mit));
        }
        Anhaengen(h.Schritt, SchrittZeilen(s));
        break;
    }
    return h;
}

// SSW's count: the sine, and every sentence that weighs the candidates.
FragenHinweise FuerAnzahl(const Rechenweg& weg) {
    FragenHinweise h;
    for (const Rechenschritt& s : weg) {
        if (s.Art == SchrittArt::Rechnung && !s.Groesse && h.Formel.empty()) {
            h.Formel = s.Formel;
            h.Zahlen = s.Einsetzung;
            Anhaengen(h.Schritt, SchrittZeilen(s));
        } else if (s.Art == SchrittArt::Begruendung) {
            Anhaengen(h.Schritt, SchrittZeilen(s));
        }
    }
    return h;
}

} // namespace

Hinweise HinweiseFuer(const Uebungsaufgabe& aufgabe) {
    Zahlformat format;
    format.Maske = MaskeFuerAnzahl(aufgabe.Dezimalen);
    format.Trennzeichen = ",";
    // A word problem hints in its own words: why this triangle, its values with their unit.
    const Rechenweg weg =
        aufgabe.Sachweg.empty() ? ErstelleRechenweg(aufgabe.Ergebnis, format) : aufgabe.Sachweg;
    Hinweise h;
    std::string warum; // a word problem's sentences before its triangle's steps
    bool imDreieck = false;
    for (const Rechenschritt& s : weg) {
        imDreieck = imDreieck || s.Art == SchrittArt::Ueberschrift;
        if (!imDreieck && s.Art == SchrittArt::Begruendung) {
            warum += (warum.empty() ? "" : " ") + s.Text;
        }
        if (s.Art == SchrittArt::Ueberschrift && s.Text.rfind("Typ ", 0) == 0 && h.Typ.empty()) {
            h.Typ = s.Text;
        }
        if (s.Art == SchrittArt::Rechnung && !s.Text.empty() && h.ErsterSatz.empty()) {
            const std::string& gleichung = s.Formel.empty() ? s.Ergebnis : s.Formel;
            h.ErsterSatz = "Beginne mit " + std::string(s.Text == "Winkelsumme" ? "der " : "dem ") +
                           s.Text + " für " + LinkeSeite(gleichung) + ".";
        }
    }
    h.Typ = warum.empty() ? h.Typ : warum + " " + h.Typ;
    for (const Frage& f : aufgabe.Fragen) {
        h.JeFrage.push_back(f.Art == Frageart::Anzahl ? FuerAnzahl(weg) : FuerWert(weg, f));
    }
    return h;
}

} // namespace kalotri::uebung
