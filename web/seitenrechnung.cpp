// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one way into the engine: one calculation in, its result as JSON out. The page
// only shows what this returns; it neither reads numbers nor writes them.

#include "anfrage.h"
#include "figurjson.h"
#include "jsonausgabe.h"

#include "blattaufgabe.h"
#include "fehler.h"
#include "groessen.h"
#include "kalotri_version.h"
#include "loesung.h"
#include "rechenweg.h"
#include "rechner.h"
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

std::string Rechne(const web::Anfrage& anfrage) {
    Zahlformat format;
    format.Maske = anfrage.Stellen.Maske();
    format.Trennzeichen = anfrage.Trennzeichen;

    // Computed once; the Script lines, the batch tool's data and the extras render it.
    const Loesung loesung = Berechne(anfrage.Felder);
    ScriptProtokoll script;
    Ausgang ausgang = SchreibeScript(loesung, format, script);
    const bool geloest = !ausgang.Fehler && !ausgang.Meldung;
    const std::string figuren =
        anfrage.Figuren && geloest ? Zusatz(loesung, anfrage.Felder, format) : "[]";
    std::optional<Rechenweg> weg;
    if (anfrage.Rechenweg) {
        // With the figures come the derived quantities, and their steps with them.
        weg = ErstelleRechenweg(loesung, format,
                                anfrage.Figuren && geloest
                                    ? WeitereAngaben(loesung, anfrage.Felder, "")
                                    : Wegangaben{});
        MitRundungsHinweis(*weg, format);
    }
    if (ausgang.Fehler) {
        *ausgang.Fehler = FehlerAnzeigeText(*ausgang.Fehler); // as the window shows it
    }
    std::string zeile;
    rechne::JsonAusgabe().HaengeAn(zeile, Anzeige(script), ausgang, &loesung,
                                   weg ? &*weg : nullptr);
    // The batch tool ends its line; the value is the object before it.
    return web::Antwort(std::string_view(zeile).substr(0, zeile.find_last_not_of('\n') + 1),
                        figuren);
}

} // namespace

extern "C" {

// One request object as JSON (see web::Anfrage), one answer object as JSON (see
// web::Antwort), valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* kalotri_rechne(const char* anfrage) {
    static std::string ergebnis;
    try {
        const std::optional<web::Anfrage> a = web::LiesAnfrage(anfrage);
        ergebnis = a ? Rechne(*a)
                     : R"({"script":{"zeilen":[],"meldung":null,"fokus":null,)"
                       R"("fehler":"Interner Fehler."},"figuren":[]})";
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
