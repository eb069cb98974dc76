// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bloecke.h"
#include "seitenfluss.h"

#include <string>

namespace kalotri::blatt {

// A note in italics across the text column and the figures' room, said once at the top
// of a part of the sheet (how the solutions round their numbers).
class Hinweisblock : public Block {
  public:
    Hinweisblock(std::string text, const Satz& satz) : text_(std::move(text)), s_(satz) {}
    std::vector<double> Streifen() const override;
    void Male(QPainter& p, double y, std::size_t von, std::size_t bis) const override;
    std::string Name() const override { return "Hinweis"; }

  private:
    double Breite() const;
    std::string text_;
    const Satz& s_;
};

} // namespace kalotri::blatt
