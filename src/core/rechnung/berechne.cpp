// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation command without its display: reading the boxes, the count checks, and
// the choice of the case.
#include "drehungen.h"
#include "gleitkomma.h"
#include "lauf.h"
#include "symbol.h"

#include <cmath>

namespace kalotri {

namespace {

using intern::Lauf;

void Melde(Loesung& l, Code code, std::optional<Feld> fokus = std::nullopt) {
    l.Ausgangscode = code;
    l.Ausgang.Art = code;
    l.Ausgang.Meldung = CodeText(code);
    l.Ausgang.Fokus = fokus;
}

// The first box that fails decides; the boxes after it are not read. Returns false after
// a message.
bool LiesBoxen(Lauf& lauf, const Eingabe& eingabe) {
    for (std::size_t i = 0; i < lauf.Groessen.size(); ++i) {
        TPruef& p = lauf.Groessen[i];
        p = LiesWert(eingabe.Texte[i]);
        const auto feld = static_cast<Feld>(i);
        if (p.Status == StatusFehlerhaft) {
            Melde(lauf.Ergebnis, Code::Fehlerhaft, feld);
            return false;
        }
        if (p.Status == StatusGegeben && p.Wert == 0) { // -0 too
            Melde(lauf.Ergebnis, Code::Null, feld);
            return false;
        }
        if (p.Status == StatusGegeben && p.Wert < 0) {
            Melde(lauf.Ergebnis, Code::Negativ, feld);
            return false;
        }
    }
    return true;
}

// Too many quantities, or three angles: the first matching check wins.
std::optional<Code> AnzahlMeldung(int anzahl, int seiten) {
    if (anzahl > 4) {
        return Code::Ueberbestimmt;
    }
    if (anzahl == 4) {
        // Four values hold at least one side: three boxes are angles.
        constexpr Code Vier[] = {Code::Geloest, Code::UeberbestimmtSWWW, Code::UeberbestimmtSSWW,
                                 Code::UeberbestimmtSSSW};
        return Vier[seiten];
    }
    if (anzahl == 3 && seiten == 0) {
        return Code::Unvollstaendig;
    }
    return std::nullopt;
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

// The kind of problem, its own check, and the case.
void Ordne(Lauf& lauf, int seiten, int winkel) {
    Loesung& l = lauf.Ergebnis;
    if (seiten == 3) {
        const Lang a = lauf.Groesse(Feld::A).Wert;
        const Lang b = lauf.Groesse(Feld::B).Wert;
        const Lang c = lauf.Groesse(Feld::C).Wert;
        using std::fabs; // Lang64 brings its own
        const std::array<bool, 3> zuLang = {fabs(a) >= fabs(b + c), fabs(b) >= fabs(a + c),
                                            fabs(c) >= fabs(a + b)};
        if (zuLang[0] || zuLang[1] || zuLang[2]) {
            Melde(l, Code::KeinDreieck);
            l.Anlass = zuLang[0] ? Feld::A : zuLang[1] ? Feld::B : Feld::C;
            return;
        }
        l.Typ = Aufgabentyp::SSS;
        intern::FallSSS(lauf);
        return;
    }
    if (seiten == 2 && winkel == 1) {
        if (FindeDrehung(SWSDrehungen, lauf.Groessen) != nullptr) {
            for (const Feld w : {Feld::Alpha, Feld::Beta, Feld::Gamma}) {
                if (lauf.Gegeben(w) && lauf.Groesse(w).Wert > 180) {
                    Melde(l, Code::WinkelZuGross);
                    l.Anlass = w;
                    return;
                }
            }
            l.Typ = Aufgabentyp::SWS;
            intern::FallSWS(lauf);
        } else {
            l.Typ = Aufgabentyp::SSW;
            intern::FallSSW(lauf);
        }
        return;
    }
    if (seiten == 1 && winkel == 2) {
        // The third angle goes into the empty record; its Status stays "empty". The
        // subtraction keeps the order the cases were first computed in.
        const auto& [leer, andere] = !lauf.Gegeben(Feld::Alpha)  ? DritterWinkel[0]
                                     : !lauf.Gegeben(Feld::Beta) ? DritterWinkel[1]
                                                                 : DritterWinkel[2];
        const double w1 = lauf.Groesse(andere[0]).Wert;
        const double w2 = lauf.Groesse(andere[1]).Wert;
        if (Lang{w1} + w2 > 180) {
            Melde(l, Code::Winkelsumme);
            l.Anlass = leer;
            return;
        }
        lauf.Groesse(leer).Wert = Speichere(Lang{180} - w1 - w2);
        const bool wsw = FindeDrehung(WSWDrehungen, lauf.Groessen) != nullptr;
        l.Typ = wsw ? Aufgabentyp::WSW : Aufgabentyp::SWW;
        if (wsw) {
            intern::FallWSW(lauf);
        } else {
            intern::FallSWW(lauf);
        }
    }
    // Fewer than three quantities: nothing to do, nothing to say.
}

} // namespace

namespace {
thread_local std::uint64_t berechnungen = 0;
} // namespace

std::uint64_t Berechnungen() {
    return berechnungen;
}

Loesung BerechneMit(const Eingabe& eingabe, std::array<TPruef, 6>& groessen) {
    ++berechnungen;
    Loesung l;
    l.Buchstaben = eingabe.Buchstaben;
    Lauf lauf{groessen, l};
    try {
        if (!LiesBoxen(lauf, eingabe)) {
            return l;
        }
        int anzahl = 0;
        int seiten = 0;
        for (std::size_t i = 0; i < groessen.size(); ++i) {
            if (groessen[i].Status == StatusGegeben) {
                ++anzahl;
                seiten += i < 3 ? 1 : 0;
            }
        }
        l.Angaben = anzahl;
        if (const std::optional<Code> code = AnzahlMeldung(anzahl, seiten)) {
            Melde(l, *code);
            return l;
        }
        // Letters are taken as they stand, even empty or repeated.
        for (std::size_t i = 0; i < groessen.size(); ++i) {
            groessen[i].Name = eingabe.Buchstaben[i];
            if (groessen[i].Status == StatusGegeben) {
                l.Gegeben.push_back(
                    {static_cast<Feld>(i), groessen[i].Name, groessen[i].Wert, eingabe.Texte[i]});
            }
        }
        Ordne(lauf, seiten, anzahl - seiten);
    } catch (const KalotriFehler& fehler) {
        // What was computed before the fault stays in the result, as it does in the Script.
        l.Ausgang.Fehler = fehler.what();
        l.Ausgang.Art = fehler.Wert();
        l.Ausgangscode = fehler.Wert();
    }
    return l;
}

Loesung Berechne(const Eingabe& eingabe) {
    std::array<TPruef, 6> groessen;
    return BerechneMit(eingabe, groessen);
}

std::string Anzeigebuchstabe(const Loesung& loesung, Feld feld) {
    const std::string& b = loesung.Buchstaben[static_cast<std::size_t>(feld)];
    return feld >= Feld::Alpha ? SymbolZuUnicode(b) : b;
}

std::size_t Loesung::Loesungszahl() const {
    std::size_t n = 0;
    for (const LoesungsDreieck& d : Dreiecke) {
        n += d.Zaehlt ? 1 : 0;
    }
    return n;
}

} // namespace kalotri
