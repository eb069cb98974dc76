// SPDX-License-Identifier: GPL-3.0-or-later
// The page flow: blocks taller than a page are split between strips, every strip painted
// once and in order, and the measuring run counts the pages the painting run makes.

#include "seitenfluss.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kalotri::blatt {
namespace {

// Strips of given heights; remembers which it was asked to paint, and where.
class Probe : public Block {
  public:
    explicit Probe(std::vector<double> streifen) : streifen_(std::move(streifen)) {}
    std::vector<double> Streifen() const override { return streifen_; }
    void Male(QPainter&, double y, std::size_t von, std::size_t bis) const override {
        Gemalt.push_back({von, bis, y});
    }
    std::string Name() const override { return "Probe"; }
    struct Stueck {
        std::size_t Von, Bis;
        double Y;
    };
    mutable std::vector<Stueck> Gemalt;

  private:
    std::vector<double> streifen_;
};

Seitenmass Mass() {
    Seitenmass m;
    m.Links = 0;
    m.Rechts = 1000;
    m.Oben = 10;
    m.Unten = 110; // 100 units of content per page
    m.Fuss = 120;
    m.Abstand = 2;
    m.Vermerk = 5;
    return m;
}

TEST(Seitenfluss, BlockHoeherAlsEineSeite) {
    // Ten strips of 30: three per page under a continuation mark, the last one alone.
    const std::vector<double> hoch(10, 30);
    Seitenfluss messen(Mass(), nullptr, nullptr, {});
    messen.NeuerAbschnitt({});
    messen.Setze(Probe(hoch));
    messen.Setze(Probe({20}));
    const std::vector<int> seiten = messen.Ende();
    EXPECT_EQ(seiten, std::vector<int>{4});

    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    QPainter p(&pdf);
    Seitenfluss malen(Mass(), &pdf, &p, seiten);
    malen.NeuerAbschnitt({});
    Probe gross(hoch), klein({20});
    malen.Setze(gross);
    malen.Setze(klein);
    EXPECT_EQ(malen.Ende(), seiten);
    std::size_t naechster = 0;
    for (const Probe::Stueck& s : gross.Gemalt) {
        EXPECT_EQ(s.Von, naechster);
        EXPECT_GT(s.Bis, s.Von);
        naechster = s.Bis;
    }
    EXPECT_EQ(naechster, hoch.size());
    ASSERT_EQ(gross.Gemalt.size(), 4u);
    EXPECT_EQ(gross.Gemalt[0].Y, 10);     // the first piece at the top
    EXPECT_EQ(gross.Gemalt[1].Y, 10 + 5); // the others under the mark
    // The small block follows the last piece on its page.
    ASSERT_EQ(klein.Gemalt.size(), 1u);
    EXPECT_EQ(klein.Gemalt[0].Y, 15 + 30 + 2);
}

TEST(Seitenfluss, StreifenHoeherAlsEineSeiteHaeltNichtAuf) {
    Seitenfluss messen(Mass(), nullptr, nullptr, {});
    messen.NeuerAbschnitt({});
    messen.Setze(Probe({30, 250, 30}));
    // Each part its own page count; a new part starts a new page.
    messen.NeuerAbschnitt({});
    messen.Setze(Probe({10}));
    EXPECT_EQ(messen.Ende(), (std::vector<int>{3, 1}));
}

} // namespace
} // namespace kalotri::blatt

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
