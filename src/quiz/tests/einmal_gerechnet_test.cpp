// SPDX-License-Identifier: GPL-3.0-or-later
// A sheet with every output calculates each exercise once: the PDF's three parts in both
// runs, the quiz and the figures all write from the one worked sheet.

#include "arbeitsblatt.h"
#include "blattpdf.h"
#include "erzeuge.h"
#include "moodlequiz.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <algorithm>

namespace kalotri::blatt {
namespace {

TEST(Arbeitsblatt, JedeAufgabeEinmalGerechnet) {
    std::vector<std::vector<Eingabe>> fassungen;
    Erzeugungsregeln regeln;
    regeln.Fassungen = 2;
    for (const auto& fassung : ErzeugeFassungen(12, {}, 3, regeln)) {
        std::vector<Eingabe>& felder = fassungen.emplace_back();
        for (const ErzeugteAufgabe& a : fassung) {
            felder.push_back(a.Felder);
        }
    }
    Aufgabenliste liste = AusErzeugten(fassungen);
    // A line that is no exercise is read, but not calculated.
    liste.Gruppen[0].push_back({0, 99, {"1", "2", "3", "4", "5", "6", "7", "8"}, 8});
    std::size_t aufgaben = 0;
    for (const auto& gruppe : liste.Gruppen) {
        aufgaben += gruppe.size();
    }

    const std::uint64_t vorher = Berechnungen();
    const Arbeitsblatt blatt(liste);
    Darstellung d;
    d.Einheit = "cm";
    d.Mehr = true;
    d.Form = Loesungsform::Rechenweg;
    Blattkopf kopf;
    kopf.Schluessel = kopf.Skizze = true;
    int probleme = 0;
    const Vorlauf vorlauf =
        VermesseBlatt(blatt, d, kopf, [&](const Quellzeile&, const std::string&) { ++probleme; });
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        EXPECT_EQ(SchreibeBlatt(pdf, blatt, d, kopf, vorlauf, [](int, int) {}), vorlauf.Seiten);
    }
    Quizbilanz bilanz;
    std::string quiz;
    SchreibeMoodleQuiz(
        blatt.Gruppen(),
        [&](std::size_t g, const std::function<void(const GeloesteAufgabe&)>& tun) {
            std::for_each(blatt.Gruppe(g).begin(), blatt.Gruppe(g).end(), tun);
        },
        d, "Probe", std::nullopt, bilanz, [](const Quellzeile&, const std::string&) {},
        [&](std::string_view text) { quiz += text; });
    for (std::size_t g = 0; g < blatt.Gruppen(); ++g) {
        for (const GeloesteAufgabe& a : blatt.Gruppe(g)) {
            (void)Bearbeite(a, d); // what the SVG figures are drawn from
        }
    }
    EXPECT_EQ(Berechnungen() - vorher, aufgaben - 1);
    EXPECT_EQ(probleme, 1);
    EXPECT_EQ(bilanz.Ausgelassen, 1);
    EXPECT_GT(puffer.size(), 0);
    EXPECT_NE(quiz.find("Gruppe B"), std::string::npos);
}

} // namespace
} // namespace kalotri::blatt

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
