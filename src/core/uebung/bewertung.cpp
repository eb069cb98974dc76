// SPDX-License-Identifier: GPL-3.0-or-later
#include "bewertung.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kalotri::uebung {

namespace {

using L = long double;

// Fewer decimals are right when the digits left out are zeros ("90" for 90,00); other
// decimals, correctly rounded, are a rounding slip, and so is a value off by one unit of
// the asked last digit (cut off rather than rounded), but never by as much as half a
// percent: a value 1 % off stays wrong wherever the asked decimals can show it.
constexpr L RundungHoechstens = 0.005L;

L Einheit(int dezimalen) {
    return std::pow(10.0L, static_cast<L>(-dezimalen));
}

std::optional<Note> NoteIn(const Antwortzahl& z, const std::vector<Spielraum>& bereiche,
                           int dezimalen) {
    std::optional<Note> note;
    for (const Spielraum& s : bereiche) {
        const L naechster = std::clamp(z.Wert, s.Unten, s.Oben);
        const L abstand = std::fabs(z.Wert - naechster);
        const L spiel = 1e-9L * std::max(L{1}, std::fabs(naechster));
        if (z.Dezimalen <= dezimalen && abstand <= Einheit(dezimalen) / 2 + spiel) {
            return Note::Richtig;
        }
        const L schlupf =
            z.Dezimalen < dezimalen
                ? Einheit(z.Dezimalen) / 2
                : std::min(Einheit(z.Dezimalen), RundungHoechstens * std::fabs(naechster));
        if (abstand <= schlupf + spiel) {
            note = Note::NurRundung;
        }
    }
    return note;
}

Bekannte Gegebene(const Loesung& l) {
    Bekannte b;
    for (const GegebeneGroesse& g : l.Gegeben) {
        b[static_cast<std::size_t>(g.Groesse)] = {static_cast<L>(g.Wert)};
    }
    return b;
}

} // namespace

std::string Rundungsanweisung(int dezimalen) {
    const std::string d = std::to_string(dezimalen);
    return "Runde jedes Ergebnis auf " + d +
           " Dezimalen (Winkel in Grad). Frühere Ergebnisse darfst du gerundet oder "
           "ungerundet weiterverwenden; Zwischenwerte wie einen Sinus runde auf " +
           std::to_string(dezimalen + 3) + " Dezimalen oder gar nicht.";
}

int Punkte(Note note) {
    switch (note) {
    case Note::Richtig:
        return PunkteJeFrage;
    case Note::NurRundung:
    case Note::Folgefehler:
        return PunkteJeFrage / 2;
    default:
        return 0;
    }
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
    case Note::Leer:
        break;
    }
    return "";
}

std::optional<Antwortzahl> LiesAntwort(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    std::string zahl;
    int dezimalen = -1;
    int ziffern = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char z = text[i];
        if (z >= '0' && z <= '9') {
            zahl += z;
            ++ziffern;
            dezimalen += dezimalen >= 0 ? 1 : 0;
        } else if ((z == ',' || z == '.') && dezimalen < 0) {
            zahl += '.';
            dezimalen = 0;
        } else if ((z == '-' || z == '+') && i == 0) {
            zahl += z;
        } else {
            return std::nullopt;
        }
    }
    if (ziffern == 0 || ziffern > 30) {
        return std::nullopt;
    }
    return Antwortzahl{std::strtold(zahl.c_str(), nullptr), std::max(dezimalen, 0)};
}

std::vector<Note> Bewerte(const Uebungsaufgabe& aufgabe, const std::vector<std::string>& antworten,
                          int dezimalen, Spielraumquelle quelle) {
    const Loesung& l = aufgabe.Ergebnis;
    const Bekannte gegeben = Gegebene(l);
    std::vector<Note> noten;
    for (std::size_t i = 0; i < aufgabe.Fragen.size(); ++i) {
        const Frage& f = aufgabe.Fragen[i];
        const std::string text = i < antworten.size() ? antworten[i] : "";
        const std::optional<Antwortzahl> z = LiesAntwort(text);
        if (text.find_first_not_of(" \t") == std::string::npos) {
            noten.push_back(Note::Leer);
            continue;
        }
        if (!z) {
            noten.push_back(Note::Falsch);
            continue;
        }
        if (f.Art == Frageart::Anzahl) {
            noten.push_back(z->Dezimalen == 0 && z->Wert == static_cast<L>(l.Dreiecke.size())
                                ? Note::Richtig
                                : Note::Falsch);
            continue;
        }
        std::array<L, 6> bezug{};
        for (std::size_t k = 0; k < 6; ++k) {
            bezug[k] = l.Dreiecke[f.Dreieck].Werte[k];
        }
        const auto feld = static_cast<std::size_t>(f.Groesse);
        std::vector<std::size_t> reihenfolge;
        for (const Frage& g : aufgabe.Fragen) {
            if (g.Art == Frageart::Wert && g.Dreieck == f.Dreieck) {
                reihenfolge.push_back(static_cast<std::size_t>(g.Groesse));
            }
        }
        std::optional<Note> note =
            NoteIn(*z, quelle(gegeben, bezug, dezimalen, reihenfolge)[feld], dezimalen);
        if (!note) {
            // The pupil's own earlier answers for this triangle, as typed.
            Bekannte eigene = gegeben;
            bool frueherFalsch = false;
            for (std::size_t j = 0; j < i; ++j) {
                const Frage& frueher = aufgabe.Fragen[j];
                const std::optional<Antwortzahl> w = LiesAntwort(antworten[j]);
                if (frueher.Art == Frageart::Wert && frueher.Dreieck == f.Dreieck && w) {
                    eigene[static_cast<std::size_t>(frueher.Groesse)] = {w->Wert};
                    frueherFalsch = frueherFalsch || noten[j] != Note::Richtig;
                }
            }
            if (frueherFalsch &&
                NoteIn(*z, quelle(eigene, bezug, dezimalen, reihenfolge)[feld], dezimalen)) {
                note = Note::Folgefehler;
            }
        }
        noten.push_back(note.value_or(Note::Falsch));
    }
    return noten;
}

} // namespace kalotri::uebung
