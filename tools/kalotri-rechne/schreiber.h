// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kalotri::rechne {

// Collects output in a buffer and writes it to a file descriptor in large pieces. The
// first write error is kept; nothing is written after it.
class Schreiber {
  public:
    explicit Schreiber(int dateideskriptor);

    // Where the next results are appended; Weiter() hands them on when enough has come.
    std::string& Puffer() { return puffer_; }
    void Weiter();
    // Writes everything still buffered. False if any write failed.
    bool Leere();
    int Fehlernummer() const { return fehlernummer_; }

  private:
    int dateideskriptor_;
    std::string puffer_;
    int fehlernummer_ = 0;
};

} // namespace kalotri::rechne
