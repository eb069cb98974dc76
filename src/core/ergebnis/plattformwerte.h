// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bewertung.h"
#include "satzstand.h"
#include "uebungsaufgabe.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalotri::ergebnis {

// What the platform says about this attempt before the page writes anything (SCORM 1.2:
// cmi.core.lesson_mode, credit, entry, lesson_status, and cmi.suspend_data).
struct Versuch {
    std::string Modus;
    std::string Wertung;
    std::string Eintritt;
    std::string Status;
    std::string Pause;
};

enum class Beginn {
    Neu,        // a fresh set
    Fortsetzen, // the set left in the middle, where it was left
    Ansehen,    // a finished or not-for-credit attempt: shown, nothing written
    Vorschau,   // not for credit with nothing to show: a fresh set, nothing written
};
struct Startentscheid {
    Beginn Art = Beginn::Neu;
    std::optional<Satzstand> Stand;
};
Startentscheid EntscheideStart(const Versuch& versuch);

// A pass mark as the platform or the package gives it (0 to 100, up to two decimals), in
// hundredths of a percent point.
std::optional<int> LiesSchwelle(std::string_view text);

// What goes to the platform for the points so far: the status, and the score in percent
// (a CMIDecimal, cut, not rounded, to two decimals) or none where it must not go yet.
// "incomplete" until the set is done; then passed or failed by the pass mark compared with
// the exact points, or completed without one. A platform that judges by its own mastery
// score would turn any score into passed or failed, so it gets the score only at the end.
struct Meldung {
    std::string Status;
    std::optional<std::string> Rohwert;
};
Meldung Melde(int punkte, int hoechstens, bool fertig, std::optional<int> schwelle,
              bool plattformUrteilt);

// CMITimespan ("0000:01:02.50") of a duration, and CMITime ("13:05:09") of a time of day,
// both given in hundredths of a second.
std::string Zeitspanne(std::int64_t hundertstel);
std::string Uhrzeit(std::int64_t hundertstelSeitMitternacht);

// One answered box as a SCORM 1.2 interaction: an identifier the teacher can read
// ("a3_beta_2"), numeric or, for the count of SSW triangles, choice, the pupil's answer in
// the type's format (fill-in where the answer is no number), the result, the right answer.
struct Interaktion {
    std::string Id;
    std::string Typ;
    std::string Antwort;
    std::string Ergebnis;
    std::string Richtig;
};
Interaktion ZuInteraktion(std::size_t aufgabe, const uebung::Frage& frage, std::string_view antwort,
                          uebung::Note note, std::string_view richtig);

} // namespace kalotri::ergebnis
