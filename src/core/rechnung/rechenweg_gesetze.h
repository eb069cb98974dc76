// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The laws as steps, shared by the cases and the derived quantities.

#include "gleitkomma.h"
#include "rechenweg_schreiber.h"

#include <string>

namespace kalotri::weg {

long double Bogen(long double grad);
long double Grad(long double bogen);
// Sine and cosine of an angle in degrees.
long double Sinus(long double grad);
long double Kosinus(long double grad);

// The digit key of box f in triangle `dreieck`.
std::string Schluessel(std::size_t dreieck, Feld f);

// f = 180° − the two other angles, exact in the decimals shown.
Ausdruck Winkelsumme(const Tafel& t, Feld f);
// The side f from the two others and the angle between them.
Ausdruck CosinussatzSeite(const Tafel& t, Feld f);

} // namespace kalotri::weg
