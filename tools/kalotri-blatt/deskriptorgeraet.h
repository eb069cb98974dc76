// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>

#include <cstdint>
#include <string>

namespace kalotri::blatt {

// A Qt device writing into a file descriptor, every byte accounted for: a short write is
// continued, and the first failure is kept with the system's error number, which QFile on
// a full disk reported as "Unknown error". Qt's writers go on after a failed write, so
// whoever uses the device calls Leere() when done and then asks Fehlernummer().
class Deskriptorgeraet : public QIODevice {
  public:
    explicit Deskriptorgeraet(int deskriptor);
    bool isSequential() const override { return true; }
    // Writes what is still buffered.
    void Leere();
    // errno of the first failed write; 0 if every byte went out.
    int Fehlernummer() const { return fehlernummer_; }
    std::int64_t Geschrieben() const { return geschrieben_; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 laenge) override;

  private:
    void Schreibe(const char* daten, std::size_t laenge);

    int deskriptor_;
    std::string puffer_;
    int fehlernummer_ = 0;
    std::int64_t geschrieben_ = 0;
};

} // namespace kalotri::blatt
