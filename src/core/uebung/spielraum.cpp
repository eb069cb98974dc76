// SPDX-License-Identifier: GPL-3.0-or-later
#include "spielraum.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace kalotri::uebung {

namespace {

using L = long double;
using Werte = std::vector<L>;

constexpr L Pi = 3.141592653589793238462643383279502884L;
constexpr std::size_t Seiten = 3;

L Bogen(L grad) {
    return grad * Pi / 180;
}
L Grad(L bogen) {
    return bogen * 180 / Pi;
}

L Gerundet(L x, int dezimalen) {
    const L faktor = std::pow(10.0L, static_cast<L>(dezimalen));
    return std::round(x * faktor) / faktor;
}

// The values of one quantity a further step may use: grouped by nearness, each group by
// its two ends, unrounded and rounded.
Werte Verdichtet(Werte werte, int dezimalen) {
    std::sort(werte.begin(), werte.end());
    Werte ergebnis;
    std::size_t beginn = 0;
    for (std::size_t i = 1; i <= werte.size(); ++i) {
        if (i == werte.size() || werte[i] - werte[i - 1] > Luecke * std::fabs(werte[i])) {
            for (const L x : {werte[beginn], werte[i - 1]}) {
                ergebnis.push_back(x);
                ergebnis.push_back(Gerundet(x, dezimalen));
            }
            beginn = i;
        }
    }
    std::sort(ergebnis.begin(), ergebnis.end());
    ergebnis.erase(std::unique(ergebnis.begin(), ergebnis.end()), ergebnis.end());
    return ergebnis;
}

// Every value one law gives for quantity `ziel` from the values known so far, with the
// values inside the calculation (a sine, a cosine, a ratio) kept or rounded to `zwischen`.
class Rechner {
  public:
    Rechner(const std::array<Werte, 6>& w, const std::array<L, 6>& bezug, int zwischen)
        : w_(w), bezug_(bezug), zwischen_(zwischen) {}

    Werte Alle(std::size_t ziel) {
        Werte ergebnis;
        for (const bool runden : {false, true}) {
            runden_ = runden;
            if (ziel < Seiten) {
                Seite(ziel, ergebnis);
            } else {
                Winkel(ziel - Seiten, ergebnis);
            }
        }
        return ergebnis;
    }

  private:
    const std::array<Werte, 6>& w_;
    const std::array<L, 6>& bezug_;
    int zwischen_;
    bool runden_ = false;

    L Z(L x) const { return runden_ ? Gerundet(x, zwischen_) : x; }

    bool Da(std::size_t i) const { return !w_[i].empty(); }

    void Seite(std::size_t i, Werte& aus) const {
        const std::size_t j = (i + 1) % Seiten;
        const std::size_t k = (i + 2) % Seiten;
        if (Da(j) && Da(k) && Da(Seiten + i)) { // law of cosines
            for (const L s : w_[j]) {
                for (const L t : w_[k]) {
                    for (const L g : w_[Seiten + i]) {
                        const L q = s * s + t * t - 2 * s * t * Z(std::cos(Bogen(g)));
                        if (q > 0) {
                            aus.push_back(std::sqrt(q));
                        }
                    }
                }
            }
        }
        for (const std::size_t p : {j, k}) { // law of sines from a side and its angle
            if (Da(p) && Da(Seiten + p) && Da(Seiten + i)) {
                for (const L s : w_[p]) {
                    for (const L gp : w_[Seiten + p]) {
                        for (const L gi : w_[Seiten + i]) {
                            const L n = Z(std::sin(Bogen(gp)));
                            if (n > 0) {
                                aus.push_back(s * Z(std::sin(Bogen(gi))) / n);
                            }
                        }
                    }
                }
            }
        }
    }

    void Winkel(std::size_t i, Werte& aus) const {
        const std::size_t j = (i + 1) % Seiten;
        const std::size_t k = (i + 2) % Seiten;
        if (Da(i) && Da(j) && Da(k)) { // law of cosines
            for (const L a : w_[i]) {
                for (const L b : w_[j]) {
                    for (const L c : w_[k]) {
                        const L q = Z((b * b + c * c - a * a) / (2 * b * c));
                        if (q >= -1 && q <= 1) {
                            aus.push_back(Grad(std::acos(q)));
                        }
                    }
                }
            }
        }
        if (Da(Seiten + j) && Da(Seiten + k)) { // angle sum
            for (const L b : w_[Seiten + j]) {
                for (const L c : w_[Seiten + k]) {
                    aus.push_back(180 - b - c);
                }
            }
        }
        for (const std::size_t p : {j, k}) { // law of sines: the branch nearer the triangle meant
            if (Da(i) && Da(p) && Da(Seiten + p)) {
                for (const L s : w_[i]) {
                    for (const L t : w_[p]) {
                        for (const L g : w_[Seiten + p]) {
                            const L q = Z(s * Z(std::sin(Bogen(g))) / t);
                            if (q >= -1 && q <= 1) {
                                const L spitz = Grad(std::asin(q));
                                const L bezug = bezug_[Seiten + i];
                                aus.push_back(std::fabs(spitz - bezug) <=
                                                      std::fabs(180 - spitz - bezug)
                                                  ? spitz
                                                  : 180 - spitz);
                            }
                        }
                    }
                }
            }
        }
    }
};

std::vector<Spielraum> Bereiche(Werte werte) {
    std::sort(werte.begin(), werte.end());
    std::vector<Spielraum> bereiche;
    for (std::size_t i = 0; i < werte.size(); ++i) {
        if (i == 0 || werte[i] - werte[i - 1] > Luecke * std::fabs(werte[i])) {
            bereiche.push_back({werte[i], werte[i]});
        } else {
            bereiche.back().Oben = werte[i];
        }
    }
    return bereiche;
}

} // namespace

std::array<std::vector<Spielraum>, 6> Spielraeume(const Bekannte& bekannte,
                                                  const std::array<long double, 6>& bezug,
                                                  int dezimalen,
                                                  const std::vector<std::size_t>& reihenfolge) {
    const auto rang = [&](std::size_t i) {
        const auto stelle = std::find(reihenfolge.begin(), reihenfolge.end(), i);
        return reihenfolge.empty() ? 0 : stelle - reihenfolge.begin();
    };
    // Three rounds: each unknown can be reached after at most two others.
    std::array<Werte, 6> werte = bekannte;
    std::array<Werte, 6> roh;
    for (int runde = 0; runde < 3; ++runde) {
        std::array<Werte, 6> neu = werte;
        for (std::size_t i = 0; i < 6; ++i) {
            if (!bekannte[i].empty()) {
                continue;
            }
            std::array<Werte, 6> davor = werte;
            for (std::size_t k = 0; k < 6; ++k) {
                if (bekannte[k].empty() && rang(k) >= rang(i)) {
                    davor[k].clear();
                }
            }
            Werte gefunden = Rechner(davor, bezug, dezimalen + 3).Alle(i);
            roh[i].insert(roh[i].end(), gefunden.begin(), gefunden.end());
            if (!roh[i].empty()) {
                neu[i] = Verdichtet(roh[i], dezimalen);
            }
        }
        werte = neu;
    }
    std::array<std::vector<Spielraum>, 6> ergebnis;
    for (std::size_t i = 0; i < 6; ++i) {
        if (bekannte[i].empty()) {
            ergebnis[i] = Bereiche(roh[i]);
        }
    }
    return ergebnis;
}

} // namespace kalotri::uebung
