// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "routen.h"
#include "schueler.h"

#include <vector>

namespace kalotri::routen::intern {

// The given values of a triangle as the pupil starts with them.
Stand Anfang(const LoesungsDreieck& d);

// A given value as typed: the double's shortest decimal form read into a long double, so
// that the pupil's 9.1 is not 9.0999999999999996447, which can tip a sine rounded to six
// decimals the other way.
L AlsGetippt(double x);

// The typical wrong answers for unknown `feld` of a triangle, each rounded as typed; not
// yet judged. A slip that changes nothing (radian mode where no sine or cosine is
// involved) is no wrong answer.
std::vector<FalscheAntwort> FalscheAntworten(const Loesung& loesung, std::size_t dreieck,
                                             std::size_t feld, const Rundung& rundung);

} // namespace kalotri::routen::intern
