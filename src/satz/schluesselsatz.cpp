// SPDX-License-Identifier: GPL-3.0-or-later
#include "schluesselsatz.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cstddef>

namespace kalotri::blatt {

namespace {

// "h_b = 5,3 cm" as pieces: "h", "b" below, " = 5,3 cm". The letter after "_" is one
// character, however many bytes it takes.
std::vector<QString> Teile(const QString& eintrag, std::vector<bool>& tief) {
    std::vector<QString> teile;
    QString jetzt;
    for (int i = 0; i < eintrag.size(); ++i) {
        if (eintrag[i] == '_' && i + 1 < eintrag.size()) {
            teile.push_back(jetzt);
            tief.push_back(false);
            const int laenge = eintrag[i + 1].isHighSurrogate() && i + 2 < eintrag.size() ? 2 : 1;
            teile.push_back(eintrag.mid(i + 1, laenge));
            tief.push_back(true);
            jetzt.clear();
            i += laenge;
        } else {
            jetzt += eintrag[i];
        }
    }
    teile.push_back(jetzt);
    tief.push_back(false);
    return teile;
}

} // namespace

Schluesselsatz::Schluesselsatz(const std::string& zeile, const QFont& schrift,
                               const QPaintDevice* geraet, double breite)
    : schrift_(schrift), tief_(schrift), geraet_(geraet) {
    tief_.setPointSizeF(schrift.pointSizeF() * 0.72);
    const QFontMetricsF fm(schrift_, geraet_);
    const QStringList eintraege = QString::fromStdString(zeile).split(", ");
    std::vector<Stueck> jetzt;
    for (int e = 0; e < eintraege.size(); ++e) {
        std::vector<bool> tief;
        const std::vector<QString> teile = Teile(eintraege[e], tief);
        std::vector<Stueck> eintrag;
        for (std::size_t i = 0; i < teile.size(); ++i) {
            eintrag.push_back({teile[i], tief[i]});
        }
        if (e + 1 < eintraege.size()) {
            eintrag.back().Text += ",";
        }
        std::vector<Stueck> zusammen = jetzt;
        if (!zusammen.empty()) {
            zusammen.push_back({" ", false});
        }
        zusammen.insert(zusammen.end(), eintrag.begin(), eintrag.end());
        if (jetzt.empty() || Breite(zusammen) <= breite) {
            jetzt = std::move(zusammen);
        } else {
            zeilen_.push_back(std::move(jetzt));
            jetzt = std::move(eintrag);
        }
        // An item wider than a line: the only one to break inside, where it must.
        while (Breite(jetzt) > breite) {
            std::vector<Stueck> zeile;
            double b = 0;
            std::size_t k = 0;
            for (; k < jetzt.size() && b + Breite({jetzt[k]}) <= breite; ++k) {
                b += Breite({jetzt[k]});
                zeile.push_back(jetzt[k]);
            }
            const Stueck teil = jetzt[k];
            int passt = 0;
            while (passt < teil.Text.size() &&
                   b + Breite({{teil.Text.left(passt + 1), teil.Tief}}) <= breite) {
                ++passt;
            }
            passt = zeile.empty() ? std::max(passt, 1) : passt;
            if (passt > 0) {
                zeile.push_back({teil.Text.left(passt), teil.Tief});
            }
            std::vector<Stueck> rest;
            if (passt < teil.Text.size()) {
                rest.push_back({teil.Text.mid(passt), teil.Tief});
            }
            rest.insert(rest.end(), jetzt.begin() + static_cast<std::ptrdiff_t>(k) + 1,
                        jetzt.end());
            zeilen_.push_back(std::move(zeile));
            jetzt = std::move(rest);
        }
    }
    zeilen_.push_back(std::move(jetzt));
}

double Schluesselsatz::Breite(const std::vector<Stueck>& stuecke) const {
    const QFontMetricsF fm(schrift_, geraet_), fmTief(tief_, geraet_);
    double b = 0;
    for (const Stueck& s : stuecke) {
        b += (s.Tief ? fmTief : fm).horizontalAdvance(s.Text);
    }
    return b;
}

double Schluesselsatz::Zeile() const {
    return QFontMetricsF(schrift_, geraet_).lineSpacing() +
           QFontMetricsF(tief_, geraet_).height() / 2;
}

void Schluesselsatz::MaleZeile(QPainter& p, QPointF linksOben, std::size_t i) const {
    const QFontMetricsF fm(schrift_, geraet_), fmTief(tief_, geraet_);
    const double y = linksOben.y() + fm.ascent();
    double x = linksOben.x();
    for (const Stueck& s : zeilen_[i]) {
        p.setFont(s.Tief ? tief_ : schrift_);
        // The subscript's baseline a third of its height below the line's.
        p.drawText(QPointF(x, y + (s.Tief ? fmTief.ascent() / 3 : 0)), s.Text);
        x += (s.Tief ? fmTief : fm).horizontalAdvance(s.Text);
    }
    p.setFont(schrift_);
}

} // namespace kalotri::blatt
