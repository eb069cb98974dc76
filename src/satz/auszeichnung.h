// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>

#include <string>

namespace kalotri::blatt {

// A device that keeps the logical structure of what is painted on it (the tagged PDF).
// Every other device paints the same and ignores the structure.
class Strukturziel {
  public:
    virtual ~Strukturziel() = default;
    // rolle is a standard structure type ("P", "H1", "Figure", "Sect", "TD"); alt is the
    // description of a figure, empty for everything else.
    virtual void Beginne(const char* rolle, const std::string& alt) = 0;
    virtual void Ende(const char* rolle) = 0;
};

// What is painted while it lives belongs to one structure element. Whatever is painted
// outside every element is decoration (page numbers, running heads, rules).
class Auszeichnung {
  public:
    Auszeichnung(QPainter* p, const char* rolle, const std::string& alt = {});
    Auszeichnung(QPainter& p, const char* rolle, const std::string& alt = {})
        : Auszeichnung(&p, rolle, alt) {}
    ~Auszeichnung();
    Auszeichnung(const Auszeichnung&) = delete;
    Auszeichnung& operator=(const Auszeichnung&) = delete;

  private:
    Strukturziel* ziel_ = nullptr;
    const char* rolle_;
};

} // namespace kalotri::blatt
