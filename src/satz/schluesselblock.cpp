// SPDX-License-Identifier: GPL-3.0-or-later
// The answer key's rows: number, the values sought set by Schluesselsatz, the number of
// solutions.
#include "bloecke.h"

#include "auszeichnung.h"

#include <optional>

namespace kalotri::blatt {

using namespace mass;

namespace {
constexpr double AnzahlBreite = 22; // mm, the column of the number of solutions
double WerteBreite(const Satz& s) {
    return s.Mm(SeiteBreite - RandRechts - AnzahlBreite - TextLinks - 2);
}
} // namespace

Schluesselblock::Schluesselblock(const BlattAufgabe& a, int nummer, const Satz& satz)
    : nummer_(nummer), s_(satz) {
    if (a.Problem) {
        zeilen_ = {ProblemZeilen(a).front()};
        anzahl_ = "–";
        return;
    }
    for (std::size_t i = 0; i < a.Schluessel.size(); ++i) {
        zeilen_.push_back(
            (a.Schluessel.size() > 1 ? std::to_string(i + 1) + ". Lösung: " : std::string()) +
            a.Schluessel[i]);
    }
    anzahl_ = std::to_string(a.Figuren.size());
}

const std::vector<Schluesselsatz>& Schluesselblock::Saetze() const {
    if (saetze_.empty()) {
        for (const std::string& zeile : zeilen_) {
            saetze_.emplace_back(zeile, s_.Z.Text, s_.Z.Geraet, WerteBreite(s_));
        }
    }
    return saetze_;
}

// One strip per line, so that a row of many long values can go on over a page.
std::vector<double> Schluesselblock::Streifen() const {
    std::vector<double> streifen;
    for (const Schluesselsatz& satz : Saetze()) {
        streifen.insert(streifen.end(), satz.Zeilen(), satz.Zeile());
    }
    streifen.back() += s_.Mm(2.5);
    return streifen;
}

void Schluesselblock::Male(QPainter& p, double y, std::size_t von, std::size_t bis) const {
    const double oben = y;
    if (von == 0) {
        Nummer(p, s_, nummer_, y, "TD");
    }
    std::size_t k = 0;
    {
        const Auszeichnung zelle(p, "TD");
        for (const Schluesselsatz& satz : Saetze()) {
            // "1. Lösung: …" and "2. Lösung: …" are read apart.
            std::optional<Auszeichnung> loesung;
            for (std::size_t i = 0; i < satz.Zeilen(); ++i, ++k) {
                if (k >= von && k < bis) {
                    if (!loesung) {
                        loesung.emplace(p, "P");
                    }
                    satz.MaleZeile(p, QPointF(s_.Mm(TextLinks), y), i);
                    y += satz.Zeile();
                }
            }
        }
    }
    if (von == 0) {
        const Auszeichnung zelle(p, "TD");
        p.setFont(s_.Z.Text);
        p.drawText(QRectF(s_.Mm(SeiteBreite - RandRechts - AnzahlBreite), oben, s_.Mm(AnzahlBreite),
                          s_.Text.lineSpacing()),
                   Qt::AlignRight | Qt::AlignTop, QString::fromStdString(anzahl_));
    }
    if (bis == k) {
        p.setPen(QPen(QColor(190, 190, 190), s_.Mm(0.1)));
        const double unten = y + s_.Mm(0.75);
        p.drawLine(QPointF(s_.Mm(RandLinks), unten),
                   QPointF(s_.Mm(SeiteBreite - RandRechts), unten));
    }
}

double Schluesselblock::Spaltenkoepfe(QPainter* p, double y, const Satz& s, bool ersteSeite) {
    if (p != nullptr) {
        QPainter* kopf = ersteSeite ? p : nullptr;
        const Auszeichnung zeile(kopf, "TR");
        p->setPen(Qt::black);
        p->setFont(s.Z.Fett);
        const double grund = y + s.Text.ascent();
        const auto zelle = [&](const auto& malen) {
            const Auszeichnung th(kopf, "TH");
            malen();
        };
        zelle([&] { p->drawText(QPointF(s.Mm(RandLinks), grund), "Nr."); });
        zelle([&] { p->drawText(QPointF(s.Mm(TextLinks), grund), "Gesuchte Größen"); });
        zelle([&] {
            p->drawText(QRectF(s.Mm(SeiteBreite - RandRechts - AnzahlBreite), y, s.Mm(AnzahlBreite),
                               s.Text.lineSpacing()),
                        Qt::AlignRight | Qt::AlignTop, "Lösungen");
        });
        p->setPen(QPen(Qt::black, s.Mm(0.2)));
        const double unten = y + s.Text.lineSpacing() + s.Mm(0.75);
        p->drawLine(QPointF(s.Mm(RandLinks), unten),
                    QPointF(s.Mm(SeiteBreite - RandRechts), unten));
    }
    return s.Text.lineSpacing() + s.Mm(2.5);
}

} // namespace kalotri::blatt
