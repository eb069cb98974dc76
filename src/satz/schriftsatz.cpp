// SPDX-License-Identifier: GPL-3.0-or-later
#include "bloecke.h"

namespace kalotri::blatt {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

namespace {
bool ImSchnitt(const QFontMetricsF& eigen, const std::string& text) {
    for (const uint z : Q(text).toUcs4()) {
        if (!eigen.inFontUcs4(z)) {
            return false;
        }
    }
    return true;
}

QFont Schraeg(QFont f) {
    f.setItalic(true);
    return f;
}
} // namespace

Satz::Satz(QPaintDevice* geraet)
    : Z(Zeichenflaeche::Fuer(geraet)), Text(Z.Text, geraet), Klein(Z.Klein, geraet),
      Titel(Z.Titel, geraet), Kursiv(Schraeg(Z.Text)), Fett(Z.Fett, geraet),
      KursivMass(Kursiv, geraet) {}

const QFont& Satz::Schrift(Wegzeile::Stil stil) const {
    return stil == Wegzeile::Stil::Fett ? Z.Fett : stil == Wegzeile::Stil::Kursiv ? Kursiv : Z.Text;
}

const QFontMetricsF& Satz::Mass(Wegzeile::Stil stil) const {
    return stil == Wegzeile::Stil::Fett ? Fett : stil == Wegzeile::Stil::Kursiv ? KursivMass : Text;
}

Satz::Zeilenmass Satz::EineZeile(const QFontMetricsF& fm) const {
    const QFont* schrift = &fm == &Text         ? &Z.Text
                           : &fm == &Fett       ? &Z.Fett
                           : &fm == &KursivMass ? &Kursiv
                                                : nullptr;
    QFont eigen = schrift != nullptr ? *schrift : QFont();
    eigen.setStyleStrategy(QFont::NoFontMerging); // the face alone, without stand-ins
    return {schrift != nullptr ? Hoehe(fm, "0", 1e6, Qt::TextWordWrap) : 0,
            QFontMetricsF(eigen, Z.Geraet)};
}

Satz::Gesetzt Satz::Setze(const QFontMetricsF& fm, const std::string& text, double breite,
                          std::optional<double> natur) const {
    // A line well inside the width in the face's own glyphs is one line of the face: its
    // height is known without laying it out again (a face standing in for a missing
    // glyph may be taller).
    if (natur && *natur <= breite - 1) {
        auto eine = eineZeile_.find(&fm);
        if (eine == eineZeile_.end()) {
            eine = eineZeile_.emplace(&fm, EineZeile(fm)).first;
        }
        if (eine->second.Hoehe > 0 && ImSchnitt(eine->second.Eigen, text)) {
            return {Qt::TextWordWrap, eine->second.Hoehe};
        }
    }
    // Between words where every word fits, else anywhere (a number of many digits). The
    // word-wrapped measure decides and, where it is taken, is the height too.
    const QRectF r = fm.boundingRect(QRectF(0, 0, breite, 1e9), Qt::TextWordWrap, Q(text));
    if (r.width() <= breite + 0.5) {
        return {Qt::TextWordWrap, std::max(r.height(), fm.lineSpacing())};
    }
    return {Qt::TextWrapAnywhere, Hoehe(fm, text, breite, Qt::TextWrapAnywhere)};
}

double Satz::Hoehe(const QFontMetricsF& fm, const std::string& text, double breite,
                   int umbruch) const {
    const QRectF r = fm.boundingRect(QRectF(0, 0, breite, 1e9), umbruch, Q(text));
    return std::max(r.height(), fm.lineSpacing());
}

} // namespace kalotri::blatt
