// SPDX-License-Identifier: GPL-3.0-or-later
#include "sachetiketten.h"

#include "sachmaler.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalotri::blatt {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The rectangle of a text whose nearest edge lies `abstand` from punkt in direction richtung.
QRectF Neben(const QFontMetricsF& fm, const std::string& text, QPointF punkt, QPointF richtung,
             double abstand) {
    const double b = fm.horizontalAdvance(Q(text)), h = fm.height();
    const QPointF d = Einheitsvektor(richtung);
    const double halb = std::abs(d.x()) * b / 2 + std::abs(d.y()) * h / 2;
    const QPointF mitte = punkt + d * (abstand + halb);
    return {mitte.x() - b / 2, mitte.y() - h / 2, b, h};
}

QPointF Gedreht(QPointF v, double grad) {
    const double w = grad * std::numbers::pi / 180, c = std::cos(w), s = std::sin(w);
    return {v.x() * c - v.y() * s, v.x() * s + v.y() * c};
}

// Whether the segment a–b runs through k (clipped against each edge in turn).
bool Schneidet(QPointF a, QPointF b, const QRectF& k) {
    double t0 = 0, t1 = 1;
    const QPointF d = b - a;
    const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[4] = {a.x() - k.left(), k.right() - a.x(), a.y() - k.top(), k.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
        } else if (p[i] < 0) {
            t0 = std::max(t0, q[i] / p[i]);
        } else {
            t1 = std::min(t1, q[i] / p[i]);
        }
    }
    return t0 < t1;
}

// Each label takes the first of its places that touches no label placed before, crosses no
// line and stays in the frame; else the first that touches no label and stays in the frame;
// else the first that touches none; else the one that overlaps least. A label on a line is
// still read; one on another is not. An angle's label crosses a line rather than leave its
// arc. A label left without room is placed earlier next time,
// since an earlier one may have taken the only room it had.
class Platzierung {
  public:
    Platzierung(QRectF rahmen, double luft) : rahmen_(rahmen), luft_(luft) {}

    void Strich(QPointF a, QPointF b) { striche_.emplace_back(a, b); }

    // kreuzen: how many places further down the list a label would rather go than cross a
    // line.
    void Lege(Etikettart art, const std::string& text, std::vector<QRectF> orte,
              double kreuzen = 1e3) {
        wuensche_.push_back({art, text, std::move(orte), kreuzen});
    }

    std::vector<SachEtikett> Ergebnis() const {
        std::vector<std::size_t> folge(wuensche_.size());
        for (std::size_t i = 0; i < folge.size(); ++i) {
            folge[i] = i;
        }
        std::vector<SachEtikett> beste;
        std::size_t wenigste = folge.size() + 1;
        for (std::size_t versuch = 0; versuch <= folge.size() && wenigste > 0; ++versuch) {
            std::vector<SachEtikett> liste;
            std::size_t eng = 0, erster = folge.size();
            for (std::size_t f = 0; f < folge.size(); ++f) {
                const Wunsch& w = wuensche_[folge[f]];
                if (!Setze(liste, w) && eng++ == 0) {
                    erster = f;
                }
            }
            if (eng < wenigste) {
                beste = std::move(liste), wenigste = eng;
            }
            if (erster < folge.size()) {
                std::rotate(folge.begin(), folge.begin() + static_cast<std::ptrdiff_t>(erster),
                            folge.begin() + static_cast<std::ptrdiff_t>(erster) + 1);
            }
        }
        return beste;
    }

  private:
    struct Wunsch {
        Etikettart Art;
        std::string Text;
        std::vector<QRectF> Orte;
        double Kreuzen;
    };

    // False when every place overlaps a label already there.
    bool Setze(std::vector<SachEtikett>& liste, const Wunsch& w) const {
        std::size_t beste = 0;
        double kleinste = 0;
        for (std::size_t i = 0; i < w.Orte.size(); ++i) {
            const QRectF& k = w.Orte[i];
            const double ueber = Ueberdeckung(liste, k);
            const double kosten = static_cast<double>(i) + (ueber > 0 ? 1e6 + ueber : 0) +
                                  (rahmen_.contains(k) ? 0 : 1e4) + (Kreuzt(k) ? w.Kreuzen : 0);
            if (i == 0 || kosten < kleinste) {
                beste = i, kleinste = kosten;
            }
        }
        liste.push_back({w.Art, w.Text, w.Orte[beste]});
        return kleinste < 1e6;
    }

    bool Kreuzt(const QRectF& k) const {
        const QRectF innen = k.adjusted(luft_, luft_, -luft_, -luft_);
        return std::any_of(striche_.begin(), striche_.end(),
                           [&](const auto& s) { return Schneidet(s.first, s.second, innen); });
    }

    double Ueberdeckung(const std::vector<SachEtikett>& liste, const QRectF& k) const {
        const QRectF mitLuft = k.adjusted(-luft_, -luft_, luft_, luft_);
        double summe = 0;
        for (const SachEtikett& e : liste) {
            const QRectF s = mitLuft.intersected(e.Kasten);
            summe += s.isEmpty() ? 0 : s.width() * s.height();
        }
        return summe;
    }

    QRectF rahmen_;
    double luft_;
    std::vector<std::pair<QPointF, QPointF>> striche_;
    std::vector<Wunsch> wuensche_;
};

} // namespace

QPointF Einheitsvektor(QPointF v) {
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF(0, -1);
}

QPointF Seitlich(const Skizzenlinie& l, QPointF a, QPointF b, QPointF mitte) {
    // Left of a→b on a page whose y runs down.
    QPointF n = Einheitsvektor(QPointF((b - a).y(), -(b - a).x()));
    if (l.Seite < 0 || (l.Seite == 0 && QPointF::dotProduct(n, (a + b) / 2 - mitte) < 0)) {
        n = -n;
    }
    return n;
}

SachLage LegeSachskizze(const Sachskizze& s, const QRectF& rahmen, double proMm,
                        const QFont& schrift, const QPaintDevice* geraet) {
    const double mm = proMm;
    const QFontMetricsF fm(schrift, geraet);
    QFont fett = schrift, kursiv = schrift;
    fett.setBold(true);
    kursiv.setItalic(true);
    const QFontMetricsF fmFett(fett, geraet), fmKursiv(kursiv, geraet);
    SachLage lage;
    // Room around the shape for the names and labels, and the caption below.
    lage.Flaeche = rahmen.adjusted(9 * mm, 5 * mm, -9 * mm, -fm.lineSpacing() - 9 * mm);
    lage.Orte = SkizzenOrte(s, lage.Flaeche);
    const std::vector<QPointF>& ort = lage.Orte;
    int benannt = 0;
    for (std::size_t i = 0; i < s.Punkte.size(); ++i) {
        if (!s.Punkte[i].Name.empty()) {
            lage.Mitte += ort[i];
            ++benannt;
        }
    }
    lage.Mitte = benannt > 0 ? lage.Mitte / benannt : lage.Flaeche.center();

    Platzierung platz(rahmen.adjusted(0, 0, 0, -fm.lineSpacing()), 0.4 * mm);
    for (const Skizzenlinie& l : s.Linien) {
        const QPointF a = ort[l.Von], b = ort[l.Bis];
        const QPointF n = Seitlich(l, a, b, lage.Mitte) * l.Versatz * mm;
        platz.Strich(a + n, b + n);
    }
    const auto abb = Abbildung(s, lage.Flaeche);
    for (const Skizzentext& t : s.Texte) {
        const QPointF o = abb(t.X, t.Y);
        const double b = fmKursiv.horizontalAdvance(Q(t.Text));
        // Where the situation puts it: a river's name, a course's; it does not move.
        platz.Lege(Etikettart::Text, t.Text,
                   {QRectF(o.x() - b / 2 - mm, o.y() - fm.height() / 2, b + 2 * mm, fm.height())});
    }
    // The angles' labels first, since they must stay by their arcs; then the names, which
    // can go round their points; the lines' labels, which can move along their lines, last.
    std::vector<int> amScheitel(s.Punkte.size(), 0);
    for (const Skizzenwinkel& w : s.Winkel) {
        if (w.Rechter) {
            continue;
        }
        const double r = (5 + 6 * amScheitel[w.Scheitel]++) * mm;
        if (w.Beschriftung.empty()) {
            continue;
        }
        const QPointF o = ort[w.Scheitel];
        const QPointF u = Einheitsvektor(ort[w.Von] - o), v = Einheitsvektor(ort[w.Bis] - o);
        std::vector<QRectF> orte;
        // Near its arc, or it reads as another angle's.
        for (const double weiter : {0.8, 2.5, 4.5}) {
            for (const double t : {w.Lage, 0.5, 0.3, 0.7, 0.15, 0.85}) {
                orte.push_back(Neben(fm, w.Beschriftung, o, Einheitsvektor(u * (1 - t) + v * t),
                                     r + weiter * mm));
            }
        }
        platz.Lege(Etikettart::Winkel, w.Beschriftung, orte, 8);
    }
    for (std::size_t i = 0; i < s.Punkte.size(); ++i) {
        const Skizzenpunkt& q = s.Punkte[i];
        if (q.Name.empty()) {
            continue;
        }
        const QPointF weg =
            q.NameX != 0 || q.NameY != 0 ? QPointF(q.NameX, -q.NameY) : ort[i] - lage.Mitte;
        std::vector<QRectF> orte;
        for (const double abstand : {1.2, 3.0}) {
            for (const double dreh : {0, 35, -35, 70, -70, 110, -110, 145, -145, 180}) {
                orte.push_back(Neben(fmFett, q.Name, ort[i], Gedreht(weg, dreh), abstand * mm));
            }
        }
        platz.Lege(Etikettart::Name, q.Name, orte);
    }
    for (const Skizzenlinie& l : s.Linien) {
        if (l.Beschriftung.empty()) {
            continue;
        }
        const QPointF a = ort[l.Von], b = ort[l.Bis];
        const QPointF n = Seitlich(l, a, b, lage.Mitte);
        std::vector<QRectF> orte;
        for (const double abstand : {1.2, 3.5, 6.0}) {
            for (const double seite : {1.0, -1.0}) {
                for (const double t : {l.Lage, 0.5, 0.35, 0.65, 0.2, 0.8}) {
                    const QPointF m = a + (b - a) * t + n * l.Versatz * mm;
                    orte.push_back(Neben(fm, l.Beschriftung, m, n * seite, abstand * mm));
                }
            }
        }
        platz.Lege(Etikettart::Linie, l.Beschriftung, orte);
    }
    lage.Etiketten = platz.Ergebnis();
    return lage;
}

} // namespace kalotri::blatt
