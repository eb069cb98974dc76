// SPDX-License-Identifier: GPL-3.0-or-later
// The window's commands on the offscreen platform, in-process: "&Rechne" into an empty,
// a half-full and an almost full Script; copying and printing a full Script.
#include "druckseiten.h"
#include "glob_u.h"
#include "kalotri_u.h"
#include "script_u.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<TForm1> Fenster;

void Befehl(const char* name) {
    Fenster->findChild<QAction*>(QString::fromLatin1(name))->trigger();
}

// Room one more calculation of 3, 4, 5 needs, with its line breaks.
constexpr int Rechnungslaenge = 160;

// Empties the Script, then calculates 3, 4, 5 until `laenge` characters are written or
// the next calculation would not fit: a Script as the pupil fills it.
void FuellenMitRechnungen(int laenge) {
    Fenster->Script().Leeren();
    const char* werte[] = {"3", "4", "5", "", "", ""};
    const char* felder[] = {"eA", "eB", "eC", "eAlpha", "eBeta", "eGamma"};
    for (int i = 0; i < 6; ++i) {
        Fenster->findChild<QLineEdit*>(QString::fromLatin1(felder[i]))
            ->setText(QString::fromLatin1(werte[i]));
    }
    while (Fenster->Script().Laenge() + Rechnungslaenge <=
           std::min(laenge, ScriptKapazitaet - Rechnungslaenge)) {
        Befehl("Rechne2");
    }
}

// Range 0: how full the Script is before each calculation, in percent.
void Rechne(benchmark::State& state) {
    FuellenMitRechnungen(static_cast<int>(ScriptKapazitaet * state.range(0) / 100));
    const int vorher = Fenster->Script().Laenge();
    for (auto _ : state) {
        Befehl("Rechne2");
        state.PauseTiming();
        // One undo step takes the whole calculation back.
        Fenster->Script().document()->undo();
        state.ResumeTiming();
    }
    if (Fenster->Script().Laenge() != vorher) {
        state.SkipWithError("undo did not restore the Script");
    }
    state.counters["Zeichen"] = vorher;
}
BENCHMARK(Rechne)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

void KopierenVoll(benchmark::State& state) {
    FuellenMitRechnungen(ScriptKapazitaet);
    for (auto _ : state) {
        Befehl("IndieZwischenablage1");
    }
    state.counters["Zeichen"] = Fenster->Script().Laenge();
}
BENCHMARK(KopierenVoll)->Unit(benchmark::kMillisecond);

// Painting a full Script into a PDF file: everything printing does but handing the file
// to the print server.
void DruckeVoll(benchmark::State& state, bool eineZeile) {
    if (eineZeile) {
        Fenster->Script().Leeren();
        Fenster->Script().ZeileAnfuegen(std::string(ScriptKapazitaet - 1, 'x'));
    } else {
        FuellenMitRechnungen(ScriptKapazitaet);
    }
    QTemporaryDir ordner;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(ordner.filePath(QStringLiteral("kalotri.pdf")));
    for (auto _ : state) {
        if (!DruckeSeiten(*Fenster->Script().document(), drucker)) {
            state.SkipWithError("no PDF");
        }
    }
    state.counters["Zeichen"] = Fenster->Script().Laenge();
}
BENCHMARK_CAPTURE(DruckeVoll, Rechnungen, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DruckeVoll, eineZeile, true)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    RundFormat = "0.000";
    Fenster = std::make_unique<TForm1>();
    Fenster->show();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Fenster.reset();
    return 0;
}
