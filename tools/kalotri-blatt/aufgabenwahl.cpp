// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufgabenwahl.h"

#include "erzeuge.h"
#include "sachblatt.h"

#include <chrono>
#include <iostream>

namespace kalotri {

std::uint64_t Seed(const blatt::Optionen& o) {
    if (o.Seed) {
        return *o.Seed;
    }
    // A new sheet each time; the seed is told so that it can be made again.
    const auto seed =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) %
        1000000;
    std::cerr << "kalotri-blatt: Seed " << seed << " (mit --seed " << seed
              << " entsteht dasselbe Blatt)\n";
    return seed;
}

namespace {

// Word problems alone, or taking turns with bare triangles (word problem first).
blatt::Aufgabenliste SachaufgabenListe(const blatt::Optionen& o, std::uint64_t seed,
                                       const Erzeugungsregeln& regeln, const Zahlformat& format) {
    const int anzahl = *o.Erzeuge;
    const int bloss = o.Gemischt ? anzahl / 2 : 0;
    Sachregeln sach;
    sach.Stufe = regeln.Stufe;
    sach.Fassungen = regeln.Fassungen;
    sach.Format = format;
    std::vector<std::vector<Eingabe>> dreiecke;
    if (bloss > 0) {
        for (const auto& fassung : ErzeugeFassungen(bloss, o.Typen, seed, regeln)) {
            std::vector<Eingabe>& felder = dreiecke.emplace_back();
            for (const ErzeugteAufgabe& a : fassung) {
                felder.push_back(a.Felder);
            }
        }
    }
    return blatt::MitSachaufgaben(ErzeugeSachaufgaben(anzahl - bloss, seed, sach, o.Situationen),
                                  dreiecke);
}

} // namespace

blatt::Aufgabenliste Erzeugt(const blatt::Optionen& o, const Zahlformat& format) {
    const std::uint64_t seed = Seed(o);
    Erzeugungsregeln regeln;
    regeln.Stufe = o.Stufe.value_or(3);
    regeln.NurLoesbar = o.NurLoesbar;
    regeln.Fassungen = o.Gruppen;
    if (o.Sachaufgaben) {
        return SachaufgabenListe(o, seed, regeln, format);
    }
    std::vector<std::vector<Eingabe>> fassungen;
    for (const auto& fassung : ErzeugeFassungen(*o.Erzeuge, o.Typen, seed, regeln)) {
        std::vector<Eingabe>& felder = fassungen.emplace_back();
        for (const ErzeugteAufgabe& a : fassung) {
            felder.push_back(a.Felder);
        }
    }
    if (fassungen.front().size() < static_cast<std::size_t>(*o.Erzeuge)) {
        std::cerr << "kalotri-blatt: nur " << fassungen.front().size()
                  << " verschiedene Aufgaben dieser Typen gefunden\n";
    }
    return blatt::AusErzeugten(fassungen);
}

} // namespace kalotri
