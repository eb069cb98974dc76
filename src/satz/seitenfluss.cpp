// SPDX-License-Identifier: GPL-3.0-or-later
#include "seitenfluss.h"

#include "auszeichnung.h"

#include <algorithm>
#include <numeric>

namespace kalotri::blatt {

Seitenfluss::Seitenfluss(const Seitenmass& mass, QPdfWriter* pdf, QPainter* painter,
                         std::vector<int> seitenzahlen)
    : Seitenfluss(
          mass, [pdf] { pdf->newPage(); }, painter, std::move(seitenzahlen)) {}

Seitenfluss::Seitenfluss(const Seitenmass& mass, std::function<void()> neueSeite, QPainter* painter,
                         std::vector<int> seitenzahlen)
    : mass_(mass), neueSeite_(std::move(neueSeite)), p_(painter),
      gezaehlt_(std::move(seitenzahlen)) {}

void Seitenfluss::NeuerAbschnitt(Abschnitt abschnitt) {
    if (offen_) {
        SchliesseSeite();
    }
    abschnitt_ = std::move(abschnitt);
    zaehlung_.push_back(0);
    seiteImAbschnitt_ = 0;
    NeueSeite();
}

void Seitenfluss::NeueSeite() {
    if (offen_) {
        SchliesseSeite();
    }
    if (p_ != nullptr && seiten_ > 0) {
        neueSeite_();
    }
    offen_ = true;
    ++seiten_;
    ++seiteImAbschnitt_;
    ++zaehlung_.back();
    y_ = mass_.Oben;
    beschrieben_ = false;
    if (abschnitt_.Kopf) {
        y_ += abschnitt_.Kopf(p_, seiteImAbschnitt_);
    }
}

void Seitenfluss::SchliesseSeite() {
    offen_ = false;
    if (p_ != nullptr) {
        const std::size_t teil = zaehlung_.size() - 1;
        const int von = teil < gezaehlt_.size() ? gezaehlt_[teil] : zaehlung_.back();
        QString text = QString::fromStdString(abschnitt_.Fuss);
        text += QString("%1Seite %2 von %3")
                    .arg(text.isEmpty() ? "" : " · ")
                    .arg(seiteImAbschnitt_)
                    .arg(von);
        p_->setFont(mass_.Schrift);
        p_->setPen(Qt::black);
        p_->drawText(QRectF(mass_.Links, mass_.Fuss, mass_.Rechts - mass_.Links, mass_.Vermerk),
                     Qt::AlignRight | Qt::AlignVCenter, text);
    }
    if (Fortschritt) {
        Fortschritt(seiten_);
    }
}

void Seitenfluss::Vermerk(double y, const QString& text, Qt::Alignment ausrichtung) {
    if (p_ == nullptr) {
        return;
    }
    QFont schrift = mass_.Schrift;
    schrift.setItalic(true);
    p_->setFont(schrift);
    p_->setPen(Qt::black);
    p_->drawText(QRectF(mass_.Links, y, mass_.Rechts - mass_.Links, mass_.Vermerk),
                 ausrichtung | Qt::AlignVCenter, text);
}

void Seitenfluss::Setze(const Block& block) {
    // A block that may be split marks its parts itself (a section, a table's row), so that
    // footers and marks painted meanwhile stay outside them: decoration, not the block's.
    const Auszeichnung teil(p_, block.Rolle());
    block.Kuerze(0);
    std::vector<double> streifen = block.Streifen();
    const double beiwerk = block.Beiwerk();
    double summe = std::accumulate(streifen.begin(), streifen.end(), 0.0);
    const double kuerzbar =
        streifen.empty() ? 0.0 : std::clamp(block.Kuerzbar(), 0.0, streifen.back());
    const double frisch =
        mass_.Oben + (abschnitt_.Kopf ? abschnitt_.Kopf(nullptr, seiteImAbschnitt_ + 1) : 0);
    const bool leer = !beschrieben_;
    // The block goes to a new page only if it fits there, at least when shortened.
    const auto passt = [&](double oben) {
        return oben + std::max(summe - kuerzbar, beiwerk) <= mass_.Unten;
    };
    if (y_ + std::max(summe, beiwerk) > mass_.Unten && !passt(y_) && !leer && passt(frisch)) {
        NeueSeite();
    }
    if (kuerzbar > 0 && y_ + std::max(summe, beiwerk) > mass_.Unten && passt(y_)) {
        block.Kuerze(y_ + summe - mass_.Unten);
        streifen = block.Streifen();
        summe = std::accumulate(streifen.begin(), streifen.end(), 0.0);
    }
    const double ganz = std::max(summe, beiwerk);
    if (y_ + ganz <= mass_.Unten) {
        if (p_ != nullptr) {
            block.Male(*p_, y_, 0, streifen.size());
        }
        y_ += ganz + (block.Zeile() ? 0 : mass_.Abstand);
        beschrieben_ = true;
        return;
    }
    // Taller than a page: in pieces, each but the last with a mark at its foot, each but
    // the first under a mark naming the block. The companion stays with the first piece.
    const double erstes = std::max(beiwerk, streifen.empty() ? 0.0 : streifen.front());
    if (!leer && y_ + erstes + mass_.Vermerk > mass_.Unten) {
        NeueSeite();
    }
    std::size_t von = 0;
    while (von < streifen.size()) {
        double hoehe = 0;
        std::size_t bis = von;
        const double rest =
            std::accumulate(streifen.begin() + static_cast<long>(von), streifen.end(), 0.0);
        const double platz = mass_.Unten - y_ - (y_ + rest <= mass_.Unten ? 0 : mass_.Vermerk);
        while (bis < streifen.size() && hoehe + streifen[bis] <= platz) {
            hoehe += streifen[bis++];
        }
        if (bis == von) {
            // A strip taller than a page cannot occur with the limits on input lines; it
            // would be cut at the page's foot rather than stop the sheet.
            hoehe = streifen[bis++];
        }
        if (von == 0) {
            hoehe = std::max(hoehe, beiwerk);
        }
        if (p_ != nullptr) {
            block.Male(*p_, y_, von, bis);
        }
        von = bis;
        if (von < streifen.size()) {
            Vermerk(y_ + hoehe, "Fortsetzung auf der nächsten Seite", Qt::AlignRight);
            NeueSeite();
            Vermerk(y_, QString::fromStdString(block.Name() + " (Fortsetzung)"), Qt::AlignLeft);
            y_ += mass_.Vermerk;
        } else {
            y_ += hoehe + (block.Zeile() ? 0 : mass_.Abstand);
        }
    }
    beschrieben_ = true;
}

std::vector<int> Seitenfluss::Ende() {
    if (offen_) {
        SchliesseSeite();
    }
    return zaehlung_;
}

} // namespace kalotri::blatt
