// SPDX-License-Identifier: GPL-3.0-or-later
#include "sachaufgabe.h"

#include "situationen.h"
#include "winkel.h"

#include <cmath>
#include <set>
#include <stdexcept>

namespace kalotri {

const char* SituationsTitel(Situation s) {
    switch (s) {
    case Situation::Turmhoehe:
        return "Turmhöhe";
    case Situation::Flussbreite:
        return "Flussbreite";
    case Situation::Grundstueck:
        return "Grundstück";
    case Situation::Peilung:
        return "Peilung";
    case Situation::Kraefte:
        return "Kräfte";
    }
    return "";
}

const char* SituationsKennung(Situation s) {
    switch (s) {
    case Situation::Turmhoehe:
        return "turm";
    case Situation::Flussbreite:
        return "fluss";
    case Situation::Grundstueck:
        return "grundstueck";
    case Situation::Peilung:
        return "peilung";
    case Situation::Kraefte:
        return "kraefte";
    }
    return "";
}

std::optional<Situation> SituationAusKennung(std::string_view kennung) {
    for (const Situation s : AlleSituationen) {
        if (kennung == SituationsKennung(s)) {
            return s;
        }
    }
    return std::nullopt;
}

namespace sach {

L Sin(L grad) {
    return std::sin(grad * EinGrad);
}
L Cos(L grad) {
    return std::cos(grad * EinGrad);
}

} // namespace sach

namespace {

std::optional<Sachaufgabe> Eine(Situation s, sach::Wuerfel& w, const Sachregeln& r, int variante) {
    switch (s) {
    case Situation::Turmhoehe:
        return sach::Turmhoehe(w, r, variante);
    case Situation::Flussbreite:
        return sach::Flussbreite(w, r, variante);
    case Situation::Grundstueck:
        return sach::Grundstueck(w, r, variante);
    case Situation::Peilung:
        return sach::Peilung(w, r, variante);
    case Situation::Kraefte:
        return sach::Kraefte(w, r, variante);
    }
    return std::nullopt;
}

// Far more than any situation needs: most draws give a plausible problem.
constexpr int Versuche = 100000;

} // namespace

std::vector<std::vector<Sachaufgabe>> ErzeugeSachaufgaben(int anzahl, std::uint64_t seed,
                                                          const Sachregeln& regeln,
                                                          const std::vector<Situation>& arten) {
    const std::vector<Situation> folge =
        arten.empty() ? std::vector<Situation>(AlleSituationen.begin(), AlleSituationen.end())
                      : arten;
    const int fassungen = std::max(regeln.Fassungen, 1);
    std::vector<std::vector<Sachaufgabe>> blaetter(static_cast<std::size_t>(fassungen));
    // A problem told twice, even in another group, would be no exercise.
    std::set<std::string> erzaehlt;
    for (int f = 0; f < fassungen; ++f) {
        // Version 0 comes from the seed itself; the others from streams far apart.
        sach::Wuerfel w(seed + static_cast<std::uint64_t>(f) * 0x9E3779B97F4A7C15ULL);
        for (int i = 0; i < anzahl; ++i) {
            const std::size_t n = folge.size();
            const Situation s = folge[static_cast<std::size_t>(i) % n];
            const int variante = i / static_cast<int>(n);
            std::optional<Sachaufgabe> a;
            for (int v = 0; v < Versuche && !a; ++v) {
                a = Eine(s, w, regeln, variante);
                if (a && !erzaehlt.insert(a->Text).second) {
                    a.reset();
                }
            }
            if (!a) {
                throw std::runtime_error("keine passende Sachaufgabe gefunden");
            }
            blaetter[static_cast<std::size_t>(f)].push_back(std::move(*a));
        }
    }
    return blaetter;
}

} // namespace kalotri
