// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Command-line plumbing shared by the batch tools.

#include "dezimalen.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalotri {

// The exit codes of both tools, as their --help lists them.
enum Rueckgabe : int {
    Fertig = 0,
    FalscheZeile,  // some lines refused, the others done
    FalscheOption, // or nothing to do at all
    Lesefehler,
    Schreibfehler,
    ZuWenigSpeicher
};

// What a tool's command line asks for, or the first problem with it (German, for standard
// error, without a full stop).
template <typename Optionen> struct OptionenErgebnis {
    Optionen Werte;
    std::optional<std::string> Fehler;
    std::vector<std::string> Warnungen; // options that plainly give way to others
};

// The option an argument names, without its value: "--titel" for "--titel=x".
std::string OptionsName(std::string_view argument);

// Records that the option `name` was given; a single-value option given before is an
// error, since which of its values was meant cannot be told.
std::optional<std::string> MerkeOption(std::vector<std::string>& gegeben, const std::string& name,
                                       bool einWert);

// Whether two output paths name the same file: the same text, both standard output, or
// the same file or directory reached another way (links, "./", "..").
bool GleichesZiel(const std::string& a, const std::string& b);

// Whether argumente[i] is the option `name`, as "--name=wert" or as "--name wert" (then
// i moves on to the value). A missing value sets `fehler`.
bool NimmWert(const std::vector<std::string>& argumente, std::size_t& i, std::string_view name,
              std::optional<std::string>& wert, std::optional<std::string>& fehler);

// A decimal separator must not read as part of a number, nor vanish or act on the screen:
// exactly one visible character that is no digit, sign, letter, blank of any kind or
// control. The problem with `text` as a separator, or nothing.
std::optional<std::string> TrennzeichenFehler(std::string_view text);

// The most decimals the Script can show: more make a mask the fixed form refuses.
inline constexpr int HoechsteDezimalen = 222;

// The problem with `text` as the count of decimals: the options dialog's error for what
// is no whole number, a count below 0 or above HoechsteDezimalen. Nothing if it is usable.
std::optional<std::string> DezimalenFehler(std::string_view text);

// The largest tolerance a quiz gap takes.
inline constexpr double HoechsteToleranz = 1e15;

// The problem with the one tolerance of every gap, with answers shown to `stellen`
// decimals: not finite, not above 0, beyond HoechsteToleranz, or below half a unit of the
// last decimal. Nothing if it is usable.
std::optional<std::string> ToleranzFehler(double toleranz, const Dezimalen& stellen);

// "Unbekannte Option '…'" with the argument's control characters shown escaped.
std::string UnbekannteOption(std::string_view argument);

// The whole report of a bad command line, as every tool writes it to standard error: name,
// problem (made visible), full stop, where to find help.
std::string OptionsFehlerMeldung(std::string_view programm, const std::string& fehler);

} // namespace kalotri
