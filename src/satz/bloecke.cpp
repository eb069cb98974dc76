// SPDX-License-Identifier: GPL-3.0-or-later
#include "bloecke.h"

#include "auszeichnung.h"
#include "beschreibung.h"
#include "sachmaler.h"
#include "skizze.h"

#include <algorithm>

namespace kalotri::blatt {

using namespace mass;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

// The number heads its exercise or solution; in the answer table it is a cell.
void Nummer(QPainter& p, const Satz& s, int nummer, double y, const char* rolle) {
    const Auszeichnung kopf(p, rolle);
    p.setPen(Qt::black);
    p.setFont(s.Z.Fett);
    p.drawText(QPointF(s.Mm(RandLinks), y + s.Text.ascent()), QString("%1.").arg(nummer));
}

Aufgabenblock::Aufgabenblock(const BlattAufgabe& a, int nummer, const Satz& satz, const Stil& stil)
    : a_(a), nummer_(nummer), s_(satz), stil_(stil) {}

double Aufgabenblock::Breite() const {
    const double skizze = a_.Sachskizze  ? SachskizzeBreiteMm + 4
                          : stil_.Skizze ? SkizzeBreiteMm + 4
                                         : 0;
    return s_.Mm(SeiteBreite - RandRechts - skizze - TextLinks);
}

// A word problem's situation is prose; a line of given values may be one long number.
int Aufgabenblock::Umbruch() const {
    return a_.Sachskizze ? Qt::TextWordWrap : Qt::TextWrapAnywhere;
}

const std::string& Aufgabenblock::Auftrag() const {
    return a_.Auftrag.empty() ? stil_.Auftrag : a_.Auftrag;
}

std::vector<double> Aufgabenblock::Streifen() const {
    std::vector<double> h = {s_.Hoehe(s_.Text, a_.Gegeben, Breite(), Umbruch()),
                             s_.Hoehe(s_.Text, Auftrag(), Breite(), Qt::TextWordWrap)};
    if (stil_.PlatzCm > 0) {
        // The room to work starts below the sketch.
        h.push_back(std::max(0.0, Beiwerk() - h[0] - h[1]));
        h.push_back(s_.Mm(3 + 10.0 * stil_.PlatzCm) - kuerzung_);
    }
    return h;
}

double Aufgabenblock::Kuerzbar() const {
    // A page too short for the whole room gives two thirds of it at least; a larger room
    // than a page holds is cut to the page instead of leaving the exercise alone on one.
    return stil_.PlatzCm > 0 ? s_.Mm(10.0 * stil_.PlatzCm) / 3 : 0;
}

double Aufgabenblock::Beiwerk() const {
    return a_.Sachskizze ? s_.Mm(SachskizzeHoeheMm) : stil_.Skizze ? s_.Mm(SkizzeHoeheMm) : 0;
}

void Aufgabenblock::Male(QPainter& p, double y, std::size_t von, std::size_t bis) const {
    const std::vector<double> h = Streifen();
    const double oben = y;
    if (von == 0) {
        Nummer(p, s_, nummer_, y);
    }
    p.setPen(Qt::black);
    p.setFont(s_.Z.Text);
    const double x = s_.Mm(TextLinks);
    for (std::size_t i = von; i < bis; ++i) {
        const QRectF r(x, y, Breite(), h[i]);
        if (i == 0) {
            const Auszeichnung absatz(p, "P");
            p.drawText(r, Umbruch(), Q(a_.Gegeben));
        } else if (i == 1) {
            const Auszeichnung absatz(p, "P");
            p.drawText(r, Qt::TextWordWrap, Q(Auftrag()));
        } else if (i == 3) {
            // Squared paper, as in an exercise book.
            p.save();
            p.setPen(QPen(QColor(200, 200, 200), s_.Mm(0.1)));
            const QRectF feld(x, y + s_.Mm(3), s_.Mm(SeiteBreite - RandRechts - TextLinks),
                              h[i] - s_.Mm(3));
            for (double u = feld.left(); u <= feld.right() + 1; u += s_.Mm(5)) {
                p.drawLine(QPointF(u, feld.top()), QPointF(u, feld.bottom()));
            }
            for (double v = feld.top(); v <= feld.bottom() + 1; v += s_.Mm(5)) {
                p.drawLine(QPointF(feld.left(), v), QPointF(feld.right(), v));
            }
            p.restore();
        }
        y += h[i];
    }
    // The sketch beside the text is read after it.
    if (von == 0 && a_.Sachskizze) {
        const Auszeichnung bild(p, "Figure", SachskizzenBeschreibung(*a_.Sachskizze));
        const QRectF rahmen(s_.Mm(SeiteBreite - RandRechts - SachskizzeBreiteMm), oben,
                            s_.Mm(SachskizzeBreiteMm), s_.Mm(SachskizzeHoeheMm));
        MaleSachskizze(p, *a_.Sachskizze, rahmen, s_.Z.ProMm, s_.Z.Klein);
    } else if (von == 0 && stil_.Skizze) {
        const Auszeichnung bild(p, "Figure", SkizzenBeschreibung(a_.Skizze));
        const QRectF rahmen(s_.Mm(SeiteBreite - RandRechts - SkizzeBreiteMm), oben,
                            s_.Mm(SkizzeBreiteMm), s_.Mm(SkizzeHoeheMm));
        MaleSkizze(p, a_.Skizze, rahmen, s_.Z.ProMm, s_.Z.Klein);
    }
}

Loesungsblock::Loesungsblock(const BlattAufgabe& a, int nummer, const Satz& satz,
                             std::vector<Wegzeile> zeilen, bool figuren,
                             const Loesungssatz* gesetzt)
    : a_(a), nummer_(nummer), s_(satz), zeilen_(std::move(zeilen)),
      figuren_(figuren && !a.Figuren.empty()) {
    if (gesetzt != nullptr && gesetzt->Zeilen.size() == zeilen_.size()) {
        breite_ = gesetzt->Breite;
        gesetzt_ = gesetzt->Zeilen;
        figurenHoehe_ = gesetzt->FigurenHoehe;
        plan_ = gesetzt->Figuren;
        return;
    }
    // At least the column's width, wider for long lines, but never beyond the page, and
    // with figures never so wide that they lose their column: long lines wrap instead.
    constexpr double FigurenMindestens = 70; // mm
    const double hoechstens =
        SeiteBreite - RandRechts - TextLinks - (figuren_ ? Spaltenabstand + FigurenMindestens : 0);
    breite_ = s_.Mm(TextBreite);
    std::vector<double> natur;
    natur.reserve(zeilen_.size());
    for (const Wegzeile& zeile : zeilen_) {
        natur.push_back(s_.Mass(zeile.Art).horizontalAdvance(Q(zeile.Text)));
        breite_ = std::max(breite_, natur.back());
    }
    breite_ = std::min(breite_, s_.Mm(std::max(hoechstens, TextBreite)));
    gesetzt_.reserve(zeilen_.size());
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        gesetzt_.push_back(s_.Setze(s_.Mass(zeilen_[i].Art), zeilen_[i].Text, breite_, natur[i]));
    }
}

std::vector<double> Loesungsblock::Streifen() const {
    std::vector<double> h;
    h.reserve(zeilen_.size());
    for (const Satz::Gesetzt& g : gesetzt_) {
        h.push_back(g.Hoehe);
    }
    if (!figuren_ && !h.empty()) {
        h.back() += s_.Mm(2.5);
    }
    return h;
}

// The figures take the room right of the text, if there is enough for one.
QRectF Loesungsblock::FigurenSpalte(double y) const {
    const double links = s_.Mm(TextLinks) + breite_ + s_.Mm(Spaltenabstand);
    const double breite = s_.Mm(SeiteBreite - RandRechts) - links;
    if (!figuren_ || breite < s_.Mm(30)) {
        return {};
    }
    if (!figurenHoehe_) {
        plan_ = PlaneFiguren(a_, breite, s_.Z);
        figurenHoehe_ = s_.Z.Mm(plan_->Hoehe);
    }
    return {links, y, breite, *figurenHoehe_};
}

double Loesungsblock::Beiwerk() const {
    return FigurenSpalte(0).height();
}

void Loesungsblock::Male(QPainter& p, double y, std::size_t von, std::size_t bis) const {
    const double oben = y;
    if (von == 0) {
        Nummer(p, s_, nummer_, y);
    }
    p.setPen(Qt::black);
    for (std::size_t i = von; i < bis; ++i) {
        const Auszeichnung absatz(p, "P");
        const Wegzeile& zeile = zeilen_[i];
        const Satz::Gesetzt& g = gesetzt_[i];
        p.setFont(s_.Schrift(zeile.Art));
        p.drawText(QRectF(s_.Mm(TextLinks), y, breite_, g.Hoehe), g.Umbruch, Q(zeile.Text));
        y += g.Hoehe;
    }
    // The figures right of the lines are read after them.
    if (const QRectF spalte = FigurenSpalte(oben); von == 0 && !spalte.isEmpty()) {
        const Auszeichnung seitlich(p, "Div");
        if (plan_ == nullptr) { // a height given without its plan
            plan_ = PlaneFiguren(a_, spalte.width(), s_.Z);
        }
        MaleFiguren(p, a_, *plan_, spalte, s_.Z);
    }
}

void Zwischentitel::Male(QPainter& p, double y, std::size_t, std::size_t) const {
    const Auszeichnung zelle(p, "TH");
    p.setPen(Qt::black);
    p.setFont(s_.Z.Fett);
    p.drawText(QPointF(s_.Mm(RandLinks), y + s_.Text.ascent() + s_.Mm(2)), Q(text_));
}

} // namespace kalotri::blatt
