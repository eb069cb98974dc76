// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechner.h"

#include "drehungen.h"
#include "fehler.h"
#include "gleitkomma.h"
#include "zahlform.h"

#include <cmath>

namespace kalotri {

namespace {

Ausgang MeldungOhneFokus(const char* text) {
    Ausgang aus;
    aus.Meldung = text;
    return aus;
}

Ausgang MeldungMitFokus(const char* text, std::size_t feld) {
    Ausgang aus;
    aus.Meldung = text;
    aus.Fokus = static_cast<Feld>(feld);
    return aus;
}

// For WSW and SWW: the empty angle and the two given ones, in the order they are
// subtracted from 180.
struct DritterWinkelZeile {
    Feld Leer;
    std::array<Feld, 2> Andere;
};
constexpr std::array<DritterWinkelZeile, 3> DritterWinkel = {{
    {Feld::Alpha, {Feld::Beta, Feld::Gamma}},
    {Feld::Beta, {Feld::Alpha, Feld::Gamma}},
    {Feld::Gamma, {Feld::Beta, Feld::Alpha}},
}};

} // namespace

Ausgang TRechner::Rechne(const Eingabe& eingabe, const Zahlformat& format) {
    format_ = format;
    try {
        return Befehl(eingabe);
    } catch (const KalotriFehler& fehler) {
        // Whatever was written before the fault stays in the Script.
        Ausgang aus;
        aus.Fehler = fehler.what();
        return aus;
    }
}

Ausgang TRechner::Befehl(const Eingabe& eingabe) {
    // Step 1: the first box that fails decides; the boxes after it are not read.
    int anzahl = 0;
    for (std::size_t i = 0; i < Groessen.size(); ++i) {
        TPruef& p = Groessen[i];
        p = LiesWert(eingabe.Texte[i]);
        if (p.Status == StatusFehlerhaft) {
            return MeldungMitFokus(MeldungFehlerhaft, i);
        }
        if (p.Status == StatusGegeben) {
            if (p.Wert == 0) { // -0 too
                return MeldungMitFokus(MeldungNull, i);
            }
            if (p.Wert < 0) {
                return MeldungMitFokus(MeldungNegativ, i);
            }
            ++anzahl;
        }
    }

    const int seiten = int{Gegeben(Feld::A)} + int{Gegeben(Feld::B)} + int{Gegeben(Feld::C)};

    // Step 2: the count checks, first match wins.
    if (anzahl > 4) {
        return MeldungOhneFokus(MeldungUeberbestimmt);
    }
    if (anzahl == 4 && seiten == 3) {
        return MeldungOhneFokus(MeldungUeberbestimmtSSSW);
    }
    if (anzahl == 4 && seiten == 2) {
        return MeldungOhneFokus(MeldungUeberbestimmtSSWW);
    }
    if (anzahl == 4 && seiten == 1) {
        return MeldungOhneFokus(MeldungUeberbestimmtSWWW);
    }
    if (anzahl == 3 && seiten == 0) {
        return MeldungOhneFokus(MeldungUnvollstaendig);
    }

    // Step 3: letters are taken as they stand, even empty or repeated.
    for (std::size_t i = 0; i < Groessen.size(); ++i) {
        Groessen[i].Name = eingabe.Buchstaben[i];
    }

    const int winkel = anzahl - seiten;

    // Step 4: the kind of problem.
    if (seiten == 3) {
        const Lang a = pA.Wert;
        const Lang b = pB.Wert;
        const Lang c = pC.Wert;
        using std::fabs; // Lang64 brings its own
        if (fabs(c) >= fabs(a + b) || fabs(a) >= fabs(b + c) || fabs(b) >= fabs(a + c)) {
            return MeldungOhneFokus(MeldungKeinDreieck);
        }
        FallSSS();
        return {};
    }

    if (seiten == 2 && winkel == 1) {
        if (FindeDrehung(SWSDrehungen, Groessen) != nullptr) {
            for (const TPruef* w : {&pAlpha, &pBeta, &pGamma}) {
                if (w->Status == StatusGegeben && w->Wert > 180) {
                    return MeldungOhneFokus(MeldungWinkelZuGross);
                }
            }
            FallSWS();
        } else {
            FallSSW();
        }
        return {};
    }

    if (seiten == 1 && winkel == 2) {
        // The third angle goes into the empty record; its Status stays "empty". The
        // subtraction keeps the order the cases were first computed in.
        const auto& [leer, andere] = pAlpha.Status == StatusLeer  ? DritterWinkel[0]
                                     : pBeta.Status == StatusLeer ? DritterWinkel[1]
                                                                  : DritterWinkel[2];
        const double w1 = Groesse(andere[0]).Wert;
        const double w2 = Groesse(andere[1]).Wert;
        if (Lang{w1} + w2 > 180) {
            return MeldungOhneFokus(MeldungWinkelsumme);
        }
        Groesse(leer).Wert = Speichere(Lang{180} - w1 - w2);

        if (FindeDrehung(WSWDrehungen, Groessen) != nullptr) {
            FallWSW();
        } else {
            FallSWW();
        }
        return {};
    }

    // Fewer than three quantities: nothing to do, nothing to say.
    return {};
}

void TRechner::SchreibeGegeben() {
    Zeile("Gegeben:");
    for (std::size_t i = 0; i < Groessen.size(); ++i) {
        const TPruef& p = Groessen[i];
        if (p.Status != StatusGegeben) {
            continue;
        }
        if (i < 3) {
            SeiteMitWert(p, p.Wert);
        } else {
            WinkelMitWert(p, p.Wert);
        }
    }
    Zeile("Berechnet:");
}

void TRechner::Zeile(const std::string& text) {
    script_.ZeileAnfuegen(text);
}

void TRechner::SeitenName(const TPruef& seite) {
    Zeile(seite.Name + ":");
}

void TRechner::WinkelName(const TPruef& winkel, const char* doppelpunkt) {
    // The Symbol face shows the Latin letter as its Greek one; Arial follows at once.
    script_.SchriftSetzen(SchriftSymbol);
    Zeile(winkel.Name + doppelpunkt);
    script_.SchriftSetzen(SchriftArial);
}

std::string TRechner::Fest(double x) const {
    return FesteForm(x, format_.Maske, format_.Trennzeichen);
}

void TRechner::SeiteMitWert(const TPruef& seite, double wert, const char* zusatz) {
    SeitenName(seite);
    std::string zeile = Fest(wert);
    zeile += zusatz;
    Zeile(zeile);
}

void TRechner::WinkelMitWert(const TPruef& winkel, double wert, const char* zusatz,
                             const char* doppelpunkt) {
    WinkelName(winkel, doppelpunkt);
    std::string zeile = Fest(wert);
    zeile += "°";
    zeile += zusatz;
    Zeile(zeile);
}
} // namespace kalotri
