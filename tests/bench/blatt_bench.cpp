// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet from generated exercises to the finished PDF, as kalotri-blatt makes it,
// written into memory instead of a file.

#include "blattaufgabe.h"
#include "blattpdf.h"
#include "erzeuge.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

namespace {

using namespace kalotri;

void Blatt(benchmark::State& state) {
    const int anzahl = static_cast<int>(state.range(0));
    const bool mehr = state.range(1) != 0;
    // Everything a teacher may add: sketches, room to work, the answer table.
    const bool alles = state.range(2) != 0;
    // 0: no solution pages, 1: the Script's lines, 2: the worked steps.
    const auto loesung = state.range(3);
    // 1: the tagged PDF kalotri-blatt writes, 0: Qt's untagged writer, as before it.
    const bool getaggt = state.range(4) != 0;
    int seiten = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        std::vector<Eingabe> eingaben;
        for (const ErzeugteAufgabe& a : Erzeuge(anzahl, {}, 7)) {
            eingaben.push_back(a.Felder);
        }
        const blatt::Aufgabenliste liste = blatt::AusErzeugten({eingaben});
        const blatt::Loesungsform form =
            loesung == 2 ? blatt::Loesungsform::Rechenweg : blatt::Loesungsform::Script;
        const blatt::Darstellung darstellung{{}, "cm", mehr, form, Dezimalen()};
        blatt::Blattkopf kopf;
        kopf.Titel = "Blatt";
        kopf.Form = form;
        kopf.MitLoesungen = loesung != 0;
        kopf.Skizze = kopf.Schluessel = alles;
        kopf.PlatzCm = alles ? 3 : 0;
        const blatt::Arbeitsblatt geloest(liste);
        const blatt::Vorlauf vorlauf =
            blatt::VermesseBlatt(geloest, darstellung, kopf, [](const auto&, const auto&) {});
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        if (getaggt) {
            seiten =
                blatt::SchreibeBlatt(puffer, geloest, darstellung, kopf, vorlauf, [](int, int) {});
        } else {
            QPdfWriter pdf(&puffer);
            seiten =
                blatt::SchreibeBlatt(pdf, geloest, darstellung, kopf, vorlauf, [](int, int) {});
        }
        bytes = puffer.size();
    }
    state.counters["Seiten"] = seiten;
    state.counters["Bytes"] = static_cast<double>(bytes);
}

BENCHMARK(Blatt)
    ->Args({12, 0, 0, 1, 1})
    ->Args({200, 0, 0, 1, 1})
    ->Args({200, 1, 0, 1, 1})
    ->Args({200, 1, 1, 1, 1})
    // The worked steps against the same sheet without solutions, both tagged, and the
    // worked steps by Qt's writer: time and size of the tagged PDF against it.
    ->Args({200, 0, 0, 0, 1})
    ->Args({200, 0, 0, 2, 1})
    ->Args({200, 0, 0, 0, 0})
    ->Args({200, 0, 0, 2, 0})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
