// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dezimalen.h"
#include "rechner.h"

#include <optional>
#include <string>
#include <string_view>

namespace kalotri::web {

// One calculation as the page asks for it, read from one JSON object:
//   {"texte": [6 box texts], "buchstaben": [6 letters], "dezimalen": 3,
//    "trennzeichen": ",", "figuren": false, "rechenweg": false}
// figuren: the figures to scale with the derived quantities; rechenweg: the worked steps.
struct Anfrage {
    Eingabe Felder;
    Dezimalen Stellen;
    std::string Trennzeichen = ",";
    bool Figuren = false;
    bool Rechenweg = false;
};

// None for a text that is not such an object; a count of decimals beyond the page's choice
// is brought within it.
std::optional<Anfrage> LiesAnfrage(std::string_view json);

// The answer as one JSON object: {"script": the batch tool's JSON result (with
// "rechenweg" when asked for), "figuren": the figures' JSON array}. Both parts come
// written as JSON and go in as values, not as spliced text.
std::string Antwort(std::string_view script, std::string_view figuren);

} // namespace kalotri::web
