// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabenzeile.h"
#include "zeilenleser.h"

#include <string>
#include <vector>

namespace kalotri {

// Exercise files as both batch tools read them: line by line, a byte order mark before the
// first line dropped, every field cut a byte past the longest box text (a longer box text
// is unreadable all the same, as in the window), each line made into the calculation's
// input or the reason it is none.
class Aufgabenleser {
  public:
    explicit Aufgabenleser(int dateideskriptor);

    using Stand = Zeilenleser::Stand;
    // Reads the next line. After Lesefehler, Fehlernummer() holds errno.
    Stand Naechste();

    long Nummer() const { return nummer_; }
    // How many fields the line has, and the first twelve of them.
    std::size_t Anzahl() const { return leser_.Anzahl(); }
    std::vector<std::string> Felder() const;
    // The line's boxes and letters, or why it cannot be an exercise (German, no full stop).
    Aufgabenzeile Zeile() const;
    // Nothing but blanks, or "#" as the first thing to see: no exercise, and no mistake.
    bool Leer() const;
    int Fehlernummer() const { return leser_.Fehlernummer(); }

  private:
    Zeilenleser leser_;
    long nummer_ = 0;
};

// What a tool says when a file cannot be opened ("-": standard input) or read.
std::string NichtLesbarText(const std::string& datei, int fehlernummer);
std::string LesefehlerText(const std::string& datei, int fehlernummer);

} // namespace kalotri
