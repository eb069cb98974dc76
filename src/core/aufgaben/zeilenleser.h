// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kalotri {

// Reads a file descriptor line by line, each line split at TAB into fields. Only the first
// MaxFelder fields are kept; the others are only counted, so a line of millions of TABs
// costs no more memory than its longest kept field. With a cap, a field keeps at most
// that many bytes and the line is marked too long, so no line costs more than twelve caps.
// A line ends in LF, CRLF or CR alone; the last line needs no line end.
class Zeilenleser {
  public:
    static constexpr std::size_t MaxFelder = 12;

    explicit Zeilenleser(int dateideskriptor, std::size_t feldGrenze = SIZE_MAX);

    enum class Stand { Zeile, Ende, Lesefehler };
    // Reads the next line. After Lesefehler, Fehlernummer() holds errno.
    Stand Naechste();

    std::size_t Anzahl() const { return anzahl_; }
    // Fields 1 to min(Anzahl(), MaxFelder); the others are empty.
    std::array<std::string, MaxFelder>& Felder() { return felder_; }
    const std::array<std::string, MaxFelder>& Felder() const { return felder_; }
    int Fehlernummer() const { return fehlernummer_; }
    // Whether a field of the last line was longer than the cap (and so was cut).
    bool ZuLang() const { return zuLang_; }

  private:
    bool Fuelle(); // false at the end of the input or on a read error

    int dateideskriptor_;
    std::size_t feldGrenze_;
    bool zuLang_ = false;
    std::vector<char> puffer_;
    std::size_t lesestelle_ = 0;
    std::size_t gefuellt_ = 0;
    bool nachCR_ = false; // an LF right after a CR belongs to that line end
    int fehlernummer_ = 0;
    std::size_t anzahl_ = 0;
    std::array<std::string, MaxFelder> felder_;
};

} // namespace kalotri
