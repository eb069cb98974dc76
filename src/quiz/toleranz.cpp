// SPDX-License-Identifier: GPL-3.0-or-later
#include "toleranz.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace kalotri::blatt {

namespace {

using L = long double;
constexpr L Grad = std::numbers::pi_v<L> / 180;

// The values a formula reads: the six boxes, and in the last place what the steps round
// on the way (the sine of the law of sines before its angle is found).
constexpr std::size_t Zwischenwert = 6;
using Werte = std::array<L, 7>;

// One way to compute a value from others: the boxes it reads and the formula.
struct Weg {
    std::vector<std::size_t> Liest;
    std::function<L(const Werte&)> Formel;
};

// Arc sine or cosine results: the branch a pupil takes is the one of the steps, so the
// one nearer the exact value.
L NaeherGelegen(L winkel, L genau) {
    return std::abs(180 - winkel - genau) < std::abs(winkel - genau) ? 180 - winkel : winkel;
}

std::vector<Weg> Wege(std::size_t i, Herkunft herkunft, const std::array<bool, 6>& bekannt) {
    std::vector<Weg> wege;
    const bool seite = i < 3;
    const std::size_t j = (i + 1) % 3, k = (i + 2) % 3, s = i % 3;
    const auto alle = [&](std::initializer_list<std::size_t> felder) {
        return std::all_of(felder.begin(), felder.end(), [&](std::size_t f) { return bekannt[f]; });
    };
    if (herkunft == Herkunft::Winkelsumme || herkunft == Herkunft::WinkelsummeBesserCosinussatz) {
        if (!seite && alle({3 + j, 3 + k})) {
            wege.push_back(
                {{3 + j, 3 + k}, [=](const auto& w) { return 180 - w[3 + j] - w[3 + k]; }});
        }
    }
    if (herkunft == Herkunft::Cosinussatz || herkunft == Herkunft::WinkelsummeBesserCosinussatz) {
        if (seite && alle({j, k, 3 + i})) {
            wege.push_back({{j, k, 3 + i}, [=](const auto& w) {
                                return std::sqrt(std::max<L>(0, w[j] * w[j] + w[k] * w[k] -
                                                                    2 * w[j] * w[k] *
                                                                        std::cos(w[3 + i] * Grad)));
                            }});
        } else if (!seite && alle({0, 1, 2})) {
            wege.push_back({{0, 1, 2}, [=](const auto& w) {
                                const L c =
                                    (w[j] * w[j] + w[k] * w[k] - w[s] * w[s]) / (2 * w[j] * w[k]);
                                return std::acos(std::clamp<L>(c, -1, 1)) / Grad;
                            }});
        }
    }
    if (herkunft == Herkunft::Sinussatz) {
        for (const std::size_t p : {j, k}) {
            if (seite && alle({p, 3 + p, 3 + i})) {
                wege.push_back({{p, 3 + p, 3 + i}, [=](const auto& w) {
                                    return w[p] * std::sin(w[3 + i] * Grad) /
                                           std::sin(w[3 + p] * Grad);
                                }});
            } else if (!seite && alle({p, 3 + p, s})) {
                // The steps show the sine rounded, and a pupil takes its arc sine.
                wege.push_back({{p, 3 + p, s, Zwischenwert}, [=](const auto& w) {
                                    const L x =
                                        w[s] * std::sin(w[3 + p] * Grad) / w[p] + w[Zwischenwert];
                                    return std::asin(std::clamp<L>(x, -1, 1)) / Grad;
                                }});
            }
        }
    }
    return wege;
}

} // namespace

std::array<double, 6> Toleranzen(const LoesungsDreieck& dreieck, double halbeEinheit) {
    std::array<double, 6> toleranz{};
    std::array<bool, 6> bekannt{};
    // How far each value read may be off: nothing for a given one; for a result, as far as
    // its own gap accepts, so that an answer taken as right carries on to right answers.
    std::array<L, 7> spiel{};
    spiel[Zwischenwert] = halbeEinheit;
    Werte genau{};
    for (std::size_t f = 0; f < 6; ++f) {
        genau[f] = dreieck.Werte[f];
        bekannt[f] = dreieck.Wege[f] == Herkunft::Gegeben;
    }
    const L h = halbeEinheit;
    for (const Berechnung& b : dreieck.Schritte) {
        const auto i = static_cast<std::size_t>(b.Groesse);
        L weiteste = 0;
        for (const Weg& weg : Wege(i, b.Weg, bekannt)) {
            // Every corner of the box the shown values may lie in.
            // Measured from the formula's own result, so that the formula's last bits of
            // rounding do not count as the pupil's.
            const L mitte = weg.Formel(genau);
            const std::size_t ecken = std::size_t{1} << weg.Liest.size();
            for (std::size_t ecke = 0; ecke < ecken; ++ecke) {
                Werte w = genau;
                for (std::size_t n = 0; n < weg.Liest.size(); ++n) {
                    const std::size_t f = weg.Liest[n];
                    w[f] += ((ecke >> n) & 1) != 0 ? spiel[f] : -spiel[f];
                }
                L wert = weg.Formel(w);
                if (i >= 3) {
                    wert = NaeherGelegen(wert, mitte);
                }
                if (std::isfinite(wert) && std::isfinite(mitte)) {
                    weiteste = std::max(weiteste, std::abs(wert - mitte));
                }
            }
        }
        toleranz[i] = static_cast<double>(h + weiteste);
        bekannt[i] = true;
        spiel[i] = toleranz[i];
    }
    return toleranz;
}

} // namespace kalotri::blatt
