// SPDX-License-Identifier: GPL-3.0-or-later
#include "blattpdf.h"

#include "figurmaler.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include <algorithm>

namespace kalotri::blatt {

namespace {

// Page geometry in millimetres.
constexpr double SeiteBreite = 210;
constexpr double SeiteHoehe = 297;
constexpr double RandLinks = 20;
constexpr double RandRechts = 15;
constexpr double RandOben = 15;
constexpr double RandUnten = 18;
constexpr double Spaltenabstand = 6;
constexpr double Blockabstand = 7;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Where each block goes: a block that does not fit below the last one opens a page.
struct Platz {
    int Seite = 0;
    double Y = 0;
};

std::vector<Platz> Verteile(const std::vector<double>& hoehen, double erstesY, double oben,
                            double unten, int ersteSeite) {
    std::vector<Platz> plaetze;
    Platz jetzt{ersteSeite, erstesY};
    for (const double h : hoehen) {
        // A block taller than a whole page still gets a page of its own.
        if (jetzt.Y + h > unten && jetzt.Y > oben) {
            jetzt = {jetzt.Seite + 1, oben};
        }
        plaetze.push_back(jetzt);
        jetzt.Y += h;
    }
    return plaetze;
}

int LetzteSeite(const std::vector<Platz>& plaetze) {
    return plaetze.empty() ? 0 : plaetze.back().Seite;
}

class Maler {
  public:
    Maler(QPdfWriter& pdf, const Blattkopf& kopf)
        : pdf_(pdf), kopf_(kopf), z_(Zeichenflaeche::Fuer(&pdf)), text_(z_.Text, &pdf),
          titel_(z_.Titel, &pdf) {}

    int Schreibe(const std::vector<BlattAufgabe>& aufgaben,
                 const std::function<void(int, int)>& fortschritt) {
        // Exercise blocks: the given values and the task, then room to breathe.
        const double kopfHoehe = TitelRahmen().height() + z_.Mm(4) + text_.lineSpacing() + z_.Mm(8);
        std::vector<double> hoehen;
        for (const BlattAufgabe& a : aufgaben) {
            hoehen.push_back(GegebenRahmen(a, 0).height() + text_.lineSpacing() +
                             z_.Mm(Blockabstand));
        }
        const auto aufgabenPlaetze =
            Verteile(hoehen, Mm(RandOben) + kopfHoehe, Mm(RandOben), Mm(SeiteHoehe - RandUnten), 0);
        std::vector<Platz> loesungsPlaetze;
        if (kopf_.MitLoesungen) {
            hoehen.clear();
            for (const BlattAufgabe& a : aufgaben) {
                hoehen.push_back(LoesungsHoehe(a) + z_.Mm(Blockabstand));
            }
            loesungsPlaetze =
                Verteile(hoehen, Mm(RandOben) + titel_.lineSpacing() + z_.Mm(6), Mm(RandOben),
                         Mm(SeiteHoehe - RandUnten), LetzteSeite(aufgabenPlaetze) + 1);
        }
        seiten_ = std::max(LetzteSeite(aufgabenPlaetze), LetzteSeite(loesungsPlaetze)) + 1;

        QPainter p(&pdf_);
        int seite = 0;
        Kopf(p);
        for (std::size_t i = 0; i < aufgaben.size(); ++i) {
            Seite(p, seite, aufgabenPlaetze[i].Seite, fortschritt);
            Aufgabe(p, i, aufgaben[i], aufgabenPlaetze[i].Y);
        }
        for (std::size_t i = 0; i < loesungsPlaetze.size(); ++i) {
            Seite(p, seite, loesungsPlaetze[i].Seite, fortschritt);
            if (i == 0) {
                p.setFont(z_.Titel);
                p.drawText(QPointF(Mm(RandLinks), Mm(RandOben) + titel_.ascent()), "Lösungen");
            }
            Loesung(p, i, aufgaben[i], loesungsPlaetze[i].Y);
        }
        Fuss(p, seite);
        fortschritt(seite + 1, seiten_);
        return seiten_;
    }

  private:
    double Mm(double mm) const { return z_.Mm(mm); }

    // Moves on to page ziel, closing the pages before it.
    void Seite(QPainter& p, int& seite, int ziel,
               const std::function<void(int, int)>& fortschritt) {
        while (seite < ziel) {
            Fuss(p, seite);
            fortschritt(seite + 1, seiten_);
            pdf_.newPage();
            ++seite;
        }
    }

    void Fuss(QPainter& p, int seite) {
        p.setFont(z_.Klein);
        p.setPen(Qt::black);
        const QString text = QString("Seite %1 von %2").arg(seite + 1).arg(seiten_);
        p.drawText(QRectF(Mm(RandLinks), Mm(SeiteHoehe - 12),
                          Mm(SeiteBreite - RandLinks - RandRechts), Mm(6)),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    }

    // A title too long for one line wraps rather than running off the page.
    QRectF TitelRahmen() const {
        return titel_.boundingRect(
            QRectF(Mm(RandLinks), Mm(RandOben), Mm(SeiteBreite - RandLinks - RandRechts), Mm(100)),
            Qt::TextWordWrap, Q(kopf_.Titel));
    }

    void Kopf(QPainter& p) {
        p.setPen(Qt::black);
        p.setFont(z_.Titel);
        const QRectF rahmen = TitelRahmen();
        p.drawText(rahmen, Qt::TextWordWrap, Q(kopf_.Titel));
        const double y = rahmen.bottom() + Mm(4) + text_.ascent();
        p.setFont(z_.Text);
        p.drawText(QPointF(Mm(RandLinks), y),
                   "Name: ________________________________    Datum: ________________");
    }

    void Aufgabe(QPainter& p, std::size_t i, const BlattAufgabe& a, double y) {
        p.setPen(Qt::black);
        p.setFont(z_.Fett);
        p.drawText(QPointF(Mm(RandLinks), y + text_.ascent()), QString("%1.").arg(i + 1));
        p.setFont(z_.Text);
        const QRectF gegeben = GegebenRahmen(a, y);
        p.drawText(gegeben, Qt::TextWrapAnywhere, Q(a.Gegeben));
        p.drawText(QPointF(Mm(LoesungstextLinks), gegeben.bottom() + text_.ascent()),
                   "Berechne die fehlenden Größen.");
    }

    // The given values on one line, or more where typed texts make it long.
    QRectF GegebenRahmen(const BlattAufgabe& a, double y) const {
        const QRectF rahmen = text_.boundingRect(
            QRectF(Mm(LoesungstextLinks), y, Mm(SeiteBreite - RandRechts - LoesungstextLinks), 1e9),
            Qt::TextWrapAnywhere, Q(a.Gegeben));
        return {rahmen.left(), y, rahmen.width(), std::max(rahmen.height(), text_.lineSpacing())};
    }

    // At least the column's width, wider for long lines, but never beyond the page.
    double TextBreite(const BlattAufgabe& a) const {
        double breite = Mm(LoesungstextBreite);
        for (const std::string& zeile : a.Loesungsweg) {
            breite = std::max(breite, text_.horizontalAdvance(Q(zeile)));
        }
        return std::min(breite, Mm(SeiteBreite - RandRechts - LoesungstextLinks));
    }

    // A line too long for the page (hundreds of decimals) wraps instead of running off it.
    QRectF ZeilenRahmen(const std::string& zeile, double breite) const {
        return text_.boundingRect(QRectF(0, 0, breite, 1e9), Qt::TextWrapAnywhere, Q(zeile));
    }

    double TextHoehe(const BlattAufgabe& a) const {
        const double breite = TextBreite(a);
        double hoehe = 0;
        for (const std::string& zeile : a.Loesungsweg) {
            hoehe += std::max(text_.lineSpacing(), ZeilenRahmen(zeile, breite).height());
        }
        return hoehe;
    }

    // The figures take the room right of the text, if there is enough for one.
    QRectF FigurenSpalte(const BlattAufgabe& a, double y) const {
        const double links = Mm(LoesungstextLinks) + TextBreite(a) + Mm(Spaltenabstand);
        const double breite = Mm(SeiteBreite - RandRechts) - links;
        if (a.Figuren.empty() || breite < Mm(30)) {
            return {};
        }
        return {links, y, breite, FigurenHoehe(a, breite, z_)};
    }

    double LoesungsHoehe(const BlattAufgabe& a) const {
        return std::max(TextHoehe(a), FigurenSpalte(a, 0).height());
    }

    void Loesung(QPainter& p, std::size_t i, const BlattAufgabe& a, double y) {
        p.setPen(Qt::black);
        p.setFont(z_.Fett);
        p.drawText(QPointF(Mm(RandLinks), y + text_.ascent()), QString("%1.").arg(i + 1));
        p.setFont(z_.Text);
        const double breite = TextBreite(a);
        double zeileY = y;
        for (const std::string& zeile : a.Loesungsweg) {
            const double hoehe =
                std::max(text_.lineSpacing(), ZeilenRahmen(zeile, breite).height());
            p.drawText(QRectF(Mm(LoesungstextLinks), zeileY, breite, hoehe), Qt::TextWrapAnywhere,
                       Q(zeile));
            zeileY += hoehe;
        }
        const QRectF spalte = FigurenSpalte(a, y);
        if (!spalte.isEmpty()) {
            MaleFiguren(p, a, spalte, z_);
        }
    }

    QPdfWriter& pdf_;
    Blattkopf kopf_;
    Zeichenflaeche z_;
    QFontMetricsF text_;
    QFontMetricsF titel_;
    int seiten_ = 1;
};

} // namespace

int SchreibeBlatt(QPdfWriter& pdf, const std::vector<BlattAufgabe>& aufgaben, const Blattkopf& kopf,
                  const std::function<void(int, int)>& fortschritt) {
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setResolution(600);
    pdf.setTitle(QString::fromStdString(kopf.Titel));
    pdf.setCreator("kalotri-blatt");
    return Maler(pdf, kopf).Schreibe(aufgaben, fortschritt);
}

} // namespace kalotri::blatt
