// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <string>

namespace kalotri::web {

// What an exported function hands the page: its answer, kept in `ergebnis` until the next
// call, or `beiFehler` where the engine threw; an exception must not cross into
// JavaScript.
template <typename F> const char* Sicher(std::string& ergebnis, F&& f, const char* beiFehler) {
    try {
        ergebnis = f();
    } catch (const std::exception&) {
        ergebnis = beiFehler;
    }
    return ergebnis.c_str();
}

} // namespace kalotri::web
