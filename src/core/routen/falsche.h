// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "routen.h"
#include "schueler.h"

#include <vector>

namespace kalotri::routen::intern {

// The typical wrong answers for unknown `feld` of a triangle, each rounded as typed; not
// yet judged. A slip that changes nothing (radian mode where no sine or cosine is
// involved) is no wrong answer.
std::vector<FalscheAntwort> FalscheAntworten(const Loesung& loesung, std::size_t dreieck,
                                             std::size_t feld, const Rundung& rundung);

} // namespace kalotri::routen::intern
