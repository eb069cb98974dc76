// SPDX-License-Identifier: GPL-3.0-or-later
#include "satzstand.h"

#include "hinweise.h"
#include "uebungssatz.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace kalotri::ergebnis {

int Abzug(const Aufgabenstand& a) {
    return std::accumulate(a.Gekauft.begin(), a.Gekauft.end(), 0,
                           [](int summe, const Hinweiskauf& h) { return summe + h.Preis; });
}

int Punkte(const Aufgabenstand& a) {
    const int roh = std::accumulate(a.NotenPunkte.begin(), a.NotenPunkte.end(), 0);
    return std::max(0, roh - Abzug(a));
}

int Hoechstens(const Aufgabenstand& a) {
    return a.Hoechstens;
}

namespace {
constexpr const char* Zeichen = "rnfx-"; // in the order of uebung::Note
}

char NotenZeichen(uebung::Note note) {
    const auto i = static_cast<std::size_t>(note);
    return i < std::char_traits<char>::length(Zeichen) ? Zeichen[i] : '-'; // open
}

std::optional<uebung::Note> NoteAusZeichen(char zeichen) {
    for (int i = 0; Zeichen[i] != '\0'; ++i) {
        if (Zeichen[i] == zeichen) {
            return static_cast<uebung::Note>(i);
        }
    }
    return std::nullopt;
}

bool PasstZuSatz(const Satzstand& stand) {
    const auto wahl = uebung::LiesUebungscode(stand.Code);
    if (!wahl || stand.Aufgaben.size() != static_cast<std::size_t>(wahl->Anzahl) ||
        stand.Aufgabe >= stand.Aufgaben.size()) {
        return false;
    }
    const uebung::Uebungssatz satz = uebung::ErstelleUebungssatz(*wahl);
    for (std::size_t i = 0; i < satz.Aufgaben.size(); ++i) {
        const Aufgabenstand& a = stand.Aufgaben[i];
        const std::size_t fragen = satz.Aufgaben[i].Fragen.size();
        if (a.Noten.size() != fragen || a.Antworten.size() != fragen ||
            a.NotenPunkte.size() != fragen || a.Hoechstens < 0 ||
            a.Hoechstens > uebung::PunkteJeFrage * static_cast<int>(fragen)) {
            return false;
        }
        for (std::size_t k = 0; k < fragen; ++k) {
            // Never more than the mark is worth.
            if (a.NotenPunkte[k] < 0 || a.NotenPunkte[k] > uebung::Punkte(a.Noten[k])) {
                return false;
            }
        }
        for (const Hinweiskauf& h : a.Gekauft) {
            const bool zurFrage = h.Art >= static_cast<int>(uebung::Hinweisart::Formel);
            if (h.Art < 0 || h.Art >= static_cast<int>(uebung::HinweisPreis.size()) ||
                zurFrage != h.Frage.has_value() || (h.Frage && *h.Frage >= fragen) || h.Preis < 0 ||
                h.Preis > uebung::HinweisPreis[static_cast<std::size_t>(h.Art)]) {
                return false;
            }
        }
    }
    return true;
}

} // namespace kalotri::ergebnis
