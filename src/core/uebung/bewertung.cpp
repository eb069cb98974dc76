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
        if (z.Dezimalen <= dezimalen &&
            abstand <= Einheit(dezimalen) / 2 - s.Eingerechnet + spiel) {
            return Note::Richtig;
        }
        const L schlupf =
            z.Dezimalen < dezimalen
                ? Einheit(z.Dezimalen) / 2
                : std::min(Einheit(z.Dezimalen), RundungHoechstens * std::fabs(naechster));
        // A range of rounded answers already reaches half a unit further; a slip at the
        // asked decimals is then measured from the exact value.
        const bool vomGenauen = s.Eingerechnet > 0 && z.Dezimalen == dezimalen;
        if ((vomGenauen ? std::fabs(z.Wert - s.Genau) : abstand) <= schlupf + spiel) {
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

std::vector<std::size_t> Reihenfolge(const Uebungsaufgabe& aufgabe, std::size_t dreieck) {
    std::vector<std::size_t> reihenfolge;
    for (const Frage& g : aufgabe.Fragen) {
        if (g.Art == Frageart::Wert && g.Dreieck == dreieck) {
            reihenfolge.push_back(static_cast<std::size_t>(g.Groesse));
        }
    }
    return reihenfolge;
}

std::array<L, 6> Bezug(const Loesung& l, std::size_t dreieck) {
    std::array<L, 6> bezug{};
    for (std::size_t k = 0; k < 6; ++k) {
        bezug[k] = l.Dreiecke[dreieck].Werte[k];
    }
    return bezug;
}

} // namespace

std::array<std::vector<Spielraum>, 6> EigeneBereiche(const Uebungsaufgabe& aufgabe,
                                                     std::size_t dreieck, int dezimalen) {
    return Spielraeume(Gegebene(aufgabe.Ergebnis), Bezug(aufgabe.Ergebnis, dreieck), dezimalen,
                       Reihenfolge(aufgabe, dreieck));
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
    case Note::KeineZahl:
        return "keine Zahl";
    case Note::Leer:
        break;
    }
    return "";
}

Antwortform FormFuer(const Uebungsaufgabe& aufgabe, const Frage& frage) {
    if (frage.Art == Frageart::Anzahl) {
        return {true, ""};
    }
    return {false, frage.Groesse >= Feld::Alpha ? "°" : aufgabe.Einheit};
}

std::optional<Antwortzahl> LiesAntwort(std::string_view text, const Antwortform& form) {
    const GeleseneAntwort a = LiesAntworttext(text, form);
    if (a.Art != Lesart::Zahl) {
        return std::nullopt;
    }
    return Antwortzahl{a.Wert, a.Dezimalen};
}

std::vector<Note> Bewerte(const Uebungsaufgabe& aufgabe, const std::vector<std::string>& antworten,
                          Bereichsquelle quelle) {
    const Loesung& l = aufgabe.Ergebnis;
    const int dezimalen = aufgabe.Dezimalen;
    const Bekannte gegeben = Gegebene(l);
    std::vector<Note> noten;
    for (std::size_t i = 0; i < aufgabe.Fragen.size(); ++i) {
        const Frage& f = aufgabe.Fragen[i];
        const std::string text = i < antworten.size() ? antworten[i] : "";
        const Lesart gelesen = LiesAntworttext(text, FormFuer(aufgabe, f)).Art;
        const std::optional<Antwortzahl> z = LiesAntwort(text, FormFuer(aufgabe, f));
        if (gelesen == Lesart::Leer) {
            noten.push_back(Note::Leer);
            continue;
        }
        if (!z) {
            noten.push_back(Note::KeineZahl);
            continue;
        }
        if (f.Art == Frageart::Anzahl) {
            noten.push_back(z->Dezimalen == 0 && z->Wert == static_cast<L>(l.Dreiecke.size())
                                ? Note::Richtig
                                : Note::Falsch);
            continue;
        }
        const auto feld = static_cast<std::size_t>(f.Groesse);
        std::optional<Note> note =
            NoteIn(*z, quelle(aufgabe, f.Dreieck, dezimalen)[feld], dezimalen);
        if (!note) {
            // The pupil's own earlier answers for this triangle, as typed.
            Bekannte eigene = gegeben;
            bool frueherFalsch = false;
            for (std::size_t j = 0; j < i; ++j) {
                const Frage& frueher = aufgabe.Fragen[j];
                const std::optional<Antwortzahl> w =
                    LiesAntwort(antworten[j], FormFuer(aufgabe, frueher));
                if (frueher.Art == Frageart::Wert && frueher.Dreieck == f.Dreieck && w) {
                    eigene[static_cast<std::size_t>(frueher.Groesse)] = {w->Wert};
                    frueherFalsch = frueherFalsch || noten[j] != Note::Richtig;
                }
            }
            const auto folge = Spielraeume(eigene, Bezug(l, f.Dreieck), dezimalen,
                                           Reihenfolge(aufgabe, f.Dreieck));
            if (frueherFalsch && NoteIn(*z, folge[feld], dezimalen)) {
                note = Note::Folgefehler;
            }
        }
        noten.push_back(note.value_or(Note::Falsch));
    }
    return noten;
}

} // namespace kalotri::uebung
