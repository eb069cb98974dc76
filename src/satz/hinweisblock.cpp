// SPDX-License-Identifier: GPL-3.0-or-later
#include "hinweisblock.h"

namespace kalotri::blatt {

using namespace mass;

double Hinweisblock::Breite() const {
    return s_.Mm(SeiteBreite - RandRechts - TextLinks);
}

std::vector<double> Hinweisblock::Streifen() const {
    return {s_.Setze(s_.KursivMass, text_, Breite()).Hoehe};
}

void Hinweisblock::Male(QPainter& p, double y, std::size_t, std::size_t) const {
    const Satz::Gesetzt gesetzt = s_.Setze(s_.KursivMass, text_, Breite());
    p.setPen(Qt::black);
    p.setFont(s_.Kursiv);
    p.drawText(QRectF(s_.Mm(TextLinks), y, Breite(), gesetzt.Hoehe), gesetzt.Umbruch,
               QString::fromStdString(text_));
}

} // namespace kalotri::blatt
