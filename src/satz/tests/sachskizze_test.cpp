// SPDX-License-Identifier: GPL-3.0-or-later
// The word problems' pictures against their own numbers, for every situation and level
// over many seeds: in the sketch as it is drawn, every marked angle lies on its side of
// 90° and within 15° of the value the text gives or the solution finds, turns go the way
// the text says, the solution figure stands as the sketch does, and no two of the
// sketch's names and labels overlap.

#include "figur.h"
#include "sachblatt.h"
#include "sachetiketten.h"
#include "sachmaler.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalotri::blatt {
namespace {

double Grad(QPointF o, QPointF a, QPointF b) {
    const QPointF u = a - o, v = b - o;
    return std::atan2(std::abs(u.x() * v.y() - u.y() * v.x()), QPointF::dotProduct(u, v)) * 180 /
           std::numbers::pi;
}

// Turning from a to b seen with y upwards: positive anticlockwise (to the left).
double Kreuz(QPointF a, QPointF b) {
    return -(a.x() * b.y() - a.y() * b.x());
}

// The value an angle's label stands for: "α = 28,3°" the text's α, "α = ?" the answer.
std::optional<long double> Wert(const Sachaufgabe& a, const std::string& marke) {
    const std::string name = marke.substr(0, marke.find(" = "));
    for (const Angabe& g : a.Angaben) {
        if (g.Name == name && g.Einheit == "°") {
            return g.Wert;
        }
    }
    for (const Gesucht& g : a.Gesuchte) {
        if (g.Name == name && g.Einheit == "°") {
            return g.Wert;
        }
    }
    return std::nullopt;
}

std::size_t Punkt(const Sachskizze& s, const std::string& name) {
    for (std::size_t i = 0; i < s.Punkte.size(); ++i) {
        if (s.Punkte[i].Name == name || s.Punkte[i].Name.rfind(name + "\xE2\x82", 0) == 0) {
            return i;
        }
    }
    ADD_FAILURE() << "kein Punkt " << name;
    return 0;
}

void PruefeSkizze(const Sachaufgabe& a) {
    const Sachskizze& s = a.Skizze;
    // A frame far wider than high: a drawing that stretched the shape would show it.
    const std::vector<QPointF> o = SkizzenOrte(s, QRectF(0, 0, 300, 60));
    int geprueft = 0;
    for (const Skizzenwinkel& w : s.Winkel) {
        const double gezeichnet = Grad(o[w.Scheitel], o[w.Von], o[w.Bis]);
        if (w.Rechter) {
            EXPECT_NEAR(gezeichnet, 90, 1e-6) << a.Text;
            continue;
        }
        const auto wert = Wert(a, w.Beschriftung);
        ASSERT_TRUE(wert) << w.Beschriftung << " in " << a.Text;
        const double soll = static_cast<double>(*wert);
        EXPECT_NEAR(gezeichnet, soll, 15) << w.Beschriftung << " in " << a.Text;
        if (std::abs(soll - 90) > 1e-9) {
            EXPECT_EQ(gezeichnet > 90, soll > 90) << w.Beschriftung << " in " << a.Text;
        }
        ++geprueft;
    }
    EXPECT_GT(geprueft, 0) << a.Text;
    const auto hat = [&](const char* wort) { return a.Text.find(wort) != std::string::npos; };
    if (hat("Steuerbord")) {
        const QPointF h = o[Punkt(s, "H")], b = o[Punkt(s, "B")], z = o[Punkt(s, "S")];
        EXPECT_LT(Kreuz(b - h, z - b), 0) << a.Text;
    }
    if (a.Art == Situation::Seitenwind) {
        // Heading left of the ground track when the wind comes from the left.
        const QPointF p = o[Punkt(s, "A")], l = o[Punkt(s, "L")], g = o[Punkt(s, "G")];
        EXPECT_EQ(Kreuz(g - p, l - p) > 0, hat("Von links")) << a.Text;
    }
}

// Every two corners of the figure lie to each other as in the sketch: left of, above.
void PruefeFigur(const Sachaufgabe& a) {
    Darstellung d;
    const BlattAufgabe blatt = SachBlattAufgabe(a, Berechne(a.Dreieck), d);
    ASSERT_EQ(blatt.Figuren.size(), static_cast<std::size_t>(a.Loesungen));
    std::array<std::size_t, 3> ecke{};
    for (std::size_t i = 0; i < 3; ++i) {
        std::string name = a.Dreieck.Buchstaben[i];
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        ecke[i] = Punkt(a.Skizze, name);
    }
    const Rechteck rahmen{0, 0, 75, 55};
    for (const Loesungsfigur& lf : blatt.Figuren) {
        ASSERT_TRUE(lf.Lage) << a.Text;
        const FigurEtiketten e;
        const Figur f =
            LegeFigur(lf.Form, rahmen, e, PassenderMassstab(lf.Form, rahmen, e, lf.Lage), lf.Lage);
        for (std::size_t i = 0; i < 3; ++i) {
            for (std::size_t j = i + 1; j < 3; ++j) {
                const Skizzenpunkt &p = a.Skizze.Punkte[ecke[i]], &q = a.Skizze.Punkte[ecke[j]];
                const double fx = f.Ecken[j].x - f.Ecken[i].x, fy = f.Ecken[i].y - f.Ecken[j].y;
                // Two points of a course are the one point S of either solution: only
                // heights compare there.
                if (a.Loesungen == 1 && std::abs(q.X - p.X) > 0.2) {
                    EXPECT_EQ(fx > 0, q.X > p.X) << a.Text;
                }
                if (std::abs(q.Y - p.Y) > 0.2) {
                    EXPECT_EQ(fy > 0, q.Y > p.Y) << a.Text;
                }
            }
        }
    }
}

// Laid out as the quiz's picture and the sheet lay it out: the sketch's size, its face.
void PruefeEtiketten(const Sachaufgabe& a, const QImage& geraet, const QFont& schrift) {
    const double proMm = geraet.dotsPerMeterX() / 1000.0;
    const QRectF rahmen(0, 0, SachskizzeBreiteMm * proMm, SachskizzeHoeheMm * proMm);
    const SachLage lage = LegeSachskizze(a.Skizze, rahmen, proMm, schrift, &geraet);
    const std::vector<SachEtikett>& e = lage.Etiketten;
    std::size_t beschriftet = 0;
    for (const Skizzenlinie& l : a.Skizze.Linien) {
        beschriftet += l.Beschriftung.empty() ? 0 : 1;
    }
    EXPECT_GE(e.size(), beschriftet) << a.Text;
    // A name that moved stays by its point: within 3,5 mm of it.
    const std::vector<QPointF>& orte = lage.Orte;
    const auto abstand = [](const QRectF& k, QPointF p) {
        const double dx = std::max({k.left() - p.x(), 0.0, p.x() - k.right()});
        const double dy = std::max({k.top() - p.y(), 0.0, p.y() - k.bottom()});
        return std::hypot(dx, dy);
    };
    for (const SachEtikett& n : e) {
        if (n.Art == Etikettart::Name) {
            EXPECT_LE(abstand(n.Kasten, orte[Punkt(a.Skizze, n.Text)]), 3.5 * proMm)
                << n.Text << " in " << a.Text;
        }
    }
    for (std::size_t i = 0; i < e.size(); ++i) {
        for (std::size_t j = i + 1; j < e.size(); ++j) {
            EXPECT_FALSE(e[i].Kasten.intersects(e[j].Kasten))
                << '"' << e[i].Text << "\" und \"" << e[j].Text << "\" in " << a.Text;
        }
    }
}

TEST(Sachskizzen, WinkelDrehsinnFigurUndEtikettenWieImText) {
    QImage geraet(10, 10, QImage::Format_RGB32);
    geraet.setDotsPerMeterX(8000);
    geraet.setDotsPerMeterY(8000);
    QFont schrift("Liberation Sans");
    schrift.setPointSizeF(7.5);
    for (const Situation art : AlleSituationen) {
        for (int stufe = 1; stufe <= 3; ++stufe) {
            Sachregeln r;
            r.Stufe = stufe;
            for (std::uint64_t seed = 1; seed <= 25; ++seed) {
                const auto blaetter = ErzeugeSachaufgaben(3, seed, r, {art});
                for (const Sachaufgabe& a : blaetter.front()) {
                    PruefeSkizze(a);
                    PruefeFigur(a);
                    PruefeEtiketten(a, geraet, schrift);
                }
            }
        }
    }
}

} // namespace
} // namespace kalotri::blatt

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
