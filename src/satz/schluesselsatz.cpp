// SPDX-License-Identifier: GPL-3.0-or-later
#include "schluesselsatz.h"

#include <QFontMetricsF>

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
        // An item wider than a line: the only one to break inside, character by character.
        while (Breite(jetzt) > breite && jetzt.size() == 1 && jetzt.front().Text.size() > 1) {
            QString& text = jetzt.front().Text;
            int passt = 1;
            while (passt < text.size() && fm.horizontalAdvance(text.left(passt + 1)) <= breite) {
                ++passt;
            }
            zeilen_.push_back({{text.left(passt), false}});
            text = text.mid(passt);
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

double Schluesselsatz::Hoehe() const {
    return static_cast<double>(zeilen_.size()) * QFontMetricsF(schrift_, geraet_).lineSpacing();
}

void Schluesselsatz::Male(QPainter& p, QPointF linksOben) const {
    const QFontMetricsF fm(schrift_, geraet_), fmTief(tief_, geraet_);
    double y = linksOben.y() + fm.ascent();
    for (const std::vector<Stueck>& zeile : zeilen_) {
        double x = linksOben.x();
        for (const Stueck& s : zeile) {
            p.setFont(s.Tief ? tief_ : schrift_);
            // The subscript's baseline a third of its height below the line's.
            p.drawText(QPointF(x, y + (s.Tief ? fmTief.ascent() / 3 : 0)), s.Text);
            x += (s.Tief ? fmTief : fm).horizontalAdvance(s.Text);
        }
        y += fm.lineSpacing();
    }
    p.setFont(schrift_);
}

} // namespace kalotri::blatt
