// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurmaler.h"

#include "auszeichnung.h"
#include "beschreibung.h"
#include "figur.h"
#include "massstab.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalotri::blatt {

namespace {

constexpr double RahmenEinzeln = 55; // mm high, one triangle
constexpr double RahmenPaar = 45;    // mm high each, two triangles
constexpr double Luft = 1;           // mm between a label and its lines
const QColor Linie(31, 61, 122);
const QColor Flaeche(233, 240, 251);

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Text measured in millimetres on one fine reference device, whatever it is drawn on.
class Mass {
  public:
    explicit Mass(const QFont& schrift) : fm_(schrift, Referenz()) {}
    double Breite(const std::string& text) const { return fm_.horizontalAdvance(Q(text)) / ProMm; }
    double Hoehe() const { return fm_.height() / ProMm; }
    double Zeile() const { return fm_.lineSpacing() / ProMm; }
    // Lines of any length wrap, so that nothing runs out of the column.
    double Umbrochen(const std::string& text, double breite) const {
        if (Breite(text) <= breite) {
            return Zeile();
        }
        const QRectF r =
            fm_.boundingRect(QRectF(0, 0, breite * ProMm, 1e9), Qt::TextWrapAnywhere, Q(text));
        return std::max(r.height() / ProMm, Zeile());
    }

  private:
    static constexpr double ProMm = 1200 / 25.4;
    static const QPaintDevice* Referenz() {
        static const QImage bild = [] {
            QImage b(1, 1, QImage::Format_RGB32);
            b.setDotsPerMeterX(static_cast<int>(std::lround(ProMm * 1000)));
            b.setDotsPerMeterY(static_cast<int>(std::lround(ProMm * 1000)));
            return b;
        }();
        return &bild;
    }
    QFontMetricsF fm_;
};

std::string Beschriftung(const BlattAufgabe& a, std::size_t i) {
    std::string text;
    if (a.Figuren.size() > 1) {
        text = std::to_string(i + 1) + ". Lösung";
    }
    if (a.Figuren[i].Form.Flach) {
        text = text.empty() ? "Flaches Dreieck, als Strecke gezeichnet"
                            : text + ": flaches Dreieck, als Strecke gezeichnet";
    }
    return text;
}

FigurEtiketten Etiketten(const Loesungsfigur& lf, const Mass& m) {
    const auto groesse = [&](const std::string& text) {
        return Ausmass{m.Breite(text) + 0.6, m.Hoehe()};
    };
    FigurEtiketten e;
    for (std::size_t i = 0; i < 3; ++i) {
        e.Ecken[i] = groesse(lf.Ecken[i]);
        for (const std::string& s : lf.Seiten[i]) {
            e.Seiten[i].push_back(groesse(s));
        }
        for (const std::string& w : lf.Winkel[i]) {
            e.Winkel[i].push_back(groesse(w));
        }
    }
    e.Abstand = Luft;
    return e;
}

Figurenplan Plane(const BlattAufgabe& a, double breite, const Zeichenflaeche& z) {
    const Mass klein(z.Klein);
    const double rahmenBreite = std::min(breite, FigurRahmenBreite);
    const Rechteck rahmen{(breite - rahmenBreite) / 2, 0, rahmenBreite,
                          a.Figuren.size() > 1 ? RahmenPaar : RahmenEinzeln};
    std::vector<Groessen> formen;
    std::vector<FigurEtiketten> etiketten;
    std::vector<std::optional<Figurlage>> lagen;
    for (const Loesungsfigur& lf : a.Figuren) {
        if (Zeichenbar(lf.Form)) {
            etiketten.push_back(Etiketten(lf, klein));
            formen.push_back(lf.Form);
            lagen.push_back(lf.Lage);
        }
    }
    // One scale for all triangles of the exercise.
    const Massstabswahl wahl = formen.empty()
                                   ? Massstabswahl{}
                                   : WaehleMassstab(formen, etiketten, rahmen, a.Einheit, lagen);

    Figurenplan plan;
    double y = 0;
    const auto zeile = [&](const std::string& text) {
        const double h = klein.Umbrochen(text, breite);
        plan.Zeilen.push_back({text, y, h});
        y += h;
    };
    std::size_t form = 0;
    for (std::size_t i = 0; i < a.Figuren.size(); ++i) {
        const Loesungsfigur& lf = a.Figuren[i];
        y += i > 0 ? 3 : 0;
        if (const std::string titel = Beschriftung(a, i); !titel.empty()) {
            zeile(titel);
        }
        if (!Zeichenbar(lf.Form) || wahl.MmJeLaenge <= 0) {
            zeile("Dieses Dreieck lässt sich nicht zeichnen.");
        } else {
            Rechteck hier = rahmen;
            hier.y = y;
            const Figur f = LegeFigur(lf.Form, hier, etiketten[form++], wahl.MmJeLaenge, lf.Lage);
            plan.Bilder.push_back({i, f, y, FigurBeschreibung(a, i, wahl.Text)});
            y = Umriss(f).Unten() + 1.5;
            if (wahl.Text) {
                zeile(*wahl.Text);
            }
            for (const std::string& text : Legende(lf, f)) {
                zeile(text);
            }
            y += 0.5;
        }
        for (const std::string& text : lf.Groessen) {
            zeile(text);
        }
    }
    plan.Hoehe = y;
    return plan;
}

// Millimetres of the plan to the device, from the column's top left corner.
struct Abbildung {
    QPointF Ursprung;
    double ProMm = 1;
    QPointF Punkt(kalotri::Punkt p) const { return Ursprung + QPointF(p.x * ProMm, p.y * ProMm); }
    QRectF Rechteck(const kalotri::Rechteck& r) const {
        return {Punkt({r.x, r.y}), QSizeF(r.Breite * ProMm, r.Hoehe * ProMm)};
    }
};

// The arc from one side to the other, Qt counting degrees anticlockwise from 3 o'clock.
void MaleBogen(QPainter& p, const std::array<QPointF, 3>& ecken, std::size_t i, double r) {
    const QPointF ecke = ecken[i];
    const auto richtung = [&](std::size_t j) {
        const QPointF d = ecken[j] - ecke;
        return std::atan2(-d.y(), d.x()) * 180 / std::numbers::pi;
    };
    const double von = richtung((i + 1) % 3);
    double spanne = richtung((i + 2) % 3) - von;
    spanne -= 360 * std::round(spanne / 360);
    p.drawArc(QRectF(ecke.x() - r, ecke.y() - r, 2 * r, 2 * r), static_cast<int>(von * 16),
              static_cast<int>(spanne * 16));
}

// A right angle gets the dot inside its arc, as drawn in school.
void MaleRechtwinkelPunkt(QPainter& p, const std::array<QPointF, 3>& ecken, std::size_t i,
                          double r) {
    const auto einheit = [](QPointF d) { return d / std::hypot(d.x(), d.y()); };
    const QPointF u =
        einheit(einheit(ecken[(i + 1) % 3] - ecken[i]) + einheit(ecken[(i + 2) % 3] - ecken[i]));
    p.drawEllipse(ecken[i] + 0.5 * r * u, r / 12, r / 12);
}

void MaleFigur(QPainter& p, const Loesungsfigur& lf, const Figur& f, const Abbildung& abb,
               const Zeichenflaeche& z) {
    std::array<QPointF, 3> ecken;
    QPolygonF umriss;
    for (std::size_t i = 0; i < 3; ++i) {
        ecken[i] = abb.Punkt(f.Ecken[i]);
        umriss << ecken[i];
    }
    p.setPen(QPen(Linie, z.Mm(0.35), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Flaeche);
    p.drawPolygon(umriss);
    if (f.Flach) {
        p.setBrush(Linie);
        for (const QPointF& q : ecken) {
            p.drawEllipse(q, z.Mm(0.6), z.Mm(0.6));
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Linie, z.Mm(0.2)));
    for (std::size_t i = 0; i < 3; ++i) {
        const double r = f.BogenRadius[i] * abb.ProMm;
        if (r > 0) {
            MaleBogen(p, ecken, i, r);
            if (lf.Rechtwinklig[i]) {
                p.setBrush(Linie);
                MaleRechtwinkelPunkt(p, ecken, i, r);
                p.setBrush(Qt::NoBrush);
            }
        }
    }

    p.setFont(z.Klein);
    p.setPen(Qt::black);
    for (std::size_t i = 0; i < 3; ++i) {
        p.drawText(abb.Rechteck(f.EckenEtiketten[i]), Qt::AlignCenter, Q(lf.Ecken[i]));
        const auto s = static_cast<std::size_t>(f.SeitenVariante[i]);
        if (s < lf.Seiten[i].size()) {
            p.drawText(abb.Rechteck(f.SeitenEtiketten[i]), Qt::AlignCenter, Q(lf.Seiten[i][s]));
        }
        const auto w = static_cast<std::size_t>(f.WinkelVariante[i]);
        if (f.WinkelEtiketten[i] && w < lf.Winkel[i].size()) {
            p.drawText(abb.Rechteck(*f.WinkelEtiketten[i]), Qt::AlignCenter, Q(lf.Winkel[i][w]));
        }
    }
}

} // namespace

Zeichenflaeche Zeichenflaeche::Fuer(QPaintDevice* geraet) {
    Zeichenflaeche z;
    z.Geraet = geraet;
    z.ProMm = geraet->logicalDpiX() / 25.4;
    // Liberation Sans: Arial's measures, as the program's Script, and Greek letters too.
    z.Text = QFont("Liberation Sans");
    z.Text.setPointSizeF(9.5);
    z.Klein = z.Text;
    z.Klein.setPointSizeF(8);
    z.Fett = z.Text;
    z.Fett.setBold(true);
    z.Titel = z.Fett;
    z.Titel.setPointSizeF(15);
    return z;
}

double FigurenHoehe(const BlattAufgabe& a, double breite, const Zeichenflaeche& z) {
    return z.Mm(Plane(a, breite / z.ProMm, z).Hoehe);
}

std::shared_ptr<const Figurenplan> PlaneFiguren(const BlattAufgabe& a, double breite,
                                                const Zeichenflaeche& z) {
    return std::make_shared<const Figurenplan>(Plane(a, breite / z.ProMm, z));
}

std::string FigurenBeschreibung(const BlattAufgabe& a, double breite, const Zeichenflaeche& z) {
    std::string text;
    for (const Figurenplan::Bild& b : Plane(a, breite / z.ProMm, z).Bilder) {
        text += (text.empty() ? "" : " ") + b.Beschreibung;
    }
    return text;
}

void MaleFiguren(QPainter& p, const BlattAufgabe& a, const QRectF& spalte,
                 const Zeichenflaeche& z) {
    MaleFiguren(p, a, Plane(a, spalte.width() / z.ProMm, z), spalte, z);
}

void MaleFiguren(QPainter& p, const BlattAufgabe& a, const Figurenplan& plan, const QRectF& spalte,
                 const Zeichenflaeche& z) {
    const double breite = spalte.width() / z.ProMm;
    const Abbildung abb{spalte.topLeft(), z.ProMm};
    // From the top down, so that a reader meets caption, figure and legend in that order.
    std::size_t bild = 0;
    const auto bilderBis = [&](double y) {
        for (; bild < plan.Bilder.size() && plan.Bilder[bild].Y <= y; ++bild) {
            const Auszeichnung figur(p, "Figure", plan.Bilder[bild].Beschreibung);
            MaleFigur(p, a.Figuren[plan.Bilder[bild].Figur], plan.Bilder[bild].Lage, abb, z);
        }
    };
    for (const Figurenplan::Zeile& zeile : plan.Zeilen) {
        bilderBis(zeile.Y);
        const Auszeichnung absatz(p, "P");
        p.setFont(z.Klein);
        p.setPen(Qt::black);
        p.drawText(abb.Rechteck({0, zeile.Y, breite, zeile.Hoehe}),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, Q(zeile.Text));
    }
    bilderBis(1e300); // the figures below the last line
}

} // namespace kalotri::blatt
