// SPDX-License-Identifier: GPL-3.0-or-later
#include "zeilenleser.h"

#include <cerrno>
#include <unistd.h>

namespace kalotri {

Zeilenleser::Zeilenleser(int dateideskriptor, std::size_t feldGrenze)
    : dateideskriptor_(dateideskriptor), feldGrenze_(feldGrenze), puffer_(std::size_t{1} << 16) {}

bool Zeilenleser::Fuelle() {
    for (;;) {
        const ssize_t n = ::read(dateideskriptor_, puffer_.data(), puffer_.size());
        if (n > 0) {
            lesestelle_ = 0;
            gefuellt_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            return false;
        }
        if (errno != EINTR) {
            fehlernummer_ = errno;
            return false;
        }
    }
}

Zeilenleser::Stand Zeilenleser::Naechste() {
    for (std::string& feld : felder_) {
        feld.clear();
    }
    anzahl_ = 1;
    zuLang_ = false;
    bool etwasGelesen = false;
    for (;;) {
        if (lesestelle_ == gefuellt_ && !Fuelle()) {
            if (fehlernummer_ != 0) {
                return Stand::Lesefehler;
            }
            return etwasGelesen ? Stand::Zeile : Stand::Ende;
        }
        if (nachCR_) {
            nachCR_ = false;
            if (puffer_[lesestelle_] == '\n') {
                ++lesestelle_;
                continue;
            }
        }
        // The run of ordinary bytes up to the next TAB or line end goes in one piece.
        const char* anfang = puffer_.data() + lesestelle_;
        const char* ende = puffer_.data() + gefuellt_;
        const char* p = anfang;
        while (p != ende && *p != '\t' && *p != '\n' && *p != '\r') {
            ++p;
        }
        if (anzahl_ <= MaxFelder) {
            std::string& feld = felder_[anzahl_ - 1];
            const auto neu = static_cast<std::size_t>(p - anfang);
            const std::size_t platz = feldGrenze_ - feld.size();
            zuLang_ = zuLang_ || neu > platz;
            feld.append(anfang, neu > platz ? platz : neu);
        }
        etwasGelesen = etwasGelesen || p != anfang;
        lesestelle_ = static_cast<std::size_t>(p - puffer_.data());
        if (p == ende) {
            continue;
        }
        ++lesestelle_;
        if (*p == '\t') {
            ++anzahl_;
            etwasGelesen = true;
            continue;
        }
        nachCR_ = *p == '\r';
        return Stand::Zeile;
    }
}

} // namespace kalotri
