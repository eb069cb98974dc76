// SPDX-License-Identifier: GPL-3.0-or-later
#include "erzeuge.h"

#include "winkel.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <random>
#include <set>
#include <string>

namespace kalotri {

namespace {

using L = long double;
constexpr L KleinsterWinkel = 10;
constexpr L HoechsterSpitzer = 89.5L;

// mt19937_64's sequence is fixed by the standard; the distributions of <random> are not,
// so the ranges are taken by hand to give the same sheet everywhere.
class Zufall {
  public:
    Zufall(std::uint64_t seed, int stufe) : rng_(seed), stufe_(stufe) {}
    int Zahl(int von, int bis) {
        const auto spanne = static_cast<std::uint64_t>(bis - von + 1);
        return von + static_cast<int>(rng_() % spanne);
    }
    // A side in tenths: half of them whole numbers, which pupils meet most.
    int Seite() {
        if (stufe_ == 1) {
            return 10 * Zahl(1, 20);
        }
        return Zahl(0, 1) == 0 ? 10 * Zahl(1, 20) : Zahl(10, 200);
    }
    int Winkel(int bis = 150) { return Zahl(10, stufe_ < 3 ? std::min(bis, 89) : bis); }
    bool StumpfErlaubt() const { return stufe_ >= 3; }
    // On Stufe 1 the results too are what a beginner expects: every angle acute (and far
    // enough from 90 that no rounding shows 90), every side at least 1.
    bool Einfach(std::initializer_list<L> winkel, std::initializer_list<L> seiten) const {
        if (stufe_ != 1) {
            return true;
        }
        return std::all_of(winkel.begin(), winkel.end(),
                           [](L w) { return w < HoechsterSpitzer; }) &&
               std::all_of(seiten.begin(), seiten.end(), [](L s) { return s >= 1; });
    }

  private:
    std::mt19937_64 rng_;
    int stufe_;
};

std::string SeitenText(int zehntel) {
    const std::string ganz = std::to_string(zehntel / 10);
    return zehntel % 10 == 0 ? ganz : ganz + "," + std::to_string(zehntel % 10);
}

bool Spitz(std::initializer_list<L> winkel) {
    for (const L w : winkel) {
        if (!(w >= KleinsterWinkel)) {
            return false;
        }
    }
    return true;
}

struct Entwurf {
    std::array<int, 3> Seiten{}; // tenths, 0 for not given
    std::array<int, 3> Winkel{}; // degrees, 0 for not given
};

std::optional<Entwurf> SSS(Zufall& z) {
    const int a = z.Seite(), b = z.Seite(), c = z.Seite();
    const L x = a / L{10}, y = b / L{10}, w = c / L{10};
    if (x + y <= w || x + w <= y || y + w <= x) {
        return std::nullopt;
    }
    const L alpha = WinkelAusSeiten(x, y, w), beta = WinkelAusSeiten(y, x, w),
            gamma = WinkelAusSeiten(w, x, y);
    if (!Spitz({alpha, beta, gamma}) || !z.Einfach({alpha, beta, gamma}, {})) {
        return std::nullopt;
    }
    return Entwurf{{a, b, c}, {}};
}

std::optional<Entwurf> SWS(Zufall& z) {
    const int s1 = z.Seite(), s2 = z.Seite(), w = z.Winkel();
    const L x = s1 / L{10}, y = s2 / L{10};
    const L dritte = std::sqrt(x * x + y * y - 2 * x * y * std::cos(w * EinGrad));
    const L w1 = WinkelAusSeiten(x, y, dritte);
    if (!Spitz({w1, 180 - w - w1}) || !z.Einfach({w1, 180 - w - w1}, {dritte})) {
        return std::nullopt;
    }
    const int fehlt = z.Zahl(0, 2); // the side opposite the given angle
    Entwurf e;
    e.Seiten[(fehlt + 1) % 3] = s1;
    e.Seiten[(fehlt + 2) % 3] = s2;
    e.Winkel[fehlt] = w;
    return e;
}

// s lies opposite the angle w, t is the other given side. The margins keep the sine
// ratio and every angle of a solution far from the borders where rounding decides.
std::optional<Entwurf> SSW(Zufall& z, int loesungen) {
    const int s = z.Seite(), t = z.Seite();
    const bool stumpf = loesungen == 0 && z.StumpfErlaubt() && z.Zahl(0, 2) == 0;
    const int w = stumpf ? z.Zahl(91, 150) : z.Winkel(loesungen == 1 ? 150 : 80);
    const L r = std::sin(w * EinGrad) * t / s;
    bool gut = false;
    if (loesungen == 1) {
        const L b1 = std::asin(r) / EinGrad;
        gut = s > t && Spitz({b1, 180 - w - b1});
    } else if (loesungen == 2) {
        const L b1 = r <= 0.97L ? std::asin(r) / EinGrad : 0;
        gut = s < t && r <= 0.97L && Spitz({b1, 180 - w - b1, b1 - w});
    } else {
        // An obtuse angle opposite the shorter side leaves no room; an acute one none
        // when the sine ratio passes 1.
        gut = s < t && (stumpf || r >= 1.03L);
    }
    if (!gut) {
        return std::nullopt;
    }
    const int k = z.Zahl(0, 2);
    Entwurf e;
    e.Winkel[k] = w;
    e.Seiten[k] = s;
    e.Seiten[(k + 1 + z.Zahl(0, 1)) % 3] = t;
    return e;
}

// Two angles and a side; the side lies between them (WSW) or opposite the second (SWW).
std::optional<Entwurf> WinkelUndSeite(Zufall& z, bool zwischen) {
    const int w1 = z.Winkel(), w2 = z.Winkel(), s = z.Seite();
    const int w3 = 180 - w1 - w2;
    if (w3 < KleinsterWinkel) {
        return std::nullopt;
    }
    // The other two sides by the law of sines, over the sine of the angle facing s.
    const L gegenueber = std::sin((zwischen ? w3 : w2) * EinGrad);
    const L seite = s / L{10};
    const L erste = seite * std::sin(w1 * EinGrad) / gegenueber;
    const L zweite = seite * std::sin((zwischen ? w2 : w3) * EinGrad) / gegenueber;
    if (!z.Einfach({L(w3)}, {erste, zweite})) {
        return std::nullopt;
    }
    const int k = z.Zahl(0, 2);
    Entwurf e;
    e.Seiten[k] = s;
    if (zwischen) {
        e.Winkel[(k + 1) % 3] = w1;
        e.Winkel[(k + 2) % 3] = w2;
    } else {
        e.Winkel[k] = w2;
        e.Winkel[(k + 1 + z.Zahl(0, 1)) % 3] = w1;
    }
    return e;
}

std::optional<Entwurf> Entwirf(Zufall& z, Aufgabentyp typ, int loesungen) {
    switch (typ) {
    case Aufgabentyp::SSS:
        return SSS(z);
    case Aufgabentyp::SWS:
        return SWS(z);
    case Aufgabentyp::SSW:
        return SSW(z, loesungen);
    case Aufgabentyp::WSW:
        return WinkelUndSeite(z, true);
    case Aufgabentyp::SWW:
        return WinkelUndSeite(z, false);
    }
    return std::nullopt;
}

// A new exercise of the kind, with as many triangles, that is not yet in `gesehen`.
std::optional<ErzeugteAufgabe> Neue(Zufall& zufall, Aufgabentyp typ, int loesungen,
                                    std::set<std::array<std::string, 6>>& gesehen) {
    ErzeugteAufgabe a;
    a.Typ = typ;
    a.Loesungen = loesungen;
    // Drafts are cheap; a kind whose exercises are used up gives none.
    for (int versuch = 0; versuch < 20000; ++versuch) {
        const std::optional<Entwurf> e = Entwirf(zufall, typ, loesungen);
        if (!e) {
            continue;
        }
        for (std::size_t j = 0; j < 3; ++j) {
            a.Felder.Texte[j] = e->Seiten[j] != 0 ? SeitenText(e->Seiten[j]) : "";
            a.Felder.Texte[3 + j] = e->Winkel[j] != 0 ? std::to_string(e->Winkel[j]) : "";
        }
        if (gesehen.insert(a.Felder.Texte).second) {
            return a;
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<std::vector<std::optional<ErzeugteAufgabe>>>
ErzeugeGleiche(const std::vector<std::optional<Aufgabenmuster>>& muster, std::uint64_t seed,
               int fassungen) {
    std::vector<std::vector<std::optional<ErzeugteAufgabe>>> aufgaben(
        static_cast<std::size_t>(std::max(fassungen, 0)));
    std::set<std::array<std::string, 6>> gesehen;
    for (std::size_t f = 0; f < aufgaben.size(); ++f) {
        Zufall zufall(seed + 0x9E3779B97F4A7C15ULL * (f + 1), 3);
        for (const std::optional<Aufgabenmuster>& m : muster) {
            aufgaben[f].push_back(m ? Neue(zufall, m->Typ, m->Loesungen, gesehen) : std::nullopt);
        }
    }
    return aufgaben;
}

std::vector<ErzeugteAufgabe> Erzeuge(int anzahl, const std::vector<Aufgabentyp>& typen,
                                     std::uint64_t seed) {
    return ErzeugeFassungen(anzahl, typen, seed, {}).front();
}

std::vector<std::vector<ErzeugteAufgabe>> ErzeugeFassungen(int anzahl,
                                                           const std::vector<Aufgabentyp>& typen,
                                                           std::uint64_t seed,
                                                           const Erzeugungsregeln& regeln) {
    std::vector<Aufgabentyp> arten = typen;
    if (arten.empty()) {
        std::copy_if(AlleTypen.begin(), AlleTypen.end(), std::back_inserter(arten),
                     [&](Aufgabentyp t) { return regeln.Stufe > 1 || t != Aufgabentyp::SSW; });
    }
    const bool ohneKeine = regeln.Stufe < 3 || regeln.NurLoesbar;
    const std::vector<int> reihe = ohneKeine ? std::vector<int>{2, 1} : std::vector<int>{2, 1, 0};
    const auto erstesSSW = static_cast<std::size_t>(seed % reihe.size());
    const auto fassungen = static_cast<std::size_t>(std::max(regeln.Fassungen, 1));

    // Every version draws from its own stream, so that version 0 stays the sheet of the
    // seed alone; the set of exercises seen is shared, so no two versions repeat one.
    std::vector<Zufall> zufall;
    for (std::size_t f = 0; f < fassungen; ++f) {
        zufall.emplace_back(seed + 0x9E3779B97F4A7C15ULL * f, regeln.Stufe);
    }
    std::vector<std::vector<ErzeugteAufgabe>> aufgaben(fassungen);
    std::set<std::array<std::string, 6>> gesehen;
    std::size_t sswBisher = 0;
    for (int i = 0; i < anzahl; ++i) {
        ErzeugteAufgabe a;
        a.Typ = arten[static_cast<std::size_t>(i) % arten.size()];
        if (a.Typ == Aufgabentyp::SSW) {
            a.Loesungen = reihe[(erstesSSW + sswBisher++) % reihe.size()];
        }
        for (std::size_t f = 0; f < fassungen; ++f) {
            // A kind whose exercises are used up ends the sheet early.
            const auto neu = Neue(zufall[f], a.Typ, a.Loesungen, gesehen);
            if (!neu) {
                for (auto& fassung : aufgaben) {
                    fassung.resize(static_cast<std::size_t>(i));
                }
                return aufgaben;
            }
            aufgaben[f].push_back(*neu);
        }
    }
    return aufgaben;
}

} // namespace kalotri
