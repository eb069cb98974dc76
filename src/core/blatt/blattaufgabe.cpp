// SPDX-License-Identifier: GPL-3.0-or-later
#include "blattaufgabe.h"

#include "fehler.h"
#include "groessen.h"
#include "loesung.h"
#include "pruef.h"
#include "rechenweg.h"
#include "scriptausgabe.h"
#include "scriptprotokoll.h"
#include "scripttext.h"
#include "sichtbar.h"
#include "symbol.h"
#include "zahlform.h"
#include "zahlform_lang.h"

namespace kalotri::blatt {

namespace {

std::string Wert(const Eingabe& e, std::size_t i, const Darstellung& d) {
    const TPruef p = LiesWert(e.Texte[i]);
    // A value that reads is shown in the general form, so "7,0" and "7.0" both read
    // "7"; anything else as typed, since that is what the exercise says.
    std::string wert =
        p.Status == StatusGegeben ? AllgemeineForm(p.Wert, d.Format.Trennzeichen) : e.Texte[i];
    if (i >= 3) {
        wert += "°";
    } else if (!d.Einheit.empty()) {
        wert += " " + d.Einheit;
    }
    return wert;
}

std::string Name(const Eingabe& e, std::size_t i) {
    return i >= 3 ? SymbolZuUnicode(e.Buchstaben[i]) : e.Buchstaben[i];
}

// The corner opposite a side is called by the side's letter in capitals, as in school.
std::string EckenName(const std::string& seite, char sonst) {
    if (seite.size() == 1 && seite[0] >= 'a' && seite[0] <= 'z') {
        return std::string(1, static_cast<char>(seite[0] - 'a' + 'A'));
    }
    return std::string(1, sonst);
}

std::string Fest(double x, const Darstellung& d) {
    return FesteForm(x, d.Format.Maske, d.Format.Trennzeichen);
}

} // namespace

Loesungsfigur Figurtexte(const Loesung& l, std::size_t nummer, const Eingabe& e,
                         const Darstellung& d) {
    const LoesungsDreieck& dreieck = l.Dreiecke[nummer];
    Loesungsfigur f;
    f.Form = BerechneGroessen(l, e, nummer);
    // The labels show the values as the Script writes them.
    const auto fest = [&](double x) { return FesteForm(x, d.Format.Maske, d.Format.Trennzeichen); };
    std::array<std::string, 3> seitenNamen;
    for (std::size_t i = 0; i < 3; ++i) {
        seitenNamen[i] = e.Buchstaben[i];
        f.Ecken[i] = EckenName(e.Buchstaben[i], static_cast<char>('A' + i));
        const std::string einheit = d.Einheit.empty() ? "" : " " + d.Einheit;
        f.Seiten[i] = {e.Buchstaben[i] + " = " + fest(dreieck.Werte[i]) + einheit, e.Buchstaben[i]};
        const std::string griechisch = SymbolZuUnicode(e.Buchstaben[3 + i]);
        f.Winkel[i] = {griechisch + " = " + fest(dreieck.Werte[3 + i]) + "°", griechisch};
        f.Rechtwinklig[i] = dreieck.Werte[3 + i] == 90;
    }
    if (d.Mehr) {
        f.Groessen = GroessenZeilen(f.Form, seitenNamen, d.Format, d.Einheit);
    }
    return f;
}

namespace {

// The worked steps, headings bold, notes and reasons in italics; lengths carry the unit.
std::vector<Wegzeile> WegZeilen(const Loesung& loesung, const Eingabe& e, const Darstellung& d) {
    std::vector<Wegzeile> zeilen;
    Wegangaben angaben;
    angaben.Einheit = d.Einheit;
    if (d.Mehr) {
        angaben = WeitereAngaben(loesung, e, d.Einheit);
    }
    for (const Rechenschritt& schritt : ErstelleRechenweg(loesung, d.Format, angaben)) {
        const Wegzeile::Stil stil = schritt.Art == SchrittArt::Ueberschrift ? Wegzeile::Stil::Fett
                                    : schritt.Art == SchrittArt::Rechnung   ? Wegzeile::Stil::Normal
                                                                          : Wegzeile::Stil::Kursiv;
        for (std::string& text : SchrittZeilen(schritt)) {
            zeilen.push_back({std::move(text), stil});
        }
    }
    return zeilen;
}

// The unknowns of one triangle with their values as the Script has them, in box order.
std::string SchluesselZeile(const LoesungsDreieck& dreieck, const Eingabe& e,
                            const Darstellung& d) {
    std::string zeile;
    for (std::size_t i = 0; i < 6; ++i) {
        if (LiesWert(e.Texte[i]).Status != StatusLeer) {
            continue;
        }
        std::string wert = Fest(dreieck.Werte[i], d) + (i < 3 ? "" : "°");
        if (i < 3 && !d.Einheit.empty()) {
            wert += " " + d.Einheit;
        }
        zeile += (zeile.empty() ? "" : ", ") + Name(e, i) + " = " + wert;
    }
    return zeile;
}

// With Mehr: the derived quantities, named as in the worked steps, with the figure's values.
std::string SchluesselGroessen(const Groessen& g, const Eingabe& e, const Darstellung& d) {
    const std::string laenge = d.Einheit.empty() ? "" : " " + d.Einheit;
    const auto wert = [&d](long double x) {
        return FesteFormLang(x, d.Format.Maske, d.Format.Trennzeichen);
    };
    std::string zeile = ", U = " + wert(g.Umfang) + laenge + ", A = " + wert(g.Flaeche) +
                        (laenge.empty() ? "" : laenge + "²");
    for (std::size_t i = 0; i < 3; ++i) {
        if (g.Hoehen[i]) {
            zeile += ", h_" + e.Buchstaben[i] + " = " + wert(*g.Hoehen[i]) + laenge;
        }
    }
    if (g.Umkreisradius) {
        zeile += ", R = " + wert(*g.Umkreisradius) + laenge;
    }
    return zeile + ", r = " + wert(g.Inkreisradius) + laenge;
}

} // namespace

Skizzenangaben SkizzeFuer(const Eingabe& e, const Darstellung& d) {
    Skizzenangaben s;
    for (std::size_t i = 0; i < 3; ++i) {
        s.Ecken[i] = EckenName(e.Buchstaben[i], static_cast<char>('A' + i));
        s.SeitenNamen[i] = Name(e, i);
        s.WinkelNamen[i] = Name(e, 3 + i);
    }
    for (std::size_t i = 0; i < 6; ++i) {
        if (LiesWert(e.Texte[i]).Status != StatusLeer) {
            s.Werte[i] = Name(e, i) + " = " + Wert(e, i, d);
        }
    }
    return s;
}

namespace {

int Angaben(const Eingabe& e) {
    int n = 0;
    for (const std::string& text : e.Texte) {
        n += LiesWert(text).Status != StatusLeer ? 1 : 0;
    }
    return n;
}

} // namespace

BlattAufgabe Bearbeite(const Eingabe& eingabe, const Darstellung& darstellung) {
    return Bearbeite(eingabe, Berechne(eingabe), darstellung);
}

BlattAufgabe Bearbeite(const Eingabe& eingabe, const Loesung& loesung,
                       const Darstellung& darstellung) {
    BlattAufgabe a;
    a.Einheit = darstellung.Einheit;
    for (std::size_t i = 0; i < 6; ++i) {
        if (LiesWert(eingabe.Texte[i]).Status != StatusLeer) {
            a.Gegeben += (a.Gegeben.empty() ? "" : ", ") + Name(eingabe, i) + " = " +
                         Wert(eingabe, i, darstellung);
        }
    }
    a.Gegeben = KuerzeText(a.Gegeben, GegebenMax);
    a.Skizze = SkizzeFuer(eingabe, darstellung);
    ScriptProtokoll script;
    const Ausgang ausgang = SchreibeScript(loesung, darstellung.Format, script);
    a.Loesungsweg = SichtbareZeilen(script, ausgang);
    if (darstellung.Form == Loesungsform::Rechenweg) {
        a.Rechenweg = WegZeilen(loesung, eingabe, darstellung);
    }
    if (ausgang.Meldung) {
        a.Problem = *ausgang.Meldung;
    } else if (ausgang.Fehler) {
        a.Problem = FehlerAnzeigeText(*ausgang.Fehler);
        a.ProblemIstFehler = true;
        // The number form failed while the Script was written: no figure could say more.
        return a;
    } else if (script.Zeilen().empty()) {
        // Fewer than three values: the calculation leaves it at that without a word.
        const int n = Angaben(eingabe);
        a.Problem = (n == 1 ? std::string("Nur 1 Wert") : "Nur " + std::to_string(n) + " Werte") +
                    "; eine Aufgabe braucht drei, darunter eine Seite";
    }
    try {
        if (!loesung.Ausgang.Meldung && !loesung.Ausgang.Fehler) {
            for (std::size_t i = 0; i < loesung.Dreiecke.size(); ++i) {
                if (!loesung.Dreiecke[i].Zaehlt) {
                    continue; // a flat figure, no triangle: no solution of the sheet
                }
                a.Figuren.push_back(Figurtexte(loesung, i, eingabe, darstellung));
                a.Schluessel.push_back(SchluesselZeile(loesung.Dreiecke[i], eingabe, darstellung));
                if (darstellung.Mehr && !loesung.Dreiecke[i].Flach) {
                    a.Schluessel.back() +=
                        SchluesselGroessen(a.Figuren.back().Form, eingabe, darstellung);
                }
            }
        }
    } catch (const KalotriFehler&) {
        // A mask too long for the fixed form already ended the calculation in an error,
        // so no figure is missed here.
        a.Figuren.clear();
        a.Schluessel.clear();
    }
    if (!a.Problem && a.Figuren.empty()) {
        a.Schluessel.emplace_back("keine Lösung");
    }
    if (!a.Problem) {
        const auto gefragt =
            std::count_if(eingabe.Texte.begin(), eingabe.Texte.end(),
                          [](const std::string& t) { return LiesWert(t).Status == StatusLeer; });
        a.Punkte = a.Figuren.empty() ? 1
                                     : static_cast<int>(a.Figuren.size()) *
                                           (static_cast<int>(gefragt) + (darstellung.Mehr ? 1 : 0));
    }
    return a;
}

std::string PunkteText(int punkte) {
    return std::to_string(punkte) + (punkte == 1 ? " Punkt" : " Punkte");
}

BlattAufgabe UnlesbareZeile(std::string_view zeile, const std::string& grund) {
    BlattAufgabe a;
    for (std::size_t tab = zeile.find('\t'); tab != std::string_view::npos;
         tab = zeile.find('\t')) {
        HaengeSichtbarAn(a.Gegeben, zeile.substr(0, tab));
        a.Gegeben += " | ";
        zeile.remove_prefix(tab + 1);
    }
    HaengeSichtbarAn(a.Gegeben, zeile);
    a.Gegeben = KuerzeText(a.Gegeben, GegebenMax);
    a.Problem = grund;
    return a;
}

std::vector<std::string> ProblemZeilen(const BlattAufgabe& aufgabe) {
    if (!aufgabe.Problem) {
        return {};
    }
    return {(aufgabe.ProblemIstFehler ? "Fehler: " : "Meldung: ") + *aufgabe.Problem};
}

std::vector<Wegzeile> LoesungsZeilen(const BlattAufgabe& a, Loesungsform form) {
    const auto schlicht = [](const std::vector<std::string>& texte) {
        std::vector<Wegzeile> zeilen;
        for (const std::string& text : texte) {
            zeilen.push_back({text, Wegzeile::Stil::Normal});
        }
        return zeilen;
    };
    if (a.Problem && (form == Loesungsform::Schluessel || a.Loesungsweg.empty())) {
        return schlicht(ProblemZeilen(a));
    }
    if (form == Loesungsform::Schluessel) {
        std::vector<std::string> zeilen;
        for (std::size_t i = 0; i < a.Schluessel.size(); ++i) {
            zeilen.push_back(
                (a.Schluessel.size() > 1 ? std::to_string(i + 1) + ". Lösung: " : std::string()) +
                a.Schluessel[i]);
        }
        return schlicht(zeilen);
    }
    if (form == Loesungsform::Rechenweg && !a.Rechenweg.empty()) {
        return a.Rechenweg;
    }
    return schlicht(a.Loesungsweg);
}

std::vector<std::string> Legende(const Loesungsfigur& lf, const Figur& f) {
    std::vector<std::string> zeilen;
    for (std::size_t i = 0; i < 3; ++i) {
        if (f.SeiteInLegende(i) && lf.Seiten[i].size() > 1) {
            zeilen.push_back(lf.Seiten[i].front());
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (f.WinkelInLegende(i) && !lf.Winkel[i].empty() &&
            (lf.Winkel[i].size() > 1 || !f.WinkelEtiketten[i])) {
            zeilen.push_back(lf.Winkel[i].front());
        }
    }
    return zeilen;
}

} // namespace kalotri::blatt
