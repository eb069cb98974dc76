// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptausgabe.h"

namespace kalotri {

namespace {

const char* Zusatz(Herkunft weg) {
    switch (weg) {
    case Herkunft::Sinussatz:
        return " (Sinussatz)";
    case Herkunft::Cosinussatz:
        return " (Cosinussatz)";
    case Herkunft::Winkelsumme:
        return " (Winkelsumme)";
    case Herkunft::WinkelsummeBesserCosinussatz:
        return " (Winkelsumme, besser: Cosinussatz)";
    case Herkunft::Gegeben:
        break;
    }
    return "";
}

class ScriptSchreiber {
  public:
    ScriptSchreiber(const Loesung& l, const Zahlformat& f, ScriptSink& s)
        : loesung_(l), format_(f), script_(s) {}

    void Zeile(const std::string& text) { script_.ZeileAnfuegen(text); }

    // A name line and its value line in the fixed form; `zusatz` follows the number (and,
    // for an angle, its degree sign). An angle's name line is the only line that switches
    // faces: the Symbol face shows the Latin letter as its Greek one, Arial follows at once.
    void Wert(Feld feld, const std::string& name, double wert, const char* zusatz,
              const char* doppelpunkt = ":", bool allgemein = false) {
        // The name line stands before the number is formed: a mask too long for the fixed
        // form stops the writing after it.
        if (feld >= Feld::Alpha) {
            script_.SchriftSetzen(SchriftSymbol);
            Zeile(name + doppelpunkt);
            script_.SchriftSetzen(SchriftArial);
        } else {
            Zeile(name + ":");
        }
        std::string zeile = allgemein ? AllgemeineForm(wert, format_.Trennzeichen)
                                      : FesteForm(wert, format_.Maske, format_.Trennzeichen);
        if (feld >= Feld::Alpha) {
            zeile += "°";
        }
        Zeile(zeile + zusatz);
    }

    void Berechnet(const Berechnung& b) {
        const Aufgabentyp typ = *loesung_.Typ;
        // SSS writes its second and third angle with a blank before the colon; WSW and SWW
        // write their angle-sum angle in the general form, so 90 reads "90°", not "90,000°".
        const bool blank = typ == Aufgabentyp::SSS && b.Groesse != Feld::Alpha;
        const bool allgemein =
            (typ == Aufgabentyp::WSW || typ == Aufgabentyp::SWW) && b.Weg == Herkunft::Winkelsumme;
        Wert(b.Groesse, loesung_.Buchstaben[static_cast<std::size_t>(b.Groesse)], b.Wert,
             Zusatz(b.Weg), blank ? " :" : ":", allgemein);
    }

    void Alles() {
        Zeile(std::string("Typ: ") + TypText(*loesung_.Typ));
        Zeile("Gegeben:");
        for (const GegebeneGroesse& g : loesung_.Gegeben) {
            Wert(g.Groesse, g.Buchstabe, g.Wert, "");
        }
        Zeile("Berechnet:");
        const auto& dreiecke = loesung_.Dreiecke;
        if (loesung_.Typ == Aufgabentyp::SSW && dreiecke.empty() && !loesung_.Ausgang.Fehler) {
            Zeile("Keine Lösung");
        }
        // A single solution stands without a header.
        for (std::size_t i = 0; i < dreiecke.size(); ++i) {
            if (dreiecke.size() > 1) {
                Zeile(i == 0 ? "1. Lösung:" : "2. Lösung:");
            }
            for (const Berechnung& b : dreiecke[i].Schritte) {
                Berechnet(b);
            }
        }
    }

  private:
    const Loesung& loesung_;
    const Zahlformat& format_;
    ScriptSink& script_;
};

} // namespace

Ausgang SchreibeScript(const Loesung& loesung, const Zahlformat& format, ScriptSink& script) {
    if (loesung.Ausgang.Meldung || !loesung.Typ) {
        return loesung.Ausgang;
    }
    try {
        ScriptSchreiber(loesung, format, script).Alles();
    } catch (const KalotriFehler& fehler) {
        // Whatever was written before the fault stays in the Script.
        Ausgang aus;
        aus.Fehler = fehler.what();
        aus.Art = fehler.Wert();
        return aus;
    }
    return loesung.Ausgang;
}

} // namespace kalotri
