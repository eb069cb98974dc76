// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalotri {

// How many decimals numbers are written with: the one count of the window, both tools and
// the page, with its range and how its text is read.
class Dezimalen {
  public:
    // The window's up-down and the page's choice run from Mindestens to Hoechstens; typed
    // into the window's box, any whole number counts (a negative one as none).
    static constexpr std::int32_t Mindestens = 1;
    static constexpr std::int32_t Hoechstens = 10;

    constexpr explicit Dezimalen(std::int32_t anzahl = 3) : anzahl_(anzahl) {}

    // The text as the options dialog's count box reads it (see LiesGanzzahl); none for a
    // text that is no whole number, which FehlerText then describes.
    static std::optional<Dezimalen> Lies(std::string_view text);
    static std::string FehlerText(std::string_view text);
    // Within Mindestens and Hoechstens.
    static Dezimalen Begrenzt(std::int32_t anzahl);

    std::int32_t Anzahl() const { return anzahl_; }
    // The Script's mask: "0." and so many zeros ("0." for none; see MaskeFuerAnzahl).
    std::string Maske() const;
    // How many decimals the mask writes: the count, at least 0, at most what a mask holds.
    int Geschrieben() const;
    // Half a unit of the last decimal written ("0.000": 0.0005).
    double HalbeEinheit() const;

  private:
    std::int32_t anzahl_;
};

} // namespace kalotri
