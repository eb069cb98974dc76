// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one way into the engine: one calculation in, its result as JSON out. The page
// only shows what this returns; it neither reads numbers nor writes them.

#include "figurjson.h"
#include "jsonausgabe.h"

#include "blattaufgabe.h"
#include "fehler.h"
#include "groessen.h"
#include "kalotri_version.h"
#include "loesung.h"
#include "loesungen.h"
#include "rechenweg.h"
#include "rechner.h"
#include "rundformat.h"
#include "scriptausgabe.h"
#include "scriptprotokoll.h"
#include "symbol.h"

#include <emscripten/emscripten.h>

#include <exception>
#include <new>
#include <optional>
#include <string>

namespace {

using namespace kalotri;

// The decimal counts the page offers; anything else is the page's mistake.
constexpr int DezimalenMin = 1;
constexpr int DezimalenMax = 10;

// The lines as the page shows them: an angle's letter in the face "Symbol" becomes the
// Greek letter it stands for, so that copying and printing carry the same text.
ScriptProtokoll Anzeige(const ScriptProtokoll& script) {
    ScriptProtokoll anzeige;
    for (const ScriptZeile& zeile : script.Zeilen()) {
        if (zeile.Schrift != anzeige.Schrift()) {
            anzeige.SchriftSetzen(zeile.Schrift);
        }
        anzeige.ZeileAnfuegen(zeile.Schrift == SchriftSymbol ? SymbolZuUnicode(zeile.Text)
                                                             : zeile.Text);
    }
    return anzeige;
}

// The figures and derived quantities of the triangles found, labelled as on a worksheet.
std::string Zusatz(const Loesung& loesung, const Eingabe& eingabe, const Zahlformat& format) {
    std::vector<blatt::Loesungsfigur> figuren;
    blatt::Darstellung darstellung;
    darstellung.Format = format;
    darstellung.Mehr = true;
    try {
        for (std::size_t i = 0; i < loesung.Dreiecke.size(); ++i) {
            if (!loesung.Dreiecke[i].Zaehlt) {
                continue; // a flat figure is no triangle
            }
            figuren.push_back(blatt::Figurtexte(loesung, i, eingabe, darstellung));
        }
    } catch (const KalotriFehler&) {
        figuren.clear(); // the Script's number form already ended in this error
    }
    return web::FigurenJson(figuren);
}

// What the page asks for beyond the Script, as bits of one number.
enum Zusaetze : int { MitFiguren = 1, MitRechenweg = 2 };

std::string Rechne(const char* const* texte, const char* const* buchstaben, int dezimalen,
                   const char* trennzeichen, int zusaetze) {
    Eingabe eingabe;
    for (std::size_t i = 0; i < 6; ++i) {
        eingabe.Texte[i] = texte[i];
        eingabe.Buchstaben[i] = buchstaben[i];
    }
    Zahlformat format;
    const int anzahl = dezimalen < DezimalenMin   ? DezimalenMin
                       : dezimalen > DezimalenMax ? DezimalenMax
                                                  : dezimalen;
    format.Maske = MaskeFuerAnzahl(anzahl);
    format.Trennzeichen = trennzeichen;

    // Computed once; the Script lines, the batch tool's data and the extras render it.
    const Loesung loesung = Berechne(eingabe);
    ScriptProtokoll script;
    Ausgang ausgang = SchreibeScript(loesung, format, script);
    const bool geloest = !ausgang.Fehler && !ausgang.Meldung;
    const std::string figuren =
        (zusaetze & MitFiguren) != 0 && geloest ? Zusatz(loesung, eingabe, format) : "[]";
    std::optional<Rechenweg> weg;
    if ((zusaetze & MitRechenweg) != 0) {
        // With the figures come the derived quantities, and their steps with them.
        weg = ErstelleRechenweg(loesung, format,
                                (zusaetze & MitFiguren) != 0 && geloest
                                    ? WeitereAngaben(loesung, eingabe, "")
                                    : Wegangaben{});
        MitRundungsHinweis(*weg, format);
    }
    if (ausgang.Fehler) {
        *ausgang.Fehler = FehlerAnzeigeText(*ausgang.Fehler); // as the window shows it
    }
    std::string json = R"({"script":)";
    rechne::JsonAusgabe().HaengeAn(json, Anzeige(script), ausgang, &loesung, weg ? &*weg : nullptr);
    json.pop_back(); // the batch tool's line break
    json += R"(,"figuren":)" + figuren + "}";
    return json;
}

} // namespace

extern "C" {

// The six box texts, then the six letters, each UTF-8; the count of decimals (1 to 10);
// the decimal separator; the extras as bits: 1 figures and derived quantities, 2 the
// worked steps. Returns {"script": the batch tool's JSON result (with "rechenweg" on
// request), "figuren": FigurenJson}, valid until the next call.
EMSCRIPTEN_KEEPALIVE const char*
kalotri_rechne(const char* a, const char* b, const char* c, const char* alpha, const char* beta,
               const char* gamma, const char* la, const char* lb, const char* lc,
               const char* lalpha, const char* lbeta, const char* lgamma, int dezimalen,
               const char* trennzeichen, int zusatz) {
    static std::string ergebnis;
    const char* const texte[] = {a, b, c, alpha, beta, gamma};
    const char* const buchstaben[] = {la, lb, lc, lalpha, lbeta, lgamma};
    try {
        ergebnis = Rechne(texte, buchstaben, dezimalen, trennzeichen, zusatz);
    } catch (const std::bad_alloc&) {
        ergebnis = R"({"script":{"zeilen":[],"meldung":null,"fokus":null,)"
                   R"("fehler":"Zu wenig Speicher."},"figuren":[]})";
    } catch (const std::exception&) {
        ergebnis = R"({"script":{"zeilen":[],"meldung":null,"fokus":null,)"
                   R"("fehler":"Interner Fehler."},"figuren":[]})";
    }
    return ergebnis.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* kalotri_version() {
    return KALOTRI_VERSION;
}

// A letter as an angle's chooser shows it: through the face "Symbol".
EMSCRIPTEN_KEEPALIVE const char* kalotri_symbol(const char* buchstabe) {
    static std::string ergebnis;
    ergebnis = SymbolZuUnicode(buchstabe);
    return ergebnis.c_str();
}

} // extern "C"
