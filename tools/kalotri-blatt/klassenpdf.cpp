// SPDX-License-Identifier: GPL-3.0-or-later
#include "klassenpdf.h"

#include "bloecke.h"

#include <QPageLayout>
#include <QPainter>

#include <algorithm>

namespace kalotri::blatt {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr const char* Hinweis =
    "Die Ergebnisdateien kommen von den Schülerinnen und Schülern und lassen sich von ihnen "
    "bearbeiten; ihre Prüfsumme zeigt nur versehentliche Schäden, keine Änderungen.";

} // namespace

void SchreibeKlassenuebersicht(QPdfWriter& pdf, const ergebnis::Klassentabelle& t,
                               const std::vector<std::string>& uebersprungen) {
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    pdf.setResolution(600);
    pdf.setTitle("Klassenübersicht");
    pdf.setCreator("kalotri-blatt");
    const Satz s(&pdf);
    QPainter p(&pdf);
    const double breite = s.Mm(mass::SeiteHoehe - 2 * mass::RandOben);
    const double zeile = s.Text.lineSpacing() * 1.5;
    const double unten = s.Mm(mass::SeiteBreite - mass::RandUnten);
    // The whole table on the one page: a large class is set smaller, never cut.
    const double kopfHoehe = s.Titel.lineSpacing() * 2 + zeile;
    const double fussHoehe =
        s.Klein.lineSpacing() * (3 + static_cast<double>(uebersprungen.size()));
    const double noetig =
        kopfHoehe + zeile * static_cast<double>(t.Schueler.size() + 2) + fussHoehe;
    const double platz = unten - s.Mm(mass::RandOben);
    const double faktor = std::min(1.0, platz / noetig);
    p.translate(s.Mm(mass::RandOben), s.Mm(mass::RandOben));
    p.scale(faktor, faktor);
    const double w = breite / faktor;

    double y = 0;
    p.setFont(s.Z.Titel);
    p.drawText(QRectF(0, y, w, s.Titel.lineSpacing()), Qt::AlignLeft, "Klassenübersicht");
    y += s.Titel.lineSpacing() * 2;

    // Name wide, code and date narrower, the exercises' points narrow, the four sums wide
    // enough for their heads even with ten exercises.
    const std::size_t spalten = t.Kopf.size();
    const double name = w * 0.17, code = w * 0.1, datum = w * 0.08;
    constexpr double Summenbreite = 1.7; // of an exercise's column
    const double zahl = (w - name - code - datum) / (static_cast<double>(t.Aufgaben) +
                                                     Summenbreite * (spalten - 3 - t.Aufgaben));
    const auto spalte = [&](std::size_t i) {
        return i == 0               ? name
               : i == 1             ? code
               : i == 2             ? datum
               : i < 3 + t.Aufgaben ? zahl
                                    : zahl * Summenbreite;
    };
    const auto links = [&](std::size_t i) {
        double x = 0;
        for (std::size_t k = 0; k < i; ++k) {
            x += spalte(k);
        }
        return x;
    };
    const auto reihe = [&](const std::vector<std::string>& zellen, const QFont& schrift) {
        p.setFont(schrift);
        for (std::size_t i = 0; i < zellen.size(); ++i) {
            const QRectF feld(links(i) + s.Mm(1), y, spalte(i) - s.Mm(2), zeile);
            const QString text =
                QFontMetricsF(schrift, &pdf).elidedText(Q(zellen[i]), Qt::ElideRight, feld.width());
            p.drawText(feld, Qt::AlignVCenter | (i < 3 ? Qt::AlignLeft : Qt::AlignRight), text);
        }
        y += zeile;
        p.drawLine(QPointF(0, y), QPointF(w, y));
    };
    reihe(t.Kopf, s.Z.Fett);
    p.setPen(QPen(Qt::black, s.Mm(0.1)));
    for (const auto& z : t.Schueler) {
        reihe(z, s.Z.Text);
    }
    p.setPen(QPen(Qt::black, s.Mm(0.4)));
    reihe(t.Klasse, s.Z.Fett);

    y += s.Klein.lineSpacing();
    p.setFont(s.Z.Klein);
    const auto absatz = [&](const std::string& text) {
        const QRectF feld(0, y, w, s.Klein.lineSpacing() * 3);
        QRectF gebraucht;
        p.drawText(feld, Qt::TextWordWrap, Q(text), &gebraucht);
        y += gebraucht.height();
    };
    absatz("Punkte je Aufgabe; die letzte Zeile: Anteil der erreichten Punkte der ganzen Klasse "
           "je Aufgabe in Prozent. " +
           std::string(Hinweis));
    for (const std::string& grund : uebersprungen) {
        absatz("Übersprungen: " + grund);
    }
}

} // namespace kalotri::blatt
