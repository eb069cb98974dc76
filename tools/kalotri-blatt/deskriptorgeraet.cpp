// SPDX-License-Identifier: GPL-3.0-or-later
#include "deskriptorgeraet.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace kalotri::blatt {

Deskriptorgeraet::Deskriptorgeraet(int deskriptor) : deskriptor_(deskriptor) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

namespace {

// Qt's writers hand over a few bytes at a time; a system call each would cost more than
// the painting.
constexpr std::size_t Puffer = std::size_t{1} << 16;

} // namespace

qint64 Deskriptorgeraet::writeData(const char* daten, qint64 laenge) {
    if (fehlernummer_ != 0) {
        return -1;
    }
    puffer_.append(daten, static_cast<std::size_t>(laenge));
    if (puffer_.size() >= Puffer) {
        Leere();
    }
    return fehlernummer_ != 0 ? -1 : laenge;
}

void Deskriptorgeraet::Leere() {
    if (fehlernummer_ == 0) {
        Schreibe(puffer_.data(), puffer_.size());
    }
    puffer_.clear();
}

void Deskriptorgeraet::Schreibe(const char* daten, std::size_t rest) {
    while (rest > 0) {
        const ssize_t n = ::write(deskriptor_, daten, rest);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            // write() of nothing at all with bytes left is no progress either.
            fehlernummer_ = n < 0 ? errno : EIO;
            setErrorString(QString::fromLocal8Bit(std::strerror(fehlernummer_)));
            return;
        }
        daten += n;
        rest -= static_cast<std::size_t>(n);
        geschrieben_ += n;
    }
}

} // namespace kalotri::blatt
