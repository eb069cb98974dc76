// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainter>
#include <QPointF>

#include <string>
#include <vector>

namespace kalotri::blatt {

// A row of the answer key set in lines of a width: it breaks only between its items
// ("a = 5,3 cm", parted by ", "), never inside a number or between a number and its unit;
// only an item wider than a whole line breaks inside, as it must. "h_b" in an item is h
// with b set below the line, as in a school book.
class Schluesselsatz {
  public:
    Schluesselsatz(const std::string& zeile, const QFont& schrift, const QPaintDevice* geraet,
                   double breite);
    std::size_t Zeilen() const { return zeilen_.size(); }
    // The height of each line, with room below for the lowered subscripts.
    double Zeile() const;
    // Line i with its top left corner at linksOben.
    void MaleZeile(QPainter& p, QPointF linksOben, std::size_t i) const;

  private:
    struct Stueck {
        QString Text;
        bool Tief = false;
    };
    double Breite(const std::vector<Stueck>& stuecke) const;

    QFont schrift_, tief_;
    const QPaintDevice* geraet_;
    std::vector<std::vector<Stueck>> zeilen_;
};

} // namespace kalotri::blatt
