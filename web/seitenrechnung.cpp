// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one way into the engine: one calculation in, its result as JSON out. The page
// only shows what this returns; it neither reads numbers nor writes them.

#include "jsonausgabe.h"

#include "kalotri_version.h"
#include "rechner.h"
#include "rundformat.h"
#include "scriptprotokoll.h"
#include "symbol.h"

#include <emscripten/emscripten.h>

#include <exception>
#include <new>
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

// The general error display adds a full stop unless the text ends in a character at or
// below it ("!" and "." get none).
std::string MitAnzeigepunkt(std::string text) {
    if (text.empty() || static_cast<unsigned char>(text.back()) > '.') {
        text += '.';
    }
    return text;
}

std::string Rechne(const char* const* texte, const char* const* buchstaben, int dezimalen,
                   const char* trennzeichen) {
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

    ScriptProtokoll script;
    Ausgang ausgang = TRechner(script).Rechne(eingabe, format);
    if (ausgang.Fehler) {
        *ausgang.Fehler = MitAnzeigepunkt(*ausgang.Fehler);
    }
    std::string json;
    rechne::JsonAusgabe().HaengeAn(json, Anzeige(script), ausgang);
    return json;
}

} // namespace

extern "C" {

// The six box texts, then the six letters, each UTF-8; the count of decimals (1 to 10);
// the decimal separator. The result stays valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* kalotri_rechne(const char* a, const char* b, const char* c,
                                                const char* alpha, const char* beta,
                                                const char* gamma, const char* la, const char* lb,
                                                const char* lc, const char* lalpha,
                                                const char* lbeta, const char* lgamma,
                                                int dezimalen, const char* trennzeichen) {
    static std::string ergebnis;
    const char* const texte[] = {a, b, c, alpha, beta, gamma};
    const char* const buchstaben[] = {la, lb, lc, lalpha, lbeta, lgamma};
    try {
        ergebnis = Rechne(texte, buchstaben, dezimalen, trennzeichen);
    } catch (const std::bad_alloc&) {
        ergebnis = R"({"zeilen":[],"meldung":null,"fokus":null,"fehler":"Zu wenig Speicher"})"
                   "\n";
    } catch (const std::exception&) {
        ergebnis = R"({"zeilen":[],"meldung":null,"fokus":null,"fehler":"Interner Fehler"})"
                   "\n";
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
