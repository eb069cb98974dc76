// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "optionen.h"
#include "quelle.h"
#include "zahlform.h"

#include <cstdint>

namespace kalotri {

// The --seed given, or a new one told on standard error so that the sheet can be made
// again.
std::uint64_t Seed(const blatt::Optionen& o);

// The generated exercises --erzeuge asks for, in their groups; without --seed a new seed,
// told on standard error so that the sheet can be made again.
blatt::Aufgabenliste Erzeugt(const blatt::Optionen& o, const Zahlformat& format);

} // namespace kalotri
