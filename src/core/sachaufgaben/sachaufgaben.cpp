// SPDX-License-Identifier: GPL-3.0-or-later
#include "sachaufgabe.h"

#include "situationen.h"
#include "winkel.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

namespace kalotri {

namespace {

const Situationseintrag& Eintrag(Situation s) {
    for (const Situationseintrag& e : Situationsliste) {
        if (e.Art == s) {
            return e;
        }
    }
    throw std::logic_error("Situation ohne Eintrag");
}

} // namespace

const char* SituationsTitel(Situation s) {
    return Eintrag(s).Titel;
}

const char* SituationsKennung(Situation s) {
    return Eintrag(s).Kennung;
}

std::string SituationsKennungen() {
    std::string alle;
    for (const Situationseintrag& e : Situationsliste) {
        alle += (alle.empty() ? "" : ", ") + std::string(e.Kennung);
    }
    return alle;
}

std::optional<Situation> SituationAusKennung(std::string_view kennung) {
    for (const Situationseintrag& e : Situationsliste) {
        if (kennung == e.Kennung) {
            return e.Art;
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

double LesbaresVerhaeltnis(double echt, double winkel) {
    const double w = winkel * static_cast<double>(EinGrad);
    const auto diagonale = [&](double r) {
        return std::atan2(r * std::sin(w), 1 + r * std::cos(w)) / static_cast<double>(EinGrad);
    };
    const double soll = diagonale(echt);
    double r = std::clamp(echt, 0.35, 2.8);
    // Towards the true ratio until the diagonal's angle is near enough.
    for (int i = 0; i < 40; ++i) {
        const double ist = diagonale(r);
        if (std::abs(ist - soll) <= 12 && (ist > 90) == (soll > 90)) {
            break;
        }
        r += (echt - r) * 0.25;
    }
    return r;
}

Skizzenpunkt Polar(const Skizzenpunkt& von, double laenge, double grad, std::string name) {
    const double b = grad * static_cast<double>(EinGrad);
    return {std::move(name), von.X + laenge * std::cos(b), von.Y + laenge * std::sin(b)};
}

} // namespace sach

namespace {

std::optional<Sachaufgabe> Eine(Situation s, sach::Wuerfel& w, const Sachregeln& r, int variante) {
    return Eintrag(s).Erzeuge(w, r, variante);
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
