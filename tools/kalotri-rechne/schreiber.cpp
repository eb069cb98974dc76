// SPDX-License-Identifier: GPL-3.0-or-later
#include "schreiber.h"

#include <cerrno>
#include <unistd.h>

namespace kalotri::rechne {

namespace {

constexpr std::size_t Blockgroesse = std::size_t{1} << 16;

} // namespace

Schreiber::Schreiber(int dateideskriptor) : dateideskriptor_(dateideskriptor) {
    puffer_.reserve(2 * Blockgroesse);
}

void Schreiber::Weiter() {
    if (puffer_.size() >= Blockgroesse) {
        Leere();
    }
}

bool Schreiber::Leere() {
    std::size_t geschrieben = 0;
    while (fehlernummer_ == 0 && geschrieben < puffer_.size()) {
        const ssize_t n =
            ::write(dateideskriptor_, puffer_.data() + geschrieben, puffer_.size() - geschrieben);
        if (n >= 0) {
            geschrieben += static_cast<std::size_t>(n);
        } else if (errno != EINTR) {
            fehlernummer_ = errno;
        }
    }
    puffer_.clear();
    return fehlernummer_ == 0;
}

} // namespace kalotri::rechne
