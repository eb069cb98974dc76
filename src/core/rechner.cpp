// SPDX-License-Identifier: GPL-3.0-or-later
#include "rechner.h"

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

Ausgang MeldungMitFokus(const char* text, int feld) {
    Ausgang aus;
    aus.Meldung = text;
    aus.Fokus = static_cast<Feld>(feld);
    return aus;
}

} // namespace

TPruef& TRechner::Eintrag(int i) {
    switch (i) {
    case 0:
        return pA;
    case 1:
        return pB;
    case 2:
        return pC;
    case 3:
        return pAlpha;
    case 4:
        return pBeta;
    default:
        return pGamma;
    }
}

Ausgang TRechner::Rechne(const Eingabe& eingabe, const Zahlformat& format) {
    Format = format;
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
    for (int i = 0; i < 6; ++i) {
        TPruef& p = Eintrag(i);
        p = LiesWert(eingabe.Texte[static_cast<std::size_t>(i)]);
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

    const auto gegeben = [](const TPruef& p) { return p.Status == StatusGegeben; };
    const int seiten = int{gegeben(pA)} + int{gegeben(pB)} + int{gegeben(pC)};

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
    for (int i = 0; i < 6; ++i) {
        Eintrag(i).Name = eingabe.Buchstaben[static_cast<std::size_t>(i)];
    }

    const int winkel = anzahl - seiten;

    // Step 4: the kind of problem.
    if (seiten == 3) {
        const Lang a = pA.Wert;
        const Lang b = pB.Wert;
        const Lang c = pC.Wert;
        if (std::fabs(c) >= std::fabs(a + b) || std::fabs(a) >= std::fabs(b + c) ||
            std::fabs(b) >= std::fabs(a + c)) {
            return MeldungOhneFokus(MeldungKeinDreieck);
        }
        Zeile("Typ: SSS");
        FallSSS();
        return {};
    }

    if (seiten == 2 && winkel == 1) {
        const bool sws = (gegeben(pA) && gegeben(pB) && gegeben(pGamma)) ||
                         (gegeben(pA) && gegeben(pC) && gegeben(pBeta)) ||
                         (gegeben(pB) && gegeben(pC) && gegeben(pAlpha));
        if (sws) {
            for (const TPruef* w : {&pAlpha, &pBeta, &pGamma}) {
                if (gegeben(*w) && w->Wert > 180) {
                    return MeldungOhneFokus(MeldungWinkelZuGross);
                }
            }
            Zeile("Typ: SWS");
            FallSWS();
        } else {
            Zeile("Typ: SSW");
            FallSSW();
        }
        return {};
    }

    if (seiten == 1 && winkel == 2) {
        const Lang summe = pAlpha.Status == StatusLeer  ? Lang{pBeta.Wert} + pGamma.Wert
                           : pBeta.Status == StatusLeer ? Lang{pAlpha.Wert} + pGamma.Wert
                                                        : Lang{pAlpha.Wert} + pBeta.Wert;
        if (summe > 180) {
            return MeldungOhneFokus(MeldungWinkelsumme);
        }
        // The third angle goes into the empty record; its Status stays "empty".
        if (pAlpha.Status == StatusLeer) {
            pAlpha.Wert = Speichere(Lang{180} - pBeta.Wert - pGamma.Wert);
        } else if (pBeta.Status == StatusLeer) {
            pBeta.Wert = Speichere(Lang{180} - pAlpha.Wert - pGamma.Wert);
        } else {
            pGamma.Wert = Speichere(Lang{180} - pBeta.Wert - pAlpha.Wert);
        }

        const bool wsw = (gegeben(pAlpha) && gegeben(pBeta) && gegeben(pC)) ||
                         (gegeben(pBeta) && gegeben(pGamma) && gegeben(pA)) ||
                         (gegeben(pAlpha) && gegeben(pGamma) && gegeben(pB));
        if (wsw) {
            Zeile("Typ: WSW");
            FallWSW();
        } else {
            Zeile("Typ: SWW");
            FallSWW();
        }
        return {};
    }

    // Fewer than three quantities: nothing to do, nothing to say.
    return {};
}

void TRechner::SchreibeGegeben() {
    Zeile("Gegeben:");
    for (const TPruef* s : {&pA, &pB, &pC}) {
        if (s->Status == StatusGegeben) {
            SeitenName(*s);
            Zeile(Fest(s->Wert));
        }
    }
    for (const TPruef* w : {&pAlpha, &pBeta, &pGamma}) {
        if (w->Status == StatusGegeben) {
            WinkelName(*w);
            Zeile(Fest(w->Wert) + "°");
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
    return FesteForm(x, Format.Maske, Format.Trennzeichen);
}

} // namespace kalotri
