// SPDX-License-Identifier: GPL-3.0-or-later
#include "dezimalen.h"

#include "rundformat.h"

#include <algorithm>
#include <cmath>

namespace kalotri {

std::optional<Dezimalen> Dezimalen::Lies(std::string_view text) {
    const std::optional<std::int32_t> anzahl = LiesGanzzahl(text);
    if (!anzahl) {
        return std::nullopt;
    }
    return Dezimalen(*anzahl);
}

std::string Dezimalen::FehlerText(std::string_view text) {
    return "'" + std::string(text) + "' ist kein gültiger Integerwert";
}

Dezimalen Dezimalen::Begrenzt(std::int32_t anzahl) {
    return Dezimalen(std::clamp(anzahl, Mindestens, Hoechstens));
}

std::string Dezimalen::Maske() const {
    return MaskeFuerAnzahl(anzahl_);
}

int Dezimalen::Geschrieben() const {
    return static_cast<int>(Maske().size()) - 2;
}

double Dezimalen::HalbeEinheit() const {
    return 0.5 * std::pow(10.0, -static_cast<double>(Geschrieben()));
}

} // namespace kalotri
